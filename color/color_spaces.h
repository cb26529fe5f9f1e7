#pragma once

#include "color_value.h"

#include <array>

// The colour spaces of CSS Color 4, converted as browsers convert them. Double precision
// throughout; a colour meets 8 bits only in toColorValue.
namespace ColorSpaces {

// Three components in the order their space names them: r, g, b; x, y, z; L, a, b; L, C, h.
using Triple = std::array<double, 3>;
using Matrix = std::array<Triple, 3>; // rows

Triple multiply(const Matrix& m, const Triple& v);

// CSS Color 4, OKLab: XYZ (D65) to LMS, LMS' (the cube roots) to OKLab, and their inverses,
// with the matrices recomputed for the same D65 white as the sRGB ones. Public because the
// legibility search bounds its distances through the LMS stage.
inline constexpr Matrix XyzToLms = {{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
inline constexpr Matrix LmsToOklab = {{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};
inline constexpr Matrix OklabToLms = {{
    {1.0000000000000000, 0.3963377773761749, 0.2158037573099136},
    {1.0000000000000000, -0.1055613458156586, -0.0638541728258133},
    {1.0000000000000000, -0.0894841775298119, -1.2914855480194092},
}};
inline constexpr Matrix LmsToXyz = {{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};

// CSS Color 4, predefined colour spaces, sRGB: the transfer curve is straight, linear light
// the encoded value over SrgbStraightSlope, up to SrgbStraightEnd, and a 2.4 power above.
inline constexpr double SrgbStraightEnd = 0.04045;
inline constexpr double SrgbStraightSlope = 12.92;

// sRGB's transfer curve for one component, extended beyond [0, 1] by odd symmetry.
double srgbToLinear(double encoded);
double linearToSrgb(double linear);

// Relative luminance weighs linear sRGB by the Y row of the matrix to XYZ (CSS Color 4,
// sample code for colour conversions), rounded to four places as WCAG 2 defines it: the
// contrast ratios people check a page against are computed from these.
inline constexpr Triple LuminanceWeights = {0.2126, 0.7152, 0.0722};

// Linear-light sRGB and CIE XYZ relative to D65.
Triple linearSrgbToXyz(const Triple& rgb);
Triple xyzToLinearSrgb(const Triple& xyz);

// OKLab from XYZ (D65) and back: L 0 to 1 for black to white.
Triple xyzToOklab(const Triple& xyz);
Triple oklabToXyz(const Triple& lab);

// Polar form of any Lab: the hue in degrees in [0, 360), 0 where the chroma is 0.
Triple labToLch(const Triple& lab);
Triple lchToLab(const Triple& lch);

// The sRGB components 0 to 1 of an 8-bit colour.
Triple srgbOf(ColorValue color);
// The 8-bit colour a browser draws for sRGB components: each clipped to [0, 1] (the gamut
// mapping of today's browsers), then rounded to the nearest of 256 steps.
ColorValue toColorValue(const Triple& srgb);

// Bradford chromatic adaptation between the D65 white of sRGB and the D50 white of CIE Lab.
Triple xyzD65ToD50(const Triple& xyz);
Triple xyzD50ToD65(const Triple& xyz);

// CIE Lab (L 0 to 100) and XYZ relative to D50.
Triple labToXyzD50(const Triple& lab);

// HSL and HWB: the hue in degrees (any value), the other two 0 to 1, over sRGB components.
Triple hslToSrgb(const Triple& hsl);
// The hue in [0, 360), 0 where the saturation is 0.
Triple srgbToHsl(const Triple& srgb);
Triple hwbToSrgb(const Triple& hwb);

// The RGB spaces that CSS's color() names, each with its own primaries and transfer curve.
enum class RgbSpace { Srgb, SrgbLinear, DisplayP3, A98Rgb, ProphotoRgb, Rec2020 };
// XYZ (D65) of encoded components; values outside [0, 1] extend the curves by odd symmetry.
Triple rgbToXyz(RgbSpace space, const Triple& encoded);

// Encoded sRGB components of XYZ (D65), not yet brought into [0, 1].
Triple xyzToSrgb(const Triple& xyz);

Triple oklabOf(ColorValue color);
// Encoded sRGB components of an OKLCH colour, not yet brought into [0, 1].
Triple oklchToSrgb(const Triple& lch);
// The most chroma, up to `chroma`, that sRGB holds at this OKLab lightness and hue.
double srgbGamutChroma(double lightness, double chroma, double hue);
// deltaEOK: the Euclidean distance of two OKLab colours.
double deltaEOK(const Triple& a, const Triple& b);

} // namespace ColorSpaces
