#pragma once

#include "color_value.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

struct NamedColor {
    std::string_view name; // lower case; two rows hold synonyms joined by "/"
    ColorValue value;
};

namespace NamedColorTable {
// One row per palette cell, in palette order.
constexpr int Count = 139;
std::span<const NamedColor> rows();
const NamedColor& row(int index); // 0 <= index < Count
} // namespace NamedColorTable

// The keyword for a colour ("cyan" and "magenta" for the synonym rows), or "#RRGGBB".
std::string ColorName(ColorValue c);
// ColorName for a browser: a name of the table's own, which browsers do not know, gives
// "#RRGGBB" instead.
std::string WebColorName(ColorValue c);
// The colour of a lower-case word; slash names and words with capitals are not found.
std::optional<ColorValue> ColorByName(std::string_view word);
