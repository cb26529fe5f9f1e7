#include "legibility.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorValue hex(std::uint32_t web)
{
    return swapWebOrder(web);
}

constexpr ColorValue White = hex(0xFFFFFF);
constexpr ColorValue Black = hex(0x000000);

} // namespace

TEST(Legibility, LuminanceOfTheEnds)
{
    EXPECT_EQ(relativeLuminance(Black), 0.0);
    EXPECT_EQ(relativeLuminance(White), 1.0);
    EXPECT_DOUBLE_EQ(relativeLuminance(hex(0xFF0000)), 0.2126);
    EXPECT_NEAR(srgbToLinear(128), 0.2158605, 1e-7);          // the curve part
    EXPECT_NEAR(srgbToLinear(10), 10 / 255.0 / 12.92, 1e-15); // the straight part
}

TEST(Legibility, RatiosShownTruncatedWithTheirVerdicts)
{
    const struct {
        const char* label;
        ColorValue foreground, background;
        const char* shown;
        Verdict verdict;
    } rows[] = {
        {"black on white", Black, White, "21.00", Verdict::AAA},
        {"white on black, either order", White, Black, "21.00", Verdict::AAA},
        {"equal colours", hex(0x808080), hex(0x808080), "1.00", Verdict::Fails},
        {"#777777 on white, 4.478", hex(0x777777), White, "4.47", Verdict::AALarge},
        {"#767676 on white, 4.542", hex(0x767676), White, "4.54", Verdict::AA},
        // The colours nearest the thresholds on either side, 1e-7 away.
        {"4.4999999 is not AA", hex(0x9A6C5A), White, "4.49", Verdict::AALarge},
        {"4.5000006 is AA", hex(0x7C7290), White, "4.50", Verdict::AA},
        {"2.9999998", hex(0x989A30), White, "2.99", Verdict::Fails},
        {"3.0000002", hex(0xE969A1), White, "3.00", Verdict::AALarge},
        {"6.9999987", hex(0x960FB1), White, "6.99", Verdict::AA},
        {"7.0000003", hex(0x33642C), White, "7.00", Verdict::AAA},
        // Dark channels lie on the straight part of the curve, so these are exactly 5.15
        // and 1.04; a rounding below must not show 5.14 or 1.03.
        {"exactly 5.15", hex(0xFF0202), hex(0x070209), "5.15", Verdict::AA},
        {"exactly 1.04", hex(0x090801), hex(0x020009), "1.04", Verdict::Fails},
        {"teal and white", White, hex(0x008080), "4.77", Verdict::AA},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const int hundredths = contrastHundredths(row.foreground, row.background);
        EXPECT_EQ(contrastText(hundredths), row.shown);
        EXPECT_EQ(verdictOnBackground(hundredths), row.verdict);
        EXPECT_GE(contrastRatio(row.foreground, row.background) * 100, hundredths);
        EXPECT_LT(contrastRatio(row.foreground, row.background) * 100, hundredths + 1);
    }
}

TEST(Legibility, VerdictsAtTheThresholds)
{
    const struct {
        int hundredths;
        Verdict onBackground, onText;
    } rows[] = {
        {2100, Verdict::AAA, Verdict::Distinct},    {700, Verdict::AAA, Verdict::Distinct},
        {699, Verdict::AA, Verdict::Distinct},      {450, Verdict::AA, Verdict::Distinct},
        {449, Verdict::AALarge, Verdict::Distinct}, {300, Verdict::AALarge, Verdict::Distinct},
        {299, Verdict::Fails, Verdict::Fails},      {100, Verdict::Fails, Verdict::Fails},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.hundredths);
        EXPECT_EQ(verdictOnBackground(row.hundredths), row.onBackground);
        EXPECT_EQ(verdictOnText(row.hundredths), row.onText);
    }
}

// Expected values worked out apart from this code, in double precision from the matrices.
TEST(Legibility, ColourVisionSimulation)
{
    const struct {
        std::uint32_t in, protan, deutan, tritan, achromat;
    } rows[] = {
        {0x008080, 0x777980, 0x676E81, 0x008580, 0x737373},
        {0xFF0000, 0x6D5F00, 0xA39000, 0xFF000F, 0x7F7F7F},
        {0x00FF00, 0xFFE500, 0xEFD63A, 0x00F7D9, 0xDCDCDC},
        {0x0000FF, 0x0059FF, 0x003DFB, 0x006B96, 0x4C4C4C},
        {0xC86432, 0x80722C, 0x988930, 0xDB4F59, 0x808080},
        {0x123456, 0x243657, 0x1A3055, 0x003C40, 0x333333},
        {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(colorHex(hex(row.in)));
        const ColorValue in = hex(row.in);
        EXPECT_EQ(colorHex(simulateColorVision(ColorVision::None, in)), colorHex(in));
        EXPECT_EQ(colorHex(simulateColorVision(ColorVision::Protanopia, in)),
                  colorHex(hex(row.protan)));
        EXPECT_EQ(colorHex(simulateColorVision(ColorVision::Deuteranopia, in)),
                  colorHex(hex(row.deutan)));
        EXPECT_EQ(colorHex(simulateColorVision(ColorVision::Tritanopia, in)),
                  colorHex(hex(row.tritan)));
        EXPECT_EQ(colorHex(simulateColorVision(ColorVision::Achromatopsia, in)),
                  colorHex(hex(row.achromat)));
    }
}
