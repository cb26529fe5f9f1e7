#pragma once

#include "body_colors.h"
#include "color_spaces.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Contrast of the body colours as the accessibility rules measure it, and how the
// colours look to the common kinds of colour-vision deficiency.

// An sRGB channel 0..255 as linear light 0..1.
double srgbToLinear(int channel);

// 0 for black, 1 for white.
double relativeLuminance(ColorValue color);

// (L1 + 0.05) / (L2 + 0.05) with the lighter colour on top: 1 to 21, in either order.
double contrastRatio(ColorValue a, ColorValue b);

// The contrast ratio times 100, truncated: 2100 for black on white, 447 for #777777 on
// white. Exact wherever the ratio is a whole number of hundredths (black on white, equal
// colours), so a ratio is never shown above or below the threshold it really meets.
int contrastHundredths(ColorValue a, ColorValue b);

// The luminance as the contrast functions weigh it, on a scale of their own: 0 for black,
// WhiteLuminanceKey for white, rising with each channel. Two keys give the hundredths that
// their colours give, to the last bit.
double luminanceKey(ColorValue color);
int contrastHundredthsOfKeys(double a, double b);

// Linear light is kept scaled by 255 * 12.92, ten times over: the straight part of the
// curve (channels 0 to 10) becomes the whole numbers 0, 10, ..., 100 and white 32946. The
// weights are scaled to whole numbers summing to 10000. So every ratio that is a whole
// number of hundredths comes out exact.
inline constexpr double KeyLinearWhite = 10 * 255 * ColorSpaces::SrgbStraightSlope;
inline constexpr double KeyWeightSum = 10000;
inline constexpr ColorSpaces::Triple LuminanceKeyWeights = [] {
    ColorSpaces::Triple whole{}; // the weights have four decimal places
    for (std::size_t c = 0; c < 3; ++c)
        whole[c] = static_cast<double>(
            static_cast<long>(ColorSpaces::LuminanceWeights[c] * KeyWeightSum + 0.5));
    return whole;
}();
inline constexpr double WhiteLuminanceKey = KeyWeightSum * KeyLinearWhite;

// Linear light of each channel value on the keys' scale. A key adds, red, green then blue,
// each channel's entry times its weight, so a search that sums the same products in the
// same order meets the key to the last bit. Loops over many colours hold on to the table.
struct LuminanceKeyTable {
    std::array<double, 256> linear{};

    double keyOf(ColorValue color) const
    {
        return LuminanceKeyWeights[0] * linear[static_cast<std::size_t>(redOf(color))] +
               LuminanceKeyWeights[1] * linear[static_cast<std::size_t>(greenOf(color))] +
               LuminanceKeyWeights[2] * linear[static_cast<std::size_t>(blueOf(color))];
    }
};
// Built on first use.
const LuminanceKeyTable& luminanceKeyTable();

// "4.47" for 447.
std::string contrastText(int hundredths);

enum class Verdict {
    AAA,      // normal text, enhanced: >= 7
    AA,       // normal text: >= 4.5
    AALarge,  // large text only: >= 3
    Distinct, // a link told from the text by colour alone: >= 3
    Fails,
};

// The thresholds are whole hundredths, so the truncated ratio decides as the exact one would.
Verdict verdictOnBackground(int hundredths);
Verdict verdictOnText(int hundredths);

// "AAA", "AA", "AA大", "○" or "×".
std::string_view verdictText(Verdict verdict);

struct LegibilityRow {
    ColorSlot foreground;
    ColorSlot background;
    ColorValue foregroundColor;
    ColorValue backgroundColor;
    int hundredths;
    Verdict verdict;
};

constexpr int LegibilityRowCount = 7;
using LegibilityTable = std::array<LegibilityRow, LegibilityRowCount>;

// TEXT, LINK, VLINK and ALINK against BGCOLOR, then LINK, VLINK and ALINK against TEXT.
LegibilityTable legibilityTable(const BodyColorSet& colors);

// "TEXT/BGCOLOR" and the like.
std::string legibilityPairName(const LegibilityRow& row);

// Per row, a foreground colour that would make the pair pass, where there is one to offer.
using LegibilitySuggestions = std::array<std::optional<ColorValue>, LegibilityRowCount>;

// One line per row, each ended by LF: the pair, the foreground and background #RRGGBB, the
// ratio as shown and the verdict, separated by one TAB; then a TAB and the suggestion's
// #RRGGBB on a row that has one.
std::string legibilityText(const LegibilityTable& table,
                           const LegibilitySuggestions& suggestions = {});

enum class ColorVision { None, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

// The colour as seen with the deficiency (Machado, Oliveira and Fernandes 2009, severity
// 1.0, on linear RGB; achromatopsia as the grey of the same luminance).
ColorValue simulateColorVision(ColorVision vision, ColorValue color);
