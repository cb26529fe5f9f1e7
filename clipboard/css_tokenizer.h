#pragma once

#include "ascii.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The tokens of CSS Syntax Level 3. Comments are skipped and yield no token.
enum class CssTokenType : std::uint8_t {
    Ident,
    Function,
    AtKeyword,
    Hash,
    String,
    BadString,
    Url,
    BadUrl,
    Delim,
    Number,
    Percentage,
    Dimension,
    Whitespace,
    Cdo,
    Cdc,
    Colon,
    Semicolon,
    Comma,
    OpenSquare,
    CloseSquare,
    OpenParen,
    CloseParen,
    OpenCurly,
    CloseCurly,
    End,
};

// A token with its decoded value, so nothing after the tokeniser reads the text again.
// 24 bytes: a sheet has about one token for every three bytes, and a rule's tokens should
// stay in the cache while the rule is read.
struct CssToken {
    CssTokenType type = CssTokenType::End;
    char delim = 0;              // Delim: the byte
    std::uint32_t valueSize = 0; // a value longer than 4 GB is cut there
    const char* valueData = nullptr;
    double number = 0; // Number, Percentage, Dimension

    // Ident, Function (without "("), AtKeyword (without "@"), Hash (without "#"), the unit of
    // a Dimension, the contents of a String or Url: escapes resolved, UTF-8.
    std::string_view value() const { return {valueData, valueSize}; }
};

// The tokens of a whole text. Values without escapes point into the text; decoded ones into
// `decoded`, so the list must outlive neither.
struct CssTokenList {
    std::vector<CssToken> tokens;
    std::deque<std::string> decoded;
};

// The tokens of a text one at a time, so a long text's tokens need not stand in memory at once.
class CssTokenStream {
public:
    explicit CssTokenStream(std::string_view text); // the text must outlive the stream
    // Appends the next token to `list` and returns its type: End at the end of the text and
    // after it.
    CssTokenType next(CssTokenList& list);

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_plain; // searched once: no backslash and no NUL, so no value needs decoding
};

// Tokenises the text in linear time; the list ends with one End token.
CssTokenList tokenizeCss(std::string_view text);

// Whether `name` is `lower` in any ASCII case; `lower` is lower-case ASCII.
bool cssNameIs(std::string_view name, std::string_view lower);
inline bool cssNameIs(const CssToken& token, std::string_view lower)
{
    return cssNameIs(token.value(), lower);
}

// Tokens that open a block a closer ends: a function, "(", "[" or "{"; and the closers.
inline bool cssOpensBlock(CssTokenType t)
{
    return t == CssTokenType::Function || t == CssTokenType::OpenParen ||
           t == CssTokenType::OpenSquare || t == CssTokenType::OpenCurly;
}
inline bool cssClosesBlock(CssTokenType t)
{
    return t == CssTokenType::CloseParen || t == CssTokenType::CloseSquare ||
           t == CssTokenType::CloseCurly;
}

// From the token after an opener, the closer that ends its block, nested blocks passed
// over; `end` where the text ends first (CSS closes the block there).
inline const CssToken* cssBlockEnd(const CssToken* p, const CssToken* end)
{
    int depth = 0;
    for (; p != end; ++p) {
        if (cssOpensBlock(p->type))
            ++depth;
        else if (cssClosesBlock(p->type) && depth-- == 0)
            return p;
    }
    return end;
}

// The value that a table of lower-case keywords pairs with `name`, matched in any ASCII case.
template <typename T, std::size_t N>
std::optional<T> cssKeyword(std::string_view name, const std::pair<std::string_view, T> (&table)[N])
{
    for (const auto& [keyword, value] : table) {
        if (cssNameIs(name, keyword))
            return value;
    }
    return std::nullopt;
}
