#include "css_tokenizer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <limits>

namespace {

enum CharClass : std::uint8_t { Other = 0, NameStart = 1, Digit = 2, Hyphen = 4, Space = 8 };

// Bytes of UTF-8 sequences and NUL (which CSS reads as U+FFFD) start names like letters.
constexpr std::array<std::uint8_t, 256> charClasses = [] {
    std::array<std::uint8_t, 256> table{};
    for (int c = 0; c < 256; ++c) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80 || c == 0)
            table[c] = NameStart;
        else if (c >= '0' && c <= '9')
            table[c] = Digit;
        else if (c == '-')
            table[c] = Hyphen;
        else if (isCssSpace(static_cast<char>(c)))
            table[c] = Space;
    }
    return table;
}();

constexpr std::uint8_t classOf(char c)
{
    return charClasses[static_cast<unsigned char>(c)];
}

constexpr bool isNameChar(char c)
{
    return (classOf(c) & (NameStart | Digit | Hyphen)) != 0;
}

constexpr bool isSpace(char c)
{
    return classOf(c) == Space;
}

constexpr bool isDigit(char c)
{
    return classOf(c) == Digit;
}

constexpr bool isNewline(char c)
{
    return c == '\n' || c == '\r' || c == '\f';
}

void appendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        cp = 0xFFFD;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// A token as byte offsets into the text; turned into a CssToken by CssTokenStream::next().
struct RawToken {
    CssTokenType type = CssTokenType::End;
    bool escaped = false;
    char delim = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t nameBegin = 0;
    std::size_t nameEnd = 0;
    std::size_t numberEnd = 0;
};

class Scanner {
public:
    Scanner(std::string_view text, std::size_t pos)
        : m_text(text)
        , m_pos(pos)
        , m_end(text.size())
    {
    }
    // Tokens are filled in place, the helpers' with their fields still at their defaults:
    // copying a token just built stalls on its narrow stores.
    void next(RawToken& token);
    std::size_t pos() const { return m_pos; }

private:
    void skipEscape();
    void consumeName(RawToken& token);
    void identLike(RawToken& token, std::size_t begin);
    void numeric(RawToken& token, std::size_t begin);
    void url(RawToken& token, std::size_t begin, std::size_t nameEnd);
    void string(RawToken& token, std::size_t begin, char quote);

    bool startsName(std::size_t at) const;
    bool startsNumber(std::size_t at) const;
    bool validEscape(std::size_t at) const;
    char at(std::size_t i) const { return i < m_end ? m_text[i] : '\0'; }

    std::string_view m_text;
    std::size_t m_pos;
    std::size_t m_end;
};

// A backslash escapes anything but a line end; at the end of the text it stands for U+FFFD.
bool Scanner::validEscape(std::size_t i) const
{
    return i < m_end && m_text[i] == '\\' && !(i + 1 < m_end && isNewline(m_text[i + 1]));
}

// "-" starts a name when a name byte, a second "-" (custom properties) or an escape follows.
bool Scanner::startsName(std::size_t i) const
{
    if (i >= m_end)
        return false;
    const char c = m_text[i];
    if (c == '-')
        return (i + 1 < m_end && (classOf(m_text[i + 1]) & (NameStart | Hyphen))) ||
               validEscape(i + 1);
    return classOf(c) == NameStart || validEscape(i);
}

// A sign or a point starts a number only with a digit after it: "+.5", but not "+a" or ".".
bool Scanner::startsNumber(std::size_t i) const
{
    const char c = at(i);
    if (c == '+' || c == '-')
        return (i + 1 < m_end && isDigit(m_text[i + 1])) ||
               (at(i + 1) == '.' && i + 2 < m_end && isDigit(m_text[i + 2]));
    if (c == '.')
        return i + 1 < m_end && isDigit(m_text[i + 1]);
    return i < m_end && isDigit(c);
}

// From the backslash of a valid escape to its end.
void Scanner::skipEscape()
{
    ++m_pos;
    if (m_pos >= m_end)
        return;
    if (hexValue(m_text[m_pos]) < 0) {
        ++m_pos; // any other byte stands for itself; UTF-8 trail bytes follow as name bytes
        return;
    }
    // Up to six hex digits, and one white space after them that belongs to the escape.
    for (int n = 0; n < 6 && m_pos < m_end && hexValue(m_text[m_pos]) >= 0; ++n)
        ++m_pos;
    if (m_pos < m_end && isSpace(m_text[m_pos])) {
        const bool crlf = m_text[m_pos] == '\r' && at(m_pos + 1) == '\n';
        m_pos += crlf ? 2 : 1;
    }
}

