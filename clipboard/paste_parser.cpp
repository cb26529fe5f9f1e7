#include "paste_parser.h"

#include "ascii.h"
#include "named_color_table.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace {

// The C locale's character classes, so that UTF-8 bytes never count as letters or blanks.
constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::size_t skipBlanks(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    return pos;
}

// Reads the way "#%02x%02x%02x" scans: '#' first, then three fields of one or two hex
// digits, each after optional white space. Unlike scanf, a field takes no sign and no
// "0x" prefix, so every field lies in 0..255.
std::optional<ColorValue> readHexColor(std::string_view text)
{
    if (text.empty() || text.front() != '#')
        return std::nullopt;
    std::size_t pos = 1;
    std::array<int, 3> fields{};
    for (int& field : fields) {
        pos = skipBlanks(text, pos);
        int digits = 0;
        while (digits < 2 && pos < text.size() && hexValue(text[pos]) >= 0) {
            field = field * 16 + hexValue(text[pos]);
            ++pos;
            ++digits;
        }
        if (digits == 0)
            return std::nullopt;
    }
    return rgbColor(fields[0], fields[1], fields[2]);
}

std::size_t longestColorName()
{
    static const std::size_t longest = [] {
        std::size_t n = 0;
        for (const NamedColor& row : NamedColorTable::rows())
            n = std::max(n, row.name.size());
        return n;
    }();
    return longest;
}

// The run of letters at the start of the text, lower-cased and looked up.
std::optional<ColorValue> readColorName(std::string_view text)
{
    const auto end = std::find_if_not(text.begin(), text.end(), isLetter);
    const auto length = static_cast<std::size_t>(end - text.begin());
    // A run longer than every table name matches nothing; don't copy megabytes to learn that.
    if (length == 0 || length > longestColorName())
        return std::nullopt;
    std::string word(text.substr(0, length));
    std::transform(word.begin(), word.end(), word.begin(), lowerAscii);
    return ColorByName(word);
}

// One attribute of the upper-cased text, searched from the BODY occurrence on.
std::optional<ColorValue> readAttribute(std::string_view text, std::size_t bodyPos,
                                        std::string_view name)
{
    const std::size_t namePos = text.find(name, bodyPos);
    if (namePos == std::string_view::npos)
        return std::nullopt;
    const std::size_t equals = text.find('=', namePos);
    if (equals == std::string_view::npos)
        return std::nullopt;
    std::size_t valuePos = equals + 1;
    // Any double quote later in the text moves the value start past it, even one far beyond
    // this attribute: one forward search keeps the whole parse linear.
    const std::size_t quote = text.find('"', valuePos);
    if (quote != std::string_view::npos)
        valuePos = quote + 1;
    const std::string_view value = text.substr(valuePos);
    if (const auto hex = readHexColor(value))
        return hex;
    return readColorName(value.substr(skipBlanks(value, 0)));
}

PasteResult readBodyTag(std::string_view fromTag)
{
    std::string upper(fromTag);
    std::transform(upper.begin(), upper.end(), upper.begin(), upperAscii);
    const std::size_t bodyPos = upper.find("BODY");
    if (bodyPos == std::string::npos)
        return {};

    PasteResult result;
    result.kind = PasteResult::Kind::BodyColors;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const auto color = readAttribute(upper, bodyPos, SlotAttributeNames[slot]);
        result.bodyColors[slot] = color.value_or(rgbColor(0, 0, 0));
        result.anyAttributeRead = result.anyAttributeRead || color.has_value();
    }
    return result;
}

PasteResult editorColor(std::optional<ColorValue> color)
{
    PasteResult result;
    if (color) {
        result.kind = PasteResult::Kind::EditorColor;
        result.editorColor = *color;
    }
    return result;
}

} // namespace

PasteResult parsePaste(std::string_view clipboardUtf8)
{
    const std::string_view text = clipboardUtf8.substr(0, clipboardUtf8.find('\0'));
    std::size_t pos = skipBlanks(text, 0);
    if (pos < text.size() && text[pos] == '"')
        ++pos;
    if (pos >= text.size())
        return {};

    const std::string_view rest = text.substr(pos);
    const char first = rest.front();
    if (first == '#')
        return editorColor(readHexColor(rest));
    if (first == '<')
        return readBodyTag(rest);
    if (isLetter(first))
        return editorColor(readColorName(rest));
    return {};
}
