#include "named_color_filter.h"

#include "named_color_table.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace {

std::string lowerTrimmed(std::string_view text)
{
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// British and American spellings find the same greys.
std::string sameGrey(std::string text)
{
    for (std::size_t at = text.find("grey"); at != std::string::npos; at = text.find("grey", at))
        text[at + 2] = 'a';
    return text;
}

// What the row's "rrggbb" must begin with for a hexadecimal query; nothing when the query is
// not one. A lone "#" is the start of every colour.
std::optional<std::string> hexPattern(std::string_view query)
{
    const bool marked = !query.empty() && query.front() == '#';
    if (marked)
        query.remove_prefix(1);
    if (query.size() > 6 || (query.empty() && !marked) ||
        !std::all_of(query.begin(), query.end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }))
        return std::nullopt;
    if (query.size() == 3)
        return std::string{query[0], query[0], query[1], query[1], query[2], query[2]};
    return std::string(query);
}

} // namespace

std::vector<int> filterNamedColors(std::string_view query)
{
    const std::string typed = lowerTrimmed(query);
    const std::string word = sameGrey(typed);
    const std::optional<std::string> hex = hexPattern(typed);
    const bool hexOnly = !typed.empty() && typed.front() == '#';
    std::vector<int> found;
    for (int i = 0; i < NamedColorTable::Count; ++i) {
        const NamedColor& row = NamedColorTable::row(i);
        const std::string digits = colorHexLower(row.value).substr(1);
        const bool byName =
            !hexOnly && sameGrey(std::string(row.name)).find(word) != std::string::npos;
        const bool byHex = hex && digits.compare(0, hex->size(), *hex) == 0;
        if (byName || byHex)
            found.push_back(i);
    }
    return found;
}