void Scanner::consumeName(RawToken& token)
{
    for (;;) {
        while (m_pos < m_end && isNameChar(m_text[m_pos]))
            ++m_pos;
        if (!validEscape(m_pos))
            return;
        token.escaped = true;
        skipEscape();
    }
}

void Scanner::identLike(RawToken& token, std::size_t begin)
{
    token.begin = token.nameBegin = begin;
    consumeName(token);
    token.nameEnd = m_pos;
    if (at(m_pos) != '(' || m_pos >= m_end) {
        token.type = CssTokenType::Ident;
        token.end = m_pos;
        return;
    }
    ++m_pos;
    token.type = CssTokenType::Function;
    token.end = m_pos;
    if (!cssNameIs(m_text.substr(token.nameBegin, token.nameEnd - token.nameBegin), "url") ||
        token.escaped)
        return;
    std::size_t q = m_pos;
    while (q < m_end && isSpace(m_text[q]))
        ++q;
    if (q < m_end && (m_text[q] == '"' || m_text[q] == '\''))
        return; // url("..."): a function holding a string
    m_pos = q;
    url(token, begin, token.nameEnd);
}

// An unquoted url(...): a quote, a "(" or a blank inside makes it a bad url, whose rest is
// still consumed up to its ")" so that it cannot swallow the rules after it.
void Scanner::url(RawToken& token, std::size_t begin, std::size_t nameEnd)
{
    token.type = CssTokenType::Url;
    token.begin = token.nameBegin = begin;
    token.nameEnd = nameEnd;
    bool bad = false;
    while (m_pos < m_end) {
        const char c = m_text[m_pos];
        if (c == ')') {
            ++m_pos;
            break;
        }
        if (!bad && isSpace(c)) {
            while (m_pos < m_end && isSpace(m_text[m_pos]))
                ++m_pos;
            if (m_pos < m_end && m_text[m_pos] != ')')
                bad = true;
            continue;
        }
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\') {
            if (validEscape(m_pos)) {
                skipEscape();
                continue;
            }
            bad = true;
        } else if (!bad && (c == '"' || c == '\'' || c == '(' || u <= 0x08 || u == 0x0B ||
                            (u >= 0x0E && u <= 0x1F) || u == 0x7F)) {
            bad = true;
        }
        ++m_pos;
    }
    token.end = m_pos;
    if (bad)
        token.type = CssTokenType::BadUrl;
}

void Scanner::string(RawToken& token, std::size_t begin, char quote)
{
    token.type = CssTokenType::String;
    token.begin = begin;
    while (m_pos < m_end) {
        const char c = m_text[m_pos];
        if (c == quote) {
            ++m_pos;
            break;
        }
        if (isNewline(c)) {
            token.type = CssTokenType::BadString; // the line end stays for the next token
            break;
        }
        if (c == '\\') {
            if (m_pos + 1 >= m_end) {
                ++m_pos;
            } else if (isNewline(m_text[m_pos + 1])) {
                const bool crlf = m_text[m_pos + 1] == '\r' && at(m_pos + 2) == '\n';
                m_pos += crlf ? 3 : 2;
            } else {
                skipEscape();
            }
            continue;
        }
        ++m_pos;
    }
    token.end = m_pos;
}

// [+-] digits [. digits] [e [+-] digits], then a unit ("12px"), a "%" or nothing.
void Scanner::numeric(RawToken& token, std::size_t begin)
{
    if (m_text[m_pos] == '+' || m_text[m_pos] == '-')
        ++m_pos;
    while (m_pos < m_end && isDigit(m_text[m_pos]))
        ++m_pos;
    if (at(m_pos) == '.' && m_pos + 1 < m_end && isDigit(m_text[m_pos + 1])) {
        m_pos += 2;
        while (m_pos < m_end && isDigit(m_text[m_pos]))
            ++m_pos;
    }
    if (m_pos < m_end && (m_text[m_pos] == 'e' || m_text[m_pos] == 'E')) {
        std::size_t q = m_pos + 1;
        if (at(q) == '+' || at(q) == '-')
            ++q;
        if (q < m_end && isDigit(m_text[q])) {
            m_pos = q;
            while (m_pos < m_end && isDigit(m_text[m_pos]))
                ++m_pos;
        }
    }
    token.begin = begin;
    token.numberEnd = m_pos;
    if (startsName(m_pos)) {
        token.type = CssTokenType::Dimension;
        token.nameBegin = m_pos;
        consumeName(token);
        token.nameEnd = m_pos;
    } else if (at(m_pos) == '%' && m_pos < m_end) {
        token.type = CssTokenType::Percentage;
        ++m_pos;
    } else {
        token.type = CssTokenType::Number;
    }
    token.end = m_pos;
}

