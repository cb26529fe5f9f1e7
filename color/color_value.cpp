#include "color_value.h"

namespace {

std::string hexText(ColorValue c, const char* digits)
{
    std::string text(7, '#');
    const int parts[3] = {redOf(c), greenOf(c), blueOf(c)};
    for (int i = 0; i < 3; ++i) {
        text[1 + 2 * i] = digits[parts[i] >> 4];
        text[2 + 2 * i] = digits[parts[i] & 0xF];
    }
    return text;
}

} // namespace

std::string colorHex(ColorValue c)
{
    return hexText(c, "0123456789ABCDEF");
}

std::string colorHexLower(ColorValue c)
{
    return hexText(c, "0123456789abcdef");
}
