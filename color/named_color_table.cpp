#include "named_color_table.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

struct WebRow {
    std::string_view name;
    std::uint32_t web; // 0xRRGGBB, as the colours are usually written
};

constexpr WebRow kWebRows[NamedColorTable::Count] = {
    {"white", 0xFFFFFF},
    {"whitesmoke", 0xF5F5F5},
    {"gainsboro", 0xDCDCDC},
    {"lightgrey", 0xD3D3D3},
    {"silver", 0xC0C0C0},
    {"darkgray", 0xA9A9A9},
    {"gray", 0x808080},
    {"dimgray", 0x696969},
    {"black", 0x000000},
    {"snow", 0xFFFAFA},
    {"ghostwhite", 0xF8F8FF},
    {"mintcream", 0xF5FFFA},
    {"azure", 0xF0FFFF},
    {"ivory", 0xFFFFF0},
    {"floralwhite", 0xFFFAF0},
    {"aliceblue", 0xF0F8FF},
    {"lavenderblush", 0xFFF0F5},
    {"seashell", 0xFFF5EE},
    {"honeydew", 0xF0FFF0},
    {"lightyellow", 0xFFFFE0},
    {"lightcyan", 0xE0FFFF},
    {"oldlace", 0xFDF5E6},
    {"cornsilk", 0xFFF8DC},
    {"linen", 0xFAF0E6},
    {"lemonchiffon", 0xFFFACD},
    {"lavender", 0xE6E6FA},
    {"beige", 0xF5F5DC},
    {"lightgoldenrodyellow", 0xFAFAD2},
    {"mistyrose", 0xFFE4E1},
    {"papayawhip", 0xFFEFD5},
    {"antiquewhite", 0xFAEBD7},
    {"pink", 0xFFC0CB},
    {"lightpink", 0xFFB6C1},
    {"hotpink", 0xFF69B4},
    {"orchid", 0xDA70D6},
    {"palevioletred", 0xDB7093},
    {"deeppink", 0xFF1493},
    {"mediumvioletred", 0xC71585},
    {"crimson", 0xDC143C},
    {"lightcoral", 0xF08080},
    {"rosybrown", 0xBC8F8F},
    {"indianred", 0xCD5C5C},
    {"brown", 0xA52A2A},
    {"firebrick", 0xB22222},
    {"red", 0xFF0000},
    {"darkred", 0x8B0000},
    {"maroon", 0x800000},
    {"blanchedalmond", 0xFFEBCD},
    {"bisque", 0xFFE4C4},
    {"moccasin", 0xFFE4B5},
    {"peachpuff", 0xFFDAB9},
    {"navajowhite", 0xFFDEAD},
    {"wheat", 0xF5DEB3},
    {"palegoldenrod", 0xEEE8AA},
    {"khaki", 0xF0E68C},
    {"gold", 0xFFD700},
    {"burlywood", 0xDEB887},
    {"tan", 0xD2B48C},
    {"darkkhaki", 0xBDB76B},
    {"sandybrown", 0xF4A460},
    {"orange", 0xFFA500},
    {"lightsalmon", 0xFFA07A},
    {"darksalmon", 0xE9967A},
    {"goldenrod", 0xDAA520},
    {"salmon", 0xFA8072},
    {"darkorange", 0xFF8C00},
    {"coral", 0xFF7F50},
    {"peru", 0xCD853F},
    {"tomato", 0xFF6347},
    {"darkgoldenrod", 0xB8860B},
    {"orangered", 0xFF4500},
    {"chocolate", 0xD2691E},
    {"sienna", 0xA0522D},
    {"saddlebrown", 0x8B4513},
    {"yellow", 0xFFFF00},
    {"olive", 0x808000},
    {"greenyellow", 0xADFF2F},
    {"chartreuse", 0x7FFF00},
    {"lawngreen", 0x7CFC00},
    {"yellowgreen", 0x9ACD32},
    {"olivedrab", 0x6B8E23},
    {"darkolivegreen", 0x556B2F},
    {"palegreen", 0x98FB98},
    {"lightgreen", 0x90EE90},
    {"lime", 0x00FF00},
    {"darkseagreen", 0x8FBC8F},
    {"limegreen", 0x32CD32},
    {"forestgreen", 0x228B22},
    {"green", 0x008000},
    {"darkgreen", 0x006400},
    {"aquamarine", 0x7FFFD4},
    {"honeydewtab", 0x1EDEAA},
    {"mediumaquamarine", 0x66CDAA},
    {"mediumturquoise", 0x48D1CC},
    {"mediumspringgreen", 0x00FA9A},
    {"springgreen", 0x00FF7F},
    {"turquoise", 0x40E0D0},
    {"lightseagreen", 0x20B2AA},
    {"seagreen", 0x2E8B57},
    {"mediumseagreen", 0x3CB371},
    {"paleturquoise", 0xAFEEEE},
    {"cyan/aqua", 0x00FFFF},
    {"darkcyan", 0x008B8B},
    {"teal", 0x008080},
    {"darkslategray", 0x2F4F4F},
    {"powderblue", 0xB0E0E6},
    {"lightblue", 0xADD8E6},
    {"lightsteelblue", 0xB0C4DE},
    {"lightskyblue", 0x87CEFA},
    {"skyblue", 0x87CEEB},
    {"deepskyblue", 0x00BFFF},
    {"darkturquoise", 0x00CED1},
    {"cornflowerblue", 0x6495ED},
    {"cadetblue", 0x5F9EA0},
    {"dodgerblue", 0x1E90FF},
    {"lightslategray", 0x778899},
    {"slategray", 0x708090},
    {"royalblue", 0x4169E1},
    {"steelblue", 0x4682B4},
    {"blue", 0x0000FF},
    {"mediumblue", 0x0000CD},
    {"darkblue", 0x00008B},
    {"navy", 0x000080},
    {"midnightblue", 0x191970},
    {"mediumorchid", 0xBA55D3},
    {"mediumpurple", 0x9370DB},
    {"mediumslateblue", 0x7B68EE},
    {"slateblue", 0x6A5ACD},
    {"blueviolet", 0x8A2BE2},
    {"darkviolet", 0x9400D3},
    {"darkorchid", 0x9932CC},
    {"darkslateblue", 0x483D8B},
    {"indigo", 0x4B0082},
    {"thistle", 0xD8BFD8},
    {"plum", 0xDDA0DD},
    {"violet", 0xEE82EE},
    {"magenta/fuchsia", 0xFF00FF},
    {"darkmagenta", 0x8B008B},
    {"purple", 0x800080},
};