void Scanner::next(RawToken& token)
{
    for (;;) {
        token = RawToken{};
        const std::size_t begin = m_pos;
        token.begin = token.end = begin;
        if (m_pos >= m_end)
            return;
        const char c = m_text[m_pos];
        auto single = [&](CssTokenType type) {
            token.type = type;
            token.end = ++m_pos;
        };
        switch (c) {
        case ' ':
        case '\t':
        case '\n':
        case '\r':
        case '\f':
            while (m_pos < m_end && isSpace(m_text[m_pos]))
                ++m_pos;
            token.type = CssTokenType::Whitespace;
            token.end = m_pos;
            return;
        case '/':
            if (at(m_pos + 1) == '*' && m_pos + 1 < m_end) {
                const std::string_view rest = m_text.substr(m_pos + 2, m_end - m_pos - 2);
                const std::size_t close = rest.find("*/");
                m_pos = close == std::string_view::npos ? m_end : m_pos + 2 + close + 2;
                continue;
            }
            break;
        case '"':
        case '\'':
            ++m_pos;
            return string(token, begin, c);
        case '#': // a hash needs a name after it; "#" alone is a delim
            if (m_pos + 1 < m_end && (isNameChar(m_text[m_pos + 1]) || validEscape(m_pos + 1))) {
                ++m_pos;
                token.type = CssTokenType::Hash;
                token.nameBegin = m_pos;
                consumeName(token);
                token.nameEnd = token.end = m_pos;
                return;
            }
            break;
        case '(':
            return single(CssTokenType::OpenParen);
        case ')':
            return single(CssTokenType::CloseParen);
        case '[':
            return single(CssTokenType::OpenSquare);
        case ']':
            return single(CssTokenType::CloseSquare);
        case '{':
            return single(CssTokenType::OpenCurly);
        case '}':
            return single(CssTokenType::CloseCurly);
        case ',':
            return single(CssTokenType::Comma);
        case ':':
            return single(CssTokenType::Colon);
        case ';':
            return single(CssTokenType::Semicolon);
        case '+':
        case '.':
            if (startsNumber(m_pos))
                return numeric(token, begin);
            break;
        case '-':
            if (startsNumber(m_pos))
                return numeric(token, begin);
            if (at(m_pos + 1) == '-' && at(m_pos + 2) == '>' && m_pos + 2 < m_end) {
                m_pos += 3;
                token.type = CssTokenType::Cdc;
                token.end = m_pos;
                return;
            }
            if (startsName(m_pos))
                return identLike(token, begin);
            break;
        case '<': // "<!--" and "-->" are tokens of their own, left from HTML's style elements
            if (m_end - m_pos >= 4 && m_text.substr(m_pos + 1, 3) == "!--") {
                m_pos += 4;
                token.type = CssTokenType::Cdo;
                token.end = m_pos;
                return;
            }
            break;
        case '@':
            if (startsName(m_pos + 1)) {
                ++m_pos;
                token.type = CssTokenType::AtKeyword;
                token.nameBegin = m_pos;
                consumeName(token);
                token.nameEnd = token.end = m_pos;
                return;
            }
            break;
        case '\\':
            if (validEscape(m_pos))
                return identLike(token, begin);
            break;
        default:
            if (isDigit(c))
                return numeric(token, begin);
            if (classOf(c) == NameStart)
                return identLike(token, begin);
            break;
        }
        token.type = CssTokenType::Delim;
        token.delim = c;
        token.end = ++m_pos;
        return;
    }
}

// [begin, end) of the text with its escapes resolved (NUL and bad code points as U+FFFD).
std::string unescaped(std::string_view raw)
{
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size();) {
        const char c = raw[i];
        if (c == '\0') {
            appendUtf8(out, 0xFFFD);
            ++i;
            continue;
        }
        if (c != '\\') {
            out.push_back(c);
            ++i;
            continue;
        }
        ++i;
        if (i >= raw.size()) {
            appendUtf8(out, 0xFFFD); // a backslash at the very end of the text
            break;
        }
        if (isNewline(raw[i])) { // an escaped line end inside a string is dropped
            i += raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n' ? 2 : 1;
            continue;
        }
        if (hexValue(raw[i]) < 0) {
            if (raw[i] == '\0')
                appendUtf8(out, 0xFFFD);
            else
                out.push_back(raw[i]);
            ++i;
            continue;
        }
        std::uint32_t cp = 0;
        for (int n = 0; n < 6 && i < raw.size() && hexValue(raw[i]) >= 0; ++n)
            cp = cp * 16 + static_cast<std::uint32_t>(hexValue(raw[i++]));
        if (i < raw.size() && isSpace(raw[i]))
            i += raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n' ? 2 : 1;
        appendUtf8(out, cp);
    }
    return out;
}

