// Reads colour texts, one a line, and prints for each the colour the CSS reader gives
// ("#RRGGBB") or "-" for none. scripts/browser-colors compares this with a browser.
#include "css_reader.h"

#include <iostream>
#include <string>

int main()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::optional<ColorValue> color = readCssColor(line);
        std::cout << (color ? colorHex(*color) : std::string("-")) << '\n';
    }
    return 0;
}
