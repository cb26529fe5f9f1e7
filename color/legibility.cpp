#include "legibility.h"

#include <algorithm>
#include <cmath>

namespace {

using ColorSpaces::Matrix;
using ColorSpaces::Triple;

// The exactness of whole hundredths rests on these being whole numbers.
static_assert(KeyLinearWhite == 32946);
static_assert(LuminanceKeyWeights[0] + LuminanceKeyWeights[1] + LuminanceKeyWeights[2] ==
              KeyWeightSum);
constexpr double FlareTerm = 0.05 * WhiteLuminanceKey; // the 0.05 of the ratio, scaled

// Linear light of each channel value, from the one curve.
const std::array<double, 256>& linearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (std::size_t c = 0; c < t.size(); ++c)
            t[c] = ColorSpaces::srgbToLinear(static_cast<double>(c) / 255);
        return t;
    }();
    return table;
}

constexpr Matrix Protanopia = {{{0.152286, 1.052583, -0.204868},
                                {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix Deuteranopia = {{{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix Tritanopia = {{{1.255528, -0.076749, -0.178779},
                                {-0.078411, 0.930809, 0.147602},
                                {0.004733, 0.691367, 0.303900}}};

// The 8-bit colour of linear-light sRGB, clipped as browsers draw it.
ColorValue fromLinear(Triple linear)
{
    for (double& c : linear)
        c = ColorSpaces::linearToSrgb(c);
    return ColorSpaces::toColorValue(linear);
}

ColorValue seenThrough(const Matrix& m, ColorValue color)
{
    const std::array<double, 256>& linear = linearTable();
    return fromLinear(ColorSpaces::multiply(
        m, {linear[redOf(color)], linear[greenOf(color)], linear[blueOf(color)]}));
}

} // namespace

double srgbToLinear(int channel)
{
    return linearTable().at(static_cast<std::size_t>(channel));
}

const LuminanceKeyTable& luminanceKeyTable()
{
    static const LuminanceKeyTable table = [] {
        LuminanceKeyTable t;
        for (std::size_t c = 0; c < t.linear.size(); ++c) {
            const double scaled = KeyLinearWhite * linearTable()[c];
            // Whole on the straight part but for the last bit of the division by the slope.
            const bool straight = static_cast<double>(c) / 255 <= ColorSpaces::SrgbStraightEnd;
            t.linear[c] = straight ? std::round(scaled) : scaled;
        }
        return t;
    }();
    return table;
}

double luminanceKey(ColorValue color)
{
    return luminanceKeyTable().keyOf(color);
}

double relativeLuminance(ColorValue color)
{
    return luminanceKey(color) / WhiteLuminanceKey;
}

double contrastRatio(ColorValue a, ColorValue b)
{
    const LuminanceKeyTable& keys = luminanceKeyTable();
    const double la = keys.keyOf(a) + FlareTerm;
    const double lb = keys.keyOf(b) + FlareTerm;
    return la >= lb ? la / lb : lb / la;
}

int contrastHundredths(ColorValue a, ColorValue b)
{
    const LuminanceKeyTable& keys = luminanceKeyTable();
    return contrastHundredthsOfKeys(keys.keyOf(a), keys.keyOf(b));
}

int contrastHundredthsOfKeys(double a, double b)
{
    // When every channel is 0..10 or 255 (the only colours whose luminance is rational),
    // both terms are whole numbers below 2^29: 100 * lighter is exact, and a quotient
    // that is not whole lies at least 1 / darker (> 2e-9) from one, far beyond the reach
    // of its one rounding. Other ratios go through the curve's powers and are approximate
    // anyway; text and verdict both come from this one truncated value, so they agree.
    const double la = a + FlareTerm;
    const double lb = b + FlareTerm;
    const double lighter = std::max(la, lb);
    const double darker = std::min(la, lb);
    return static_cast<int>(std::floor(100 * lighter / darker));
}

std::string contrastText(int hundredths)
{
    const int fraction = hundredths % 100;
    return std::to_string(hundredths / 100) + '.' + static_cast<char>('0' + fraction / 10) +
           static_cast<char>('0' + fraction % 10);
}

Verdict verdictOnBackground(int hundredths)
{
    if (hundredths >= 700)
        return Verdict::AAA;
    if (hundredths >= 450)
        return Verdict::AA;
    if (hundredths >= 300)
        return Verdict::AALarge;
    return Verdict::Fails;
}

Verdict verdictOnText(int hundredths)
{
    return hundredths >= 300 ? Verdict::Distinct : Verdict::Fails;
}

std::string_view verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::AAA:
        return "AAA";
    case Verdict::AA:
        return "AA";
    case Verdict::AALarge:
        return "AA大";
    case Verdict::Distinct:
        return "○";
    case Verdict::Fails:
        break;
    }
    return "×";
}

LegibilityTable legibilityTable(const BodyColorSet& colors)
{
    constexpr std::array<std::pair<ColorSlot, ColorSlot>, LegibilityRowCount> pairs = {{
        {TEXT, BGCOLOR},
        {LINK, BGCOLOR},
        {VLINK, BGCOLOR},
        {ALINK, BGCOLOR},
        {LINK, TEXT},
        {VLINK, TEXT},
        {ALINK, TEXT},
    }};
    const LuminanceKeyTable& keys = luminanceKeyTable();
    std::array<double, SlotCount> slotKeys{};
    for (std::size_t slot = 0; slot < slotKeys.size(); ++slot)
        slotKeys[slot] = keys.keyOf(colors[slot]);
    LegibilityTable table{};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto [fg, bg] = pairs[i];
        LegibilityRow& row = table[i];
        row.foreground = fg;
        row.background = bg;
        row.foregroundColor = colors[fg];
        row.backgroundColor = colors[bg];
        row.hundredths = contrastHundredthsOfKeys(slotKeys[fg], slotKeys[bg]);
        row.verdict =
            bg == BGCOLOR ? verdictOnBackground(row.hundredths) : verdictOnText(row.hundredths);
    }
    return table;
}

std::string legibilityPairName(const LegibilityRow& row)
{
    return std::string(SlotAttributeNames[row.foreground]) + '/' +
           std::string(SlotAttributeNames[row.background]);
}

std::string legibilityText(const LegibilityTable& table, const LegibilitySuggestions& suggestions)
{
    std::string text;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const LegibilityRow& row = table[i];
        text.append(legibilityPairName(row)).append(1, '\t');
        text.append(colorHex(row.foregroundColor)).append(1, '\t');
        text.append(colorHex(row.backgroundColor)).append(1, '\t');
        text.append(contrastText(row.hundredths)).append(1, '\t');
        text.append(verdictText(row.verdict));
        if (suggestions[i])
            text.append(1, '\t').append(colorHex(*suggestions[i]));
        text.append(1, '\n');
    }
    return text;
}

ColorValue simulateColorVision(ColorVision vision, ColorValue color)
{
    switch (vision) {
    case ColorVision::None:
        break;
    case ColorVision::Protanopia:
        return seenThrough(Protanopia, color);
    case ColorVision::Deuteranopia:
        return seenThrough(Deuteranopia, color);
    case ColorVision::Tritanopia:
        return seenThrough(Tritanopia, color);
    case ColorVision::Achromatopsia: {
        const double grey = ColorSpaces::linearToSrgb(relativeLuminance(color));
        return ColorSpaces::toColorValue({grey, grey, grey});
    }
    }
    return color;
}
