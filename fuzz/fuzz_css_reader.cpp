// The CSS reader: no input crashes it or takes more than linear time, what it reads is
// consistent, and every text the CSS copy forms write reads back to its colours.

#include "copy_formats.h"
#include "css_copy_forms.h"
#include "css_reader.h"
#include "fuzz_support.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using fuzz::check;
using fuzz::escaped;

std::string describe(const CssPasteResult& r)
{
    std::string s = "kind " + std::to_string(static_cast<int>(r.kind)) + " editor " +
                    colorHex(r.editorColor) + " slots";
    for (const auto& c : r.slotColors)
        s += " " + (c ? colorHex(*c) : std::string("-"));
    return s;
}

void checkSingleFormsReadBack(ColorValue c)
{
    for (const std::string& text : {rgbFunctionText(c), hslFunctionText(c), oklchFunctionText(c),
                                    colorHexLower(c), "\"" + colorHex(c) + "\";"}) {
        const CssPasteResult r = readCssPaste(text);
        check(r.kind == CssPasteResult::Kind::EditorColor && r.editorColor == c,
              "a single colour form reads back to its colour",
              colorHex(c) + " as \"" + text + "\" gave " + describe(r));
    }
}

void checkSheetFormsReadBack(const BodyColorSet& colors)
{
    CssPasteResult expected;
    expected.kind = CssPasteResult::Kind::SlotColors;
    for (int slot = 0; slot < SlotCount; ++slot)
        expected.slotColors[slot] = colors[slot];
    for (const bool names : {false, true}) {
        for (const std::string& text :
             {wholeCopyText(colors, true, names), customPropertiesText(colors, names)}) {
            const CssPasteResult r = readCssPaste(text);
            check(r.kind == expected.kind && r.slotColors == expected.slotColors,
                  "the CSS and custom property forms read back",
                  "\"" + escaped(text) + "\" gave " + describe(r));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const CssPasteResult result = readCssPaste(input);

    switch (result.kind) {
    case CssPasteResult::Kind::Nothing:
        check(result == CssPasteResult{}, "nothing read leaves nothing set", describe(result));
        break;
    case CssPasteResult::Kind::EditorColor:
        check(result.editorColor <= fuzz::ColorMask, "a read colour fits 24 bits");
        checkSingleFormsReadBack(result.editorColor);
        break;
    case CssPasteResult::Kind::SlotColors: {
        bool any = false;
        for (const auto& c : result.slotColors) {
            any = any || c.has_value();
            check(!c || *c <= fuzz::ColorMask, "a read colour fits 24 bits");
        }
        check(any && result.editorColor == 0, "a style sheet read sets some slot");
        break;
    }
    }
    if (const std::optional<ColorValue> c = readCssColor(input))
        check(result.kind == CssPasteResult::Kind::EditorColor && result.editorColor == *c,
              "a text that is one colour pastes as that colour",
              "input \"" + escaped(input) + "\" gave " + describe(result));

    if (size >= 15) {
        BodyColorSet colors{};
        for (std::size_t slot = 0; slot < SlotCount; ++slot)
            colors[slot] = rgbColor(data[3 * slot], data[3 * slot + 1], data[3 * slot + 2]);
        checkSheetFormsReadBack(colors);
        for (const ColorValue c : colors)
            checkSingleFormsReadBack(c);
    }

    // Linear time: the input repeated to 64 KB reads in well under a second even with the
    // sanitizers (a quadratic reader takes many seconds). Only some inputs, to keep the pace.
    if (size >= 8 && data[0] % 128 == 0) {
        std::string big;
        while (big.size() < 64 * 1024)
            big.append(input);
        const auto start = std::chrono::steady_clock::now();
        const CssPasteResult bigResult = readCssPaste(big);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        check(seconds < 1.0, "a 64 KB text reads in linear time",
              "input \"" + escaped(input) + "\" repeated took " + std::to_string(seconds) + " s");
        (void)bigResult;
    }
    return 0;
}
