#include "color_spaces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ColorSpaces {
namespace {

using Matrix = std::array<Triple, 3>;

Triple multiply(const Matrix& m, const Triple& v)
{
    Triple out{};
    for (int row = 0; row < 3; ++row)
        out[row] = m[row][0] * v[0] + m[row][1] * v[1] + m[row][2] * v[2];
    return out;
}

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

// CSS Color 4, OKLab: XYZ (D65) to LMS, LMS' to OKLab, and their inverses, with the
// matrices recomputed for the same D65 white as the sRGB ones.
constexpr Matrix XyzToLms = {{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
constexpr Matrix LmsToOklab = {{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};
constexpr Matrix OklabToLms = {{
    {1.0000000000000000, 0.3963377773761749, 0.2158037573099136},
    {1.0000000000000000, -0.1055613458156586, -0.0638541728258133},
    {1.0000000000000000, -0.0894841775298119, -1.2914855480194092},
}};
constexpr Matrix LmsToXyz = {{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};

constexpr double DegreesPerRadian = 180 / std::numbers::pi;

} // namespace

double srgbToLinear(double encoded)
{
    const double magnitude = std::abs(encoded);
    const double linear =
        magnitude <= 0.04045 ? magnitude / 12.92 : std::pow((magnitude + 0.055) / 1.055, 2.4);
    return std::copysign(linear, encoded);
}

double linearToSrgb(double linear)
{
    const double magnitude = std::abs(linear);
    const double encoded =
        magnitude <= 0.0031308 ? 12.92 * magnitude : 1.055 * std::pow(magnitude, 1 / 2.4) - 0.055;
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

double deltaEOK(const Triple& a, const Triple& b)
{
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

} // namespace ColorSpaces
