#include "color_spaces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ColorSpaces {
namespace {

// CSS Color 4, sample code for colour conversions: linear sRGB to XYZ (D65) and back, as
// exact fractions.
constexpr Matrix LinearSrgbToXyz = {{
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};
constexpr Matrix XyzToLinearSrgb = {{
    {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667},
}};
// The luminance weights are the first matrix's Y row to four places.
constexpr bool roundsTo(double exact, double rounded)
{
    return exact - rounded < 0.00005 && rounded - exact < 0.00005;
}
static_assert(roundsTo(LinearSrgbToXyz[1][0], LuminanceWeights[0]) &&
              roundsTo(LinearSrgbToXyz[1][1], LuminanceWeights[1]) &&
              roundsTo(LinearSrgbToXyz[1][2], LuminanceWeights[2]));

// CSS Color 4, sample code for colour conversions: Bradford adaptation from D65 to D50 and
// back, for Lab and the D50 spaces.
constexpr Matrix D65ToD50 = {{
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};
constexpr Matrix D50ToD65 = {{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};
// CSS Color 4, CIE Lab: the D50 white from its four-figure chromaticity.
constexpr Triple D50White = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

// CSS Color 4, predefined colour spaces: linear light to XYZ of display-p3, a98-rgb and
// rec2020 (all D65), and of prophoto-rgb (D50).
constexpr Matrix LinearP3ToXyz = {{
    {608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
    {0.0, 32229.0 / 714400, 5220557.0 / 5000800},
}};
constexpr Matrix LinearA98ToXyz = {{
    {573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
    {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
    {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835},
}};
constexpr Matrix LinearProphotoToXyzD50 = {{
    {0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
    {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
    {0.0, 0.0, 0.82510460251046020},
}};
constexpr Matrix Linear2020ToXyz = {{
    {63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
    {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
    {0.0, 19567812.0 / 697040785, 295819943.0 / 278816314},
}};

constexpr double DegreesPerRadian = 180 / std::numbers::pi;

// A transfer curve applied to the magnitude, the sign kept.
template <typename Curve> Triple linearised(const Triple& encoded, Curve curve)
{
    Triple out{};
    for (int i = 0; i < 3; ++i)
        out[i] = std::copysign(curve(std::abs(encoded[i])), encoded[i]);
    return out;
}

double hueInDegrees(double hue)
{
    hue = std::fmod(hue, 360.0);
    return hue < 0 ? hue + 360 : hue;
}

} // namespace

Triple multiply(const Matrix& m, const Triple& v)
{
    Triple out{};
    for (int row = 0; row < 3; ++row)
        out[row] = m[row][0] * v[0] + m[row][1] * v[1] + m[row][2] * v[2];
    return out;
}

double srgbToLinear(double encoded)
{
    const double magnitude = std::abs(encoded);
    const double linear = magnitude <= SrgbStraightEnd ? magnitude / SrgbStraightSlope
                                                       : std::pow((magnitude + 0.055) / 1.055, 2.4);
    return std::copysign(linear, encoded);
}

double linearToSrgb(double linear)
{
    const double magnitude = std::abs(linear);
    const double encoded = magnitude <= 0.0031308 ? SrgbStraightSlope * magnitude
                                                  : 1.055 * std::pow(magnitude, 1 / 2.4) - 0.055;
    return std::copysign(encoded, linear);
}

Triple linearSrgbToXyz(const Triple& rgb)
{
    return multiply(LinearSrgbToXyz, rgb);
}

Triple xyzToLinearSrgb(const Triple& xyz)
{
    return multiply(XyzToLinearSrgb, xyz);
}

Triple xyzToOklab(const Triple& xyz)
{
    Triple lms = multiply(XyzToLms, xyz);
    for (double& c : lms)
        c = std::cbrt(c);
    return multiply(LmsToOklab, lms);
}

Triple oklabToXyz(const Triple& lab)
{
    Triple lms = multiply(OklabToLms, lab);
    for (double& c : lms)
        c = c * c * c;
    return multiply(LmsToXyz, lms);
}

Triple labToLch(const Triple& lab)
{
    const double chroma = std::hypot(lab[1], lab[2]);
    double hue = chroma == 0 ? 0 : std::atan2(lab[2], lab[1]) * DegreesPerRadian;
    if (hue < 0)
        hue += 360;
    if (hue >= 360)
        hue -= 360;
    return {lab[0], chroma, hue};
}

Triple lchToLab(const Triple& lch)
{
    const double radians = lch[2] / DegreesPerRadian;
    return {lch[0], lch[1] * std::cos(radians), lch[1] * std::sin(radians)};
}

Triple xyzD65ToD50(const Triple& xyz)
{
    return multiply(D65ToD50, xyz);
}

Triple xyzD50ToD65(const Triple& xyz)
{
    return multiply(D50ToD65, xyz);
}

Triple labToXyzD50(const Triple& lab)
{
    // CSS Color 4, CIE Lab: kappa = 29^3 / 3^3 and epsilon = 6^3 / 29^3 exactly.
    constexpr double kappa = 24389.0 / 27;
    constexpr double epsilon = 216.0 / 24389;
    const double f1 = (lab[0] + 16) / 116;
    const double f0 = lab[1] / 500 + f1;
    const double f2 = f1 - lab[2] / 200;
    auto inverse = [&](double f) {
        return f * f * f > epsilon ? f * f * f : (116 * f - 16) / kappa;
    };
    const double y = lab[0] > kappa * epsilon ? f1 * f1 * f1 : lab[0] / kappa;
    return {inverse(f0) * D50White[0], y * D50White[1], inverse(f2) * D50White[2]};
}

Triple hslToSrgb(const Triple& hsl)
{
    const double hue = hueInDegrees(hsl[0]);
    const double saturation = hsl[1];
    const double lightness = hsl[2];
    auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12.0);
        const double a = saturation * std::min(lightness, 1 - lightness);
        return lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {channel(0), channel(8), channel(4)};
}

Triple srgbToHsl(const Triple& srgb)
{
    const double high = std::max({srgb[0], srgb[1], srgb[2]});
    const double low = std::min({srgb[0], srgb[1], srgb[2]});
    const double lightness = (high + low) / 2;
    const double range = high - low;
    if (range == 0 || lightness <= 0 || lightness >= 1)
        return {0, 0, lightness};
    const double saturation = (high - lightness) / std::min(lightness, 1 - lightness);
    double hue = 0;
    if (high == srgb[0])
        hue = (srgb[1] - srgb[2]) / range + (srgb[1] < srgb[2] ? 6 : 0);
    else if (high == srgb[1])
        hue = (srgb[2] - srgb[0]) / range + 2;
    else
        hue = (srgb[0] - srgb[1]) / range + 4;
    return {hueInDegrees(hue * 60), saturation, lightness};
}

Triple hwbToSrgb(const Triple& hwb)
{
    const double white = hwb[1];
    const double black = hwb[2];
    if (white + black >= 1) {
        const double grey = white / (white + black);
        return {grey, grey, grey};
    }
    Triple rgb = hslToSrgb({hwb[0], 1, 0.5});
    for (double& c : rgb)
        c = c * (1 - white - black) + white;
    return rgb;
}

Triple rgbToXyz(RgbSpace space, const Triple& encoded)
{
    switch (space) {
    case RgbSpace::Srgb:
        return multiply(LinearSrgbToXyz, linearised(encoded, srgbToLinear));
    case RgbSpace::SrgbLinear:
        return multiply(LinearSrgbToXyz, encoded);
    case RgbSpace::DisplayP3:
        return multiply(LinearP3ToXyz, linearised(encoded, srgbToLinear));
    // NOTE: browsers draw a98-rgb with a gamma of 2.2 rather than 563/256, and prophoto-rgb
    // with a pure gamma of 1.8, without its linear toe; the page shows what they draw.
    case RgbSpace::A98Rgb:
        return multiply(LinearA98ToXyz,
                        linearised(encoded, [](double v) { return std::pow(v, 2.2); }));
    case RgbSpace::ProphotoRgb:
        return xyzD50ToD65(multiply(LinearProphotoToXyzD50, linearised(encoded, [](double v) {
                                        return std::pow(v, 1.8);
                                    })));
    case RgbSpace::Rec2020:
        // The BT.2020 camera curve, as browsers apply it, rather than a pure 2.4 power.
        return multiply(Linear2020ToXyz, linearised(encoded, [](double v) {
                            constexpr double alpha = 1.09929682680944;
                            constexpr double beta = 0.018053968510807;
                            return v < beta * 4.5 ? v / 4.5
                                                  : std::pow((v + alpha - 1) / alpha, 1 / 0.45);
                        }));
    }
    return {};
}

Triple xyzToSrgb(const Triple& xyz)
{
    Triple rgb = multiply(XyzToLinearSrgb, xyz);
    for (double& c : rgb)
        c = linearToSrgb(c);
    return rgb;
}

Triple srgbOf(ColorValue color)
{
    return {redOf(color) / 255.0, greenOf(color) / 255.0, blueOf(color) / 255.0};
}

ColorValue toColorValue(const Triple& srgb)
{
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        // NaN, from a component the input left undefined, clips to 0 as browsers draw it.
        const double clipped = std::isnan(srgb[i]) ? 0 : std::clamp(srgb[i], 0.0, 1.0);
        channels[i] = static_cast<int>(std::lround(clipped * 255));
    }
    return rgbColor(channels[0], channels[1], channels[2]);
}

Triple oklabOf(ColorValue color)
{
    Triple linear = srgbOf(color);
    for (double& c : linear)
        c = srgbToLinear(c);
    return xyzToOklab(linearSrgbToXyz(linear));
}

Triple oklchToSrgb(const Triple& lch)
{
    return xyzToSrgb(oklabToXyz(lchToLab(lch)));
}

double srgbGamutChroma(double lightness, double chroma, double hue)
{
    constexpr int Bisections = 18;
    const auto inGamut = [&](double c) {
        constexpr double Slack = 1e-9;
        const Triple srgb = oklchToSrgb({lightness, c, hue});
        return std::all_of(srgb.begin(), srgb.end(),
                           [](double v) { return v >= -Slack && v <= 1 + Slack; });
    };
    if (inGamut(chroma))
        return chroma;
    double inside = 0, outside = chroma;
    for (int step = 0; step < Bisections; ++step) {
        const double middle = (inside + outside) / 2;
        (inGamut(middle) ? inside : outside) = middle;
    }
    return inside;
}

double deltaEOK(const Triple& a, const Triple& b)
{
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

} // namespace ColorSpaces
