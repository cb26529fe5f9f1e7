#pragma once

#include "body_colors.h"

#include <optional>
#include <string>

// One colour in a functional form of CSS, without a line end, numbers separated by one
// blank: "rgb(0 128 128)", "hsl(180 100% 25.1%)", "oklch(54.31% 0.09271 194.77)". Each reads
// back to exactly the colour it was made from.
std::string rgbFunctionText(ColorValue color);
std::string hslFunctionText(ColorValue color);
std::string oklchFunctionText(ColorValue color);

// The five colours as custom properties of :root and the rules that use them, twelve lines
// each ended by LF; the colour texts as the CSS form of the whole copy writes them. With a
// dark set, :root also declares both colour schemes and a dark-scheme media block sets the
// properties anew: twenty-two lines.
std::string customPropertiesText(const BodyColorSet& colors, bool useNames,
                                 const std::optional<BodyColorSet>& dark = std::nullopt);
