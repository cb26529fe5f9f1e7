// Every one of the 16,777,216 colours, written in each single-colour CSS form, must read back
// to itself. Too slow for the test suite: run by hand from the benchmark build.
#include "css_copy_forms.h"
#include "css_reader.h"

#include <cstdio>
#include <string>

int main()
{
    long failures[3] = {};
    std::string (*const forms[3])(ColorValue) = {rgbFunctionText, hslFunctionText,
                                                 oklchFunctionText};
    const char* const names[3] = {"rgb()", "hsl()", "oklch()"};
    for (ColorValue c = 0; c <= 0xFFFFFFu; ++c) {
        for (int f = 0; f < 3; ++f) {
            const std::string text = forms[f](c);
            const CssPasteResult r = readCssPaste(text);
            if (r.kind == CssPasteResult::Kind::EditorColor && r.editorColor == c)
                continue;
            if (failures[f]++ < 10)
                std::printf("%s written as %s reads back otherwise\n", colorHex(c).c_str(),
                            text.c_str());
        }
    }
    for (int f = 0; f < 3; ++f)
        std::printf("%-8s %ld of 16777216 colours do not read back\n", names[f], failures[f]);
    return failures[0] + failures[1] + failures[2] == 0 ? 0 : 1;
}
