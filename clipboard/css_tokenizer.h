#pragma once

#include "ascii.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

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

// A token as byte offsets into the text it came from; nothing is copied.
struct CssToken {
    CssTokenType type = CssTokenType::End;
    bool escaped = false; // the name holds escapes: read it with cssName()
    char delim = 0;       // Delim: the byte
    std::size_t begin = 0;
    std::size_t end = 0;
    // The name of an ident, function (without "("), at-keyword (without "@"), hash (without
    // "#") or the unit of a dimension.
    std::size_t nameBegin = 0;
    std::size_t nameEnd = 0;
    // Numeric tokens: the number's text is [begin, numberEnd).
    std::size_t numberEnd = 0;
};

// Splits [begin, end) of a text into tokens, one per call, in linear time.
class CssTokenizer {
public:
    explicit CssTokenizer(std::string_view text)
        : CssTokenizer(text, 0, text.size())
    {
    }
    CssTokenizer(std::string_view text, std::size_t begin, std::size_t end);

    // The next token; End at the end, and again on every later call.
    CssToken next();

private:
    void skipEscape();
    void consumeName(CssToken& token);
    CssToken identLike(std::size_t begin);
    CssToken numeric(std::size_t begin);
    CssToken url(std::size_t begin, std::size_t nameEnd);
    CssToken string(std::size_t begin, char quote);

    bool startsName(std::size_t at) const;
    bool startsNumber(std::size_t at) const;
    bool validEscape(std::size_t at) const;
    char at(std::size_t i) const { return i < m_end ? m_text[i] : '\0'; }

    std::string_view m_text;
    std::size_t m_pos;
    std::size_t m_end;
};

// The name of a token with its escapes resolved (UTF-8; NUL and bad code points as U+FFFD).
std::string cssName(std::string_view text, const CssToken& token);
// Whether the token's name is `lower` in any ASCII case; `lower` is lower-case ASCII.
bool cssNameIs(std::string_view text, const CssToken& token, std::string_view lower);
// The value of a numeric token; beyond the range of a double, the largest one.
double cssNumber(std::string_view text, const CssToken& token);
