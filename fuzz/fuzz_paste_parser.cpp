// Pasted text: the parser agrees with a plain reading of the paste rules, and every copy
// text reads back to the colours it was made from.

#include "copy_formats.h"
#include "fuzz_support.h"
#include "named_color_table.h"
#include "paste_parser.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using fuzz::check;
using fuzz::escaped;

std::size_t skipSpaces(std::string_view s, std::size_t pos)
{
    while (pos < s.size() && fuzz::isCSpace(static_cast<unsigned char>(s[pos])))
        ++pos;
    return pos;
}

// "#%02x%02x%02x": '#' first, then three fields of one or two hex digits, each after
// optional white space.
std::optional<ColorValue> referenceHex(std::string_view s)
{
    if (s.empty() || s[0] != '#')
        return std::nullopt;
    std::size_t pos = 1;
    int components[3] = {};
    for (int& component : components) {
        pos = skipSpaces(s, pos);
        const std::size_t start = pos;
        while (pos < s.size() && pos - start < 2 &&
               fuzz::digitIn(static_cast<unsigned char>(s[pos]), 16) >= 0)
            component = component * 16 + fuzz::digitIn(static_cast<unsigned char>(s[pos++]), 16);
        if (pos == start)
            return std::nullopt;
    }
    return rgbColor(components[0], components[1], components[2]);
}

std::optional<ColorValue> referenceName(std::string_view s)
{
    std::string word;
    for (std::size_t i = 0; i < s.size() && fuzz::isAsciiLetter(static_cast<unsigned char>(s[i]));
         ++i)
        word.push_back(static_cast<char>(s[i] >= 'A' && s[i] <= 'Z' ? s[i] - 'A' + 'a' : s[i]));
    if (word.empty())
        return std::nullopt;
    return ColorByName(word);
}

std::optional<ColorValue> referenceAttribute(const std::string& upper, std::size_t body,
                                             const char* name)
{
    const std::size_t at = upper.find(name, body);
    if (at == std::string::npos)
        return std::nullopt;
    const std::size_t equals = upper.find('=', at);
    if (equals == std::string::npos)
        return std::nullopt;
    std::size_t value = equals + 1;
    if (const std::size_t quote = upper.find('"', value); quote != std::string::npos)
        value = quote + 1;
    const std::string_view rest = std::string_view(upper).substr(value);
    if (const auto hex = referenceHex(rest))
        return hex;
    return referenceName(rest.substr(skipSpaces(rest, 0)));
}

PasteResult referencePaste(std::string_view clipboard)
{
    const std::string_view text = clipboard.substr(0, clipboard.find('\0'));
    std::size_t pos = skipSpaces(text, 0);
    if (pos < text.size() && text[pos] == '"')
        ++pos;
    PasteResult result;
    if (pos == text.size())
        return result;
    const char first = text[pos];
    if (first == '#' || fuzz::isAsciiLetter(static_cast<unsigned char>(first))) {
        const auto color =
            first == '#' ? referenceHex(text.substr(pos)) : referenceName(text.substr(pos));
        if (color) {
            result.kind = PasteResult::Kind::EditorColor;
            result.editorColor = *color;
        }
        return result;
    }
    if (first != '<')
        return result;
    std::string upper(text.substr(pos));
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    const std::size_t body = upper.find("BODY");
    if (body == std::string::npos)
        return result;
    result.kind = PasteResult::Kind::BodyColors;
    const char* names[SlotCount] = {"BGCOLOR", "TEXT", "LINK", "VLINK", "ALINK"};
    for (int slot = 0; slot < SlotCount; ++slot) {
        const auto color = referenceAttribute(upper, body, names[slot]);
        result.bodyColors[static_cast<std::size_t>(slot)] = color.value_or(0);
        result.anyAttributeRead = result.anyAttributeRead || color.has_value();
    }
    return result;
}

std::string describe(const PasteResult& r)
{
    std::string s = "kind " + std::to_string(static_cast<int>(r.kind)) + " editor " +
                    colorHex(r.editorColor) + " body";
    for (const ColorValue c : r.bodyColors)
        s += " " + colorHex(c);
    return s + (r.anyAttributeRead ? " read" : " unread");
}

void checkSame(const PasteResult& got, const PasteResult& expected, const char* invariant,
               std::string_view input)
{
    check(got == expected, invariant,
          "input \"" + escaped(input) + "\"\n  got      " + describe(got) + "\n  expected " +
              describe(expected));
}

void checkCopyTextsReadBack(const BodyColorSet& colors)
{
    for (const bool names : {false, true}) {
        const std::string body = wholeCopyText(colors, false, names);
        PasteResult expected;
        expected.kind = PasteResult::Kind::BodyColors;
        expected.bodyColors = colors;
        expected.anyAttributeRead = true;
        checkSame(parsePaste(body), expected, "the BODY copy reads back to its colours", body);

        // The CSS form begins with the word "body", which is no colour.
        const std::string css = wholeCopyText(colors, true, names);
        checkSame(parsePaste(css), PasteResult{}, "the CSS copy is not read", css);

        for (const bool quotes : {false, true}) {
            for (const ColorValue c : colors) {
                const std::string single = singleColorCopyText(c, names, quotes);
                PasteResult one;
                one.kind = PasteResult::Kind::EditorColor;
                one.editorColor = c;
                checkSame(parsePaste(single), one, "the single colour copy reads back", single);
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const PasteResult result = parsePaste(input);

    checkSame(result, referencePaste(input), "the parser follows the paste rules", input);

    for (const ColorValue c : result.bodyColors)
        check(c <= fuzz::ColorMask, "a read colour fits 24 bits", colorHex(c));
    check(result.editorColor <= fuzz::ColorMask, "a read colour fits 24 bits");
    if (result.kind != PasteResult::Kind::EditorColor)
        check(result.editorColor == 0, "no editor colour unless one was read");
    if (result.kind != PasteResult::Kind::BodyColors)
        check(result.bodyColors == BodyColorSet{} && !result.anyAttributeRead,
              "no slot colours unless a BODY tag was read");

    // The clipboard text ends at its first NUL, and leading blanks never matter.
    const std::string withTail = std::string(input) + '\0' + "#FFFFFF <BODY BGCOLOR=red>";
    checkSame(parsePaste(withTail), result, "text after a NUL is ignored", withTail);
    const std::string padded = " \t\r\n\v\f" + std::string(input);
    checkSame(parsePaste(padded), result, "leading white space is skipped", padded);

    if (result.kind == PasteResult::Kind::EditorColor)
        checkCopyTextsReadBack({result.editorColor, 0, 0xFFFFFF, 0x808000, 0xFF00FF});
    else if (result.kind == PasteResult::Kind::BodyColors)
        checkCopyTextsReadBack(result.bodyColors);

    // Any five colours, taken from the input bytes, survive a copy and a paste.
    if (size >= 15) {
        BodyColorSet colors{};
        for (std::size_t slot = 0; slot < SlotCount; ++slot)
            colors[slot] = rgbColor(data[3 * slot], data[3 * slot + 1], data[3 * slot + 2]);
        checkCopyTextsReadBack(colors);
    }
    // And five named ones, so that every name goes through both lookups.
    if (size >= 5) {
        BodyColorSet colors{};
        for (std::size_t slot = 0; slot < SlotCount; ++slot)
            colors[slot] =
                NamedColorTable::row(data[size - 1 - slot] % NamedColorTable::Count).value;
        checkCopyTextsReadBack(colors);
    }
    return 0;
}