// Converted once, at compile time, into the ColorValue layout every lookup compares against.
constexpr std::array<NamedColor, NamedColorTable::Count> convertRows()
{
    std::array<NamedColor, NamedColorTable::Count> rows{};
    for (int i = 0; i < NamedColorTable::Count; ++i)
        rows[i] = {kWebRows[i].name, swapWebOrder(kWebRows[i].web)};
    return rows;
}

constexpr std::array<NamedColor, NamedColorTable::Count> kRows = convertRows();

// Names of this table's own, not colour keywords of HTML and CSS.
constexpr std::string_view kOwnNames[] = {"honeydewtab"};

constexpr ColorValue kCyan = rgbColor(0, 255, 255);
constexpr ColorValue kMagenta = rgbColor(255, 0, 255);

} // namespace

std::span<const NamedColor> NamedColorTable::rows()
{
    return kRows;
}

const NamedColor& NamedColorTable::row(int index)
{
    return kRows.at(static_cast<std::size_t>(index));
}

std::string ColorName(ColorValue c)
{
    // The synonym rows are never returned whole: each colour has one plain keyword.
    if (c == kCyan)
        return "cyan";
    if (c == kMagenta)
        return "magenta";
    for (const NamedColor& row : kRows) {
        if (row.value == c)
            return std::string(row.name);
    }
    return colorHex(c);
}

std::string WebColorName(ColorValue c)
{
    // A browser reads an unknown name in an attribute as hex digits, and drops a CSS rule
    // that holds one.
    std::string name = ColorName(c);
    if (std::find(std::begin(kOwnNames), std::end(kOwnNames), name) != std::end(kOwnNames))
        return colorHex(c);
    return name;
}

std::optional<ColorValue> ColorByName(std::string_view word)
{
    if (word == "cyan" || word == "aqua")
        return kCyan;
    if (word == "magenta" || word == "fuchsia")
        return kMagenta;
    // The synonym rows are reached only through their keywords above.
    if (word.find('/') != std::string_view::npos)
        return std::nullopt;
    for (const NamedColor& row : kRows) {
        if (row.name == word)
            return row.value;
    }
    return std::nullopt;
}
