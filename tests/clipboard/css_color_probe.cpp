// The CSS reader's colour for each line of its input, for the opt-in browser comparison;
// with a file argument, the five colours of both readings of that style sheet or page.
#include "css_reader.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

void printReading(const char* label, const CssReading& r)
{
    std::cout << label;
    for (const ColorValue c : r.colors)
        std::cout << ' ' << colorHex(c);
    std::cout << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1) {
        std::ifstream file(argv[1], std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        const CssPasteResult r = readCssPaste(text.str());
        printReading("light", r.light);
        printReading("dark", r.dark);
        return 0;
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::optional<ColorValue> color = readCssColor(line);
        std::cout << (color ? colorHex(*color) : std::string("-")) << '\n';
    }
    return 0;
}
