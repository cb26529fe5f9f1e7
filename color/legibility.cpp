#include "legibility.h"

#include <algorithm>
#include <cmath>

namespace {

// Linear light is kept scaled by 255 * 12.92 = 3294.6, ten times over: the dark channels
// (the straight part of the curve) become the whole numbers 0, 10, ..., 100 and white
// becomes 32946, so every ratio that is a whole number of hundredths comes out exact.
constexpr double LinearScale = 32946;
constexpr int LastStraightChannel = 10; // 10 / 255 <= 0.04045 < 11 / 255

// The luminance weights, times 10000, so that their sum is exactly 10000.
constexpr double RedWeight = 2126;
constexpr double GreenWeight = 7152;
constexpr double BlueWeight = 722;
constexpr double WeightSum = 10000;
static_assert(WeightSum * LinearScale == WhiteLuminanceKey);
constexpr double FlareTerm = 0.05 * WeightSum * LinearScale; // the 0.05 of the ratio, scaled

const std::array<double, 256>& scaledLinearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int c = 0; c < 256; ++c) {
            if (c <= LastStraightChannel)
                t[c] = 10.0 * c;
            else
                t[c] = LinearScale * std::pow((c / 255.0 + 0.055) / 1.055, 2.4);
        }
        // 1.0 exactly in real arithmetic, kept so whatever the last bit of pow.
        t[255] = LinearScale;
        return t;
    }();
    return table;
}

int encodeChannel(double linear)
{
    const double v = std::clamp(linear, 0.0, 1.0);
    const double s = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(std::clamp(s, 0.0, 1.0) * 255));
}

using Matrix = std::array<std::array<double, 3>, 3>;

constexpr Matrix Protanopia = {{{0.152286, 1.052583, -0.204868},
                                {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix Deuteranopia = {{{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix Tritanopia = {{{1.255528, -0.076749, -0.178779},
                                {-0.078411, 0.930809, 0.147602},
                                {0.004733, 0.691367, 0.303900}}};

ColorValue applyMatrix(const Matrix& m, ColorValue color)
{
    const double in[3] = {srgbToLinear(redOf(color)), srgbToLinear(greenOf(color)),
                          srgbToLinear(blueOf(color))};
    int out[3];
    for (int row = 0; row < 3; ++row)
        out[row] = encodeChannel(m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2]);
    return rgbColor(out[0], out[1], out[2]);
}

} // namespace

double srgbToLinear(int channel)
{
    return scaledLinearTable().at(static_cast<std::size_t>(channel)) / LinearScale;
}

// The relative luminance times WeightSum * LinearScale.
double luminanceKey(ColorValue color)
{
    const std::array<double, 256>& t = scaledLinearTable();
    return RedWeight * t[redOf(color)] + GreenWeight * t[greenOf(color)] +
           BlueWeight * t[blueOf(color)];
}

double relativeLuminance(ColorValue color)
{
    return luminanceKey(color) / (WeightSum * LinearScale);
}

double contrastRatio(ColorValue a, ColorValue b)
{
    const double la = luminanceKey(a) + FlareTerm;
    const double lb = luminanceKey(b) + FlareTerm;
    return la >= lb ? la / lb : lb / la;
}

int contrastHundredths(ColorValue a, ColorValue b)
{
    return contrastHundredthsOfKeys(luminanceKey(a), luminanceKey(b));
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
    LegibilityTable table{};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto [fg, bg] = pairs[i];
        LegibilityRow& row = table[i];
        row.foreground = fg;
        row.background = bg;
        row.foregroundColor = colors[fg];
        row.backgroundColor = colors[bg];
        row.hundredths = contrastHundredths(row.foregroundColor, row.backgroundColor);
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
        return applyMatrix(Protanopia, color);
    case ColorVision::Deuteranopia:
        return applyMatrix(Deuteranopia, color);
    case ColorVision::Tritanopia:
        return applyMatrix(Tritanopia, color);
    case ColorVision::Achromatopsia: {
        const int grey = encodeChannel(relativeLuminance(color));
        return rgbColor(grey, grey, grey);
    }
    }
    return color;
}
