#pragma once

#include <cstdint>
#include <string>

// A colour laid out 0x00BBGGRR: red in the low byte, as every setting and
// clipboard format of the program expects.
using ColorValue = std::uint32_t;

constexpr int redOf(ColorValue c)
{
    return static_cast<int>(c & 0xFFu);
}
constexpr int greenOf(ColorValue c)
{
    return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int blueOf(ColorValue c)
{
    return static_cast<int>((c >> 16) & 0xFFu);
}

// Each component is taken from its low byte.
constexpr ColorValue rgbColor(int red, int green, int blue)
{
    return (static_cast<ColorValue>(red) & 0xFFu) |
           ((static_cast<ColorValue>(green) & 0xFFu) << 8) |
           ((static_cast<ColorValue>(blue) & 0xFFu) << 16);
}

// Swaps the red and blue bytes of a web-order 0xRRGGBB number; the top byte becomes 0.
// The same swap turns a ColorValue back into web order.
constexpr ColorValue swapWebOrder(std::uint32_t value)
{
    return ((value & 0xFFu) << 16) | (value & 0xFF00u) | ((value >> 16) & 0xFFu);
}

// "#RRGGBB", upper-case digits.
std::string colorHex(ColorValue c);
// "#rrggbb", lower-case digits, as the CSS forms write it.
std::string colorHexLower(ColorValue c);
