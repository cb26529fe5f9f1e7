#include "css_copy_forms.h"

#include "color_spaces.h"
#include "named_color_table.h"

#include <cmath>

namespace {

// `value` rounded half away from zero to `decimals` places, trailing zeros and point dropped.
// Returns the rounded value in units of the last place as well, for the callers' zero checks.
std::string decimal(double value, int decimals, long long* units = nullptr)
{
    long long scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const long long rounded = std::llround(value * static_cast<double>(scale));
    if (units)
        *units = rounded;
    std::string text = std::to_string(rounded / scale);
    long long fraction = rounded % scale;
    if (fraction == 0)
        return text;
    int digits = decimals;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    std::string tail = std::to_string(fraction);
    return text + '.' + std::string(static_cast<std::size_t>(digits) - tail.size(), '0') + tail;
}

// A hue of 0 to 360 degrees with two decimals; 360 after rounding is 0, and so is the hue of
// a colour whose saturation or chroma was written as 0.
std::string hue(double degrees, bool achromatic)
{
    long long units = 0;
    const std::string text = decimal(degrees, 2, &units);
    return achromatic || units >= 36000 ? "0" : text;
}

} // namespace

std::string rgbFunctionText(ColorValue color)
{
    return "rgb(" + std::to_string(redOf(color)) + ' ' + std::to_string(greenOf(color)) + ' ' +
           std::to_string(blueOf(color)) + ')';
}

std::string hslFunctionText(ColorValue color)
{
    const ColorSpaces::Triple hsl = ColorSpaces::srgbToHsl(ColorSpaces::srgbOf(color));
    long long saturation = 0;
    const std::string s = decimal(hsl[1] * 100, 2, &saturation);
    return "hsl(" + hue(hsl[0], saturation == 0) + ' ' + s + "% " + decimal(hsl[2] * 100, 2) + "%)";
}

std::string oklchFunctionText(ColorValue color)
{
    const ColorSpaces::Triple lch = ColorSpaces::labToLch(ColorSpaces::oklabOf(color));
    long long chroma = 0;
    const std::string c = decimal(lch[1], 5, &chroma);
    return "oklch(" + decimal(lch[0] * 100, 2) + "% " + c + ' ' + hue(lch[2], chroma == 0) + ')';
}

std::string customPropertiesText(const BodyColorSet& colors, bool useNames,
                                 const std::optional<BodyColorSet>& dark)
{
    static constexpr const char* names[SlotCount] = {"bgcolor", "text", "link", "vlink", "alink"};
    const auto declarations = [&](const BodyColorSet& set, std::string_view indent) {
        std::string lines;
        for (int slot = 0; slot < SlotCount; ++slot) {
            const ColorValue c = set[slot];
            lines.append(indent).append("--").append(names[slot]).append(": ");
            lines.append(useNames ? WebColorName(c) : colorHexLower(c)).append(";\n");
        }
        return lines;
    };
    std::string text = ":root {\n";
    if (dark)
        text += "  color-scheme: light dark;\n";
    text += declarations(colors, "  ");
    text += "}\n";
    if (dark) {
        text += "@media (prefers-color-scheme: dark) {\n"
                "  :root {\n";
        text += declarations(*dark, "    ");
        text += "  }\n"
                "}\n";
    }
    text += "body { background: var(--bgcolor); color: var(--text); }\n"
            "A         { color: var(--link); }\n"
            "A:link    { color: var(--link); }\n"
            "A:visited { color: var(--vlink); }\n"
            "A:active  { color: var(--alink); }\n";
    return text;
}
