// The CSS reader: no input crashes it or takes more than linear time, what it reads is
// consistent, a text that cannot tell dark from light reads the same in both readings, and
// every text the CSS copy forms write reads back to its colours.

#include "ascii.h"
#include "copy_formats.h"
#include "css_copy_forms.h"
#include "css_reader.h"
#include "fuzz_support.h"

#include <algorithm>
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

// Whether the text could tell the light reading from the dark one. The two differ only in
// the colour scheme preferred (seen through @media), in the markers html wears (the class
// and the data- attributes) and in what a color-scheme makes of light-dark() and the system
// colours. Escapes and character references can spell any of those words, so a text with
// a backslash or an ampersand counts as one that could.
bool mayReadDark(std::string_view text)
{
    if (text.find_first_of("\\&") != std::string_view::npos)
        return true;
    std::string lower(text);
    for (char& c : lower)
        c = lowerAscii(c);
    for (const char* word : {"dark", "media", "color-scheme", "data-", "class"}) {
        if (lower.find(word) != std::string::npos)
            return true;
    }
    return false;
}

std::string describe(const CssReading& r)
{
    std::string s;
    for (int slot = 0; slot < SlotCount; ++slot)
        s += " " + colorHex(r.colors[slot]) + (r.decided[slot] ? "*" : "");
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const CssPasteResult result = readCssPaste(input);

    switch (result.kind) {
    case CssPasteResult::Kind::Nothing: {
        // The readings still hold the browser's own colours; no author decided any of them.
        const auto none = [](const CssReading& r) {
            return std::none_of(r.decided.begin(), r.decided.end(), [](bool d) { return d; });
        };
        check(result.editorColor == 0 && result.slotColors == CssPasteResult{}.slotColors &&
                  none(result.light) && none(result.dark),
              "nothing read leaves nothing set", describe(result));
        break;
    }
    case CssPasteResult::Kind::EditorColor:
        check(result.editorColor <= fuzz::ColorMask, "a read colour fits 24 bits");
        checkSingleFormsReadBack(result.editorColor);
        break;
    case CssPasteResult::Kind::SlotColors: {
        // The slots are the light reading's decided colours; a sheet may decide only dark ones.
        bool any = false;
        for (int slot = 0; slot < SlotCount; ++slot) {
            const auto& c = result.slotColors[slot];
            any = any || result.light.decided[slot] || result.dark.decided[slot];
            check(!c || *c <= fuzz::ColorMask, "a read colour fits 24 bits");
            check(c.has_value() == result.light.decided[slot] &&
                      (!c || *c == result.light.colors[slot]),
                  "the slots set are the light reading's decided ones", describe(result));
        }
        check(any && result.editorColor == 0, "a style sheet read decides some slot");
        break;
    }
    }
    if (!mayReadDark(input))
        check(result.light == result.dark && !result.hasDarkScheme,
              "a text that cannot tell dark from light reads the same in both",
              "input \"" + escaped(input) + "\" read light" + describe(result.light) + ", dark" +
                  describe(result.dark));
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