double numberOf(std::string_view text, const RawToken& token)
{
    std::size_t begin = token.begin;
    const std::size_t end = token.numberEnd;
    const bool negative = text[begin] == '-';
    if (text[begin] == '+' || text[begin] == '-')
        ++begin;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(text.data() + begin, text.data() + end, value);
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: which one, the digits and the exponent say.
        long exponent = 0;
        std::size_t i = begin;
        while (i < end && text[i] == '0')
            ++i;
        long leading = 0;
        for (; i < end && isDigit(text[i]); ++i)
            ++leading;
        if (leading == 0) {
            if (i < end && text[i] == '.')
                ++i;
            while (i < end && text[i] == '0') {
                --leading;
                ++i;
            }
        }
        while (i < end && text[i] != 'e' && text[i] != 'E')
            ++i;
        if (i < end) {
            ++i;
            const bool down = text[i] == '-';
            if (text[i] == '+' || text[i] == '-')
                ++i;
            for (; i < end && exponent < 100000; ++i)
                exponent = exponent * 10 + (text[i] - '0');
            if (down)
                exponent = -exponent;
        }
        value = leading + exponent > 0 ? std::numeric_limits<double>::max() : 0.0;
    }
    return negative ? -value : value;
}

// The decoded value of a token: a view of the text, or of a decoded copy kept in `list`.
// `plain`: the text has no backslash and no NUL, so no value needs decoding.
std::string_view valueOf(std::string_view text, const RawToken& t, CssTokenList& list, bool plain)
{
    std::size_t begin = t.nameBegin;
    std::size_t end = t.nameEnd;
    if (t.type == CssTokenType::String || t.type == CssTokenType::BadString) {
        begin = t.begin + 1;
        end = t.end;
        if (t.type == CssTokenType::String && end > begin && text[end - 1] == text[t.begin])
            --end;
    } else if (t.type == CssTokenType::Url) {
        begin = t.nameEnd + 1;
        end = t.end;
        while (begin < end && isSpace(text[begin]))
            ++begin;
        if (end > begin && text[end - 1] == ')')
            --end;
        while (end > begin && isSpace(text[end - 1]))
            --end;
    }
    if (end <= begin)
        return {};
    const std::string_view raw = text.substr(begin, end - begin);
    if (plain ||
        (raw.find('\\') == std::string_view::npos && raw.find('\0') == std::string_view::npos))
        return raw;
    return list.decoded.emplace_back(unescaped(raw));
}

} // namespace

CssTokenStream::CssTokenStream(std::string_view text)
    : m_text(text)
    , m_plain(text.find('\\') == std::string_view::npos &&
              text.find('\0') == std::string_view::npos)
{
}

CssTokenType CssTokenStream::next(CssTokenList& list)
{
    Scanner scanner(m_text, m_pos);
    RawToken raw;
    scanner.next(raw);
    m_pos = scanner.pos();
    CssToken& t = list.tokens.emplace_back();
    t.type = raw.type;
    t.delim = raw.delim;
    if (raw.type == CssTokenType::End)
        return raw.type;
    if (raw.type == CssTokenType::Number || raw.type == CssTokenType::Percentage ||
        raw.type == CssTokenType::Dimension)
        t.number = numberOf(m_text, raw);
    const std::string_view value = valueOf(m_text, raw, list, m_plain);
    t.valueData = value.data();
    t.valueSize = static_cast<std::uint32_t>(
        std::min<std::size_t>(value.size(), std::numeric_limits<std::uint32_t>::max()));
    return raw.type;
}

CssTokenList tokenizeCss(std::string_view text)
{
    CssTokenList list;
    // About one token for every three bytes: no regrowth, only address space unused.
    list.tokens.reserve(text.size() / 2 + 1);
    CssTokenStream stream(text);
    while (stream.next(list) != CssTokenType::End) {
    }
    return list;
}

bool cssNameIs(std::string_view name, std::string_view lower)
{
    if (name.size() != lower.size())
        return false;
    for (std::size_t i = 0; i < lower.size(); ++i) {
        if (lowerAscii(name[i]) != lower[i])
            return false;
    }
    return true;
}
