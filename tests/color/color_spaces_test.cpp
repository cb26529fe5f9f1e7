#include "color_spaces.h"

#include <gtest/gtest.h>

using namespace ColorSpaces;

namespace {

struct ConversionCase {
    const char* what;
    Triple got;
    Triple expected; // to 4 decimals
};

constexpr Triple D65 = {0.950456, 1, 1.089058};
constexpr Triple D50 = {0.964296, 1, 0.825105};

// Published values of CSS Color 4 (the white points, display-p3 red in sRGB) and the HSL and
// HWB examples, and the white of every RGB space, which its matrix must give.
const ConversionCase kConversions[] = {
    {"D65 to D50", xyzD65ToD50(D65), D50},
    {"D50 to D65", xyzD50ToD65(D50), D65},
    {"Lab white", labToXyzD50({100, 0, 0}), D50},
    {"Lab below the cube root's toe", labToXyzD50({5, 0, 0}), {0.005338, 0.005535, 0.004567}},
    {"display-p3 red in sRGB",
     xyzToSrgb(rgbToXyz(RgbSpace::DisplayP3, {1, 0, 0})),
     {1.093066, -0.226742, -0.150135}},
    {"display-p3 white", rgbToXyz(RgbSpace::DisplayP3, {1, 1, 1}), D65},
    {"a98-rgb white", rgbToXyz(RgbSpace::A98Rgb, {1, 1, 1}), D65},
    {"prophoto-rgb white", rgbToXyz(RgbSpace::ProphotoRgb, {1, 1, 1}), D65},
    {"rec2020 white", rgbToXyz(RgbSpace::Rec2020, {1, 1, 1}), D65},
    {"srgb-linear half",
     xyzToSrgb(rgbToXyz(RgbSpace::SrgbLinear, {0.5, 0.5, 0.5})),
     {0.735357, 0.735357, 0.735357}},
    {"rec2020 curve at its knee",
     rgbToXyz(RgbSpace::Rec2020, {0.0812429, 0.0812429, 0.0812429}),
     {0.018054 * 0.950456, 0.018054, 0.018054 * 1.089058}},
    {"a98-rgb curve of gamma 2.2",
     rgbToXyz(RgbSpace::A98Rgb, {0.5, 0.5, 0.5}),
     {0.217638 * 0.950456, 0.217638, 0.217638 * 1.089058}},
    {"hsl(120 100% 25%)", hslToSrgb({120, 1, 0.25}), {0, 0.5, 0}},
    {"hsl(-240 100% 50%)", hslToSrgb({-240, 1, 0.5}), {0, 1, 0}},
    {"#008080 as HSL", srgbToHsl({0, 128 / 255.0, 128 / 255.0}), {180, 1, 0.250980}},
    {"grey as HSL", srgbToHsl({0.5, 0.5, 0.5}), {0, 0, 0.5}},
    {"hwb(120 60% 60%)", hwbToSrgb({120, 0.6, 0.6}), {0.5, 0.5, 0.5}},
    {"hwb(0 20% 30%)", hwbToSrgb({0, 0.2, 0.3}), {0.7, 0.2, 0.2}},
};

} // namespace

TEST(ColorSpaces, ConversionsGiveThePublishedValues)
{
    for (const ConversionCase& c : kConversions) {
        SCOPED_TRACE(c.what);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(c.got[i], c.expected[i], 1e-4) << i;
    }
}
