#include "css_html.h"

#include "css_color.h"

#include <cctype>
#include <charconv>
#include <system_error>
#include <vector>

namespace {

bool isNameChar(char c)
{
    return !isCssSpace(c) && c != '/' && c != '>' && c != '=' && c != '\0';
}

bool startsWithIgnoringCase(std::string_view text, std::size_t at, std::string_view lower)
{
    return text.size() - at >= lower.size() && cssNameIs(text.substr(at, lower.size()), lower);
}

struct Attribute {
    std::string name; // lower case
    std::string value;
};

struct Tag {
    std::string name; // lower case
    std::vector<Attribute> attributes;
    std::size_t end = 0; // after its ">"
};

// &amp; &lt; &gt; &quot; &apos; &nbsp; and numeric references; others stand as written.
std::string decodeReferences(std::string_view v)
{
    std::string out;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const std::size_t semi = v[i] == '&' ? v.find(';', i) : std::string_view::npos;
        if (semi == std::string_view::npos || semi - i > 10) {
            out.push_back(v[i]);
            continue;
        }
        const std::string_view ref = v.substr(i + 1, semi - i - 1);
        static constexpr std::pair<std::string_view, char> named[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}};
        char c = 0;
        for (const auto& [name, ch] : named) {
            if (ref == name)
                c = ch;
        }
        if (!c && ref.size() > 1 && ref[0] == '#') {
            const bool hex = ref[1] == 'x' || ref[1] == 'X';
            const std::string_view digits = ref.substr(hex ? 2 : 1);
            unsigned n = 0;
            const auto [end, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), n, hex ? 16 : 10);
            const bool whole = error == std::errc() && end == digits.data() + digits.size();
            c = whole && n > 0 && n < 0x80 ? static_cast<char>(n) : 0;
        }
        if (!c) {
            out.push_back(v[i]);
            continue;
        }
        out.push_back(c);
        i = semi;
    }
    return out;
}

// The start tag whose "<" is at `at`.
Tag readTag(std::string_view text, std::size_t at)
{
    Tag tag;
    std::size_t i = at + 1;
    while (i < text.size() && isNameChar(text[i]))
        tag.name.push_back(lowerAscii(text[i++]));
    for (;;) {
        while (i < text.size() && (isCssSpace(text[i]) || text[i] == '/'))
            ++i;
        if (i >= text.size() || text[i] == '>')
            break;
        // As HTML reads a name: every byte up to a blank, "/", ">" or "=" (quotes and "<"
        // too), so that each attribute moves on by one byte at least.
        Attribute a;
        while (i < text.size() && !isCssSpace(text[i]) && text[i] != '/' && text[i] != '>' &&
               (text[i] != '=' || a.name.empty()))
            a.name.push_back(lowerAscii(text[i++]));
        while (i < text.size() && isCssSpace(text[i]))
            ++i;
        if (i < text.size() && text[i] == '=') {
            ++i;
            while (i < text.size() && isCssSpace(text[i]))
                ++i;
            std::size_t begin = i;
            std::size_t end;
            if (i < text.size() && (text[i] == '"' || text[i] == '\'')) {
                const std::size_t close = text.find(text[i], i + 1);
                begin = i + 1;
                end = close == std::string_view::npos ? text.size() : close;
                i = end == text.size() ? end : end + 1;
            } else {
                while (i < text.size() && !isCssSpace(text[i]) && text[i] != '>')
                    ++i;
                end = i;
            }
            a.value = decodeReferences(text.substr(begin, end - begin));
        }
        tag.attributes.push_back(std::move(a));
    }
    tag.end = i < text.size() ? i + 1 : i;
    return tag;
}

const std::string* attribute(const Tag& tag, std::string_view name)
{
    for (const Attribute& a : tag.attributes) {
        if (a.name == name)
            return &a.value;
    }
    return nullptr;
}

void addBodyHints(const Tag& body, CssSheet& sheet)
{
    using namespace CssDocument;
    // LINK colours unvisited links, also while pressed; ALINK only pressed ones.
    const CssMatchMask link = elementBits(A);
    const CssMatchMask bodyBits = elementBits(Body);
    const CssMatchMask unvisited = link & (stateBits(Unvisited) | stateBits(Pressed));
    const CssMatchMask visited = link & stateBits(Visited);
    const CssMatchMask pressed = link & stateBits(Pressed);
    const std::pair<const char*, std::pair<CssProperty, CssMatchMask>> hints[] = {
        {"bgcolor", {CssProperty::BackgroundColor, bodyBits}},
        {"text", {CssProperty::Color, bodyBits}},
        {"link", {CssProperty::Color, unvisited}},
        {"vlink", {CssProperty::Color, visited}},
        {"alink", {CssProperty::Color, pressed}},
    };
    for (const auto& [name, target] : hints) {
        const std::string* value = attribute(body, name);
        const std::optional<ColorValue> c = value ? legacyHtmlColor(*value) : std::nullopt;
        if (c)
            sheet.addHint(target.first, colorHex(*c), target.second);
    }
}

} // namespace

std::optional<ColorValue> legacyHtmlColor(std::string_view value)
{
    value = trimmedCssSpace(value);
    if (value.empty() || cssNameIs(value, "transparent"))
        return std::nullopt;
    const CssTokenList named = tokenizeCss(value);
    CssColorContext context;
    if (named.tokens.size() == 2 && named.tokens[0].type == CssTokenType::Ident) {
        const CssValueTokens one = {named.tokens[0]};
        if (const std::optional<CssRgba> c = cssWholeColor(one, context); c && c->alpha > 0)
            return c->rgb;
    }
    if (value.size() == 4 && value[0] == '#' && hexValue(value[1]) >= 0 &&
        hexValue(value[2]) >= 0 && hexValue(value[3]) >= 0)
        return rgbColor(hexValue(value[1]) * 17, hexValue(value[2]) * 17, hexValue(value[3]) * 17);
    // Any other text: non-hex characters read as 0, split in three, the leading digits kept.
    std::string digits;
    for (std::size_t i = value[0] == '#' ? 1 : 0; i < value.size() && digits.size() < 128; ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (c >= 0xF0) { // a code point above U+FFFF reads as "00"
            digits += "00";
            i += 3;
        } else {
            digits.push_back(hexValue(value[i]) >= 0 ? value[i] : '0');
        }
    }
    while (digits.empty() || digits.size() % 3)
        digits.push_back('0');
    std::size_t length = digits.size() / 3;
    std::string parts[3];
    for (int k = 0; k < 3; ++k)
        parts[k] = digits.substr(k * length, length);
    if (length > 8) {
        for (std::string& p : parts)
            p = p.substr(length - 8);
        length = 8;
    }
    while (length > 2 && parts[0][0] == '0' && parts[1][0] == '0' && parts[2][0] == '0') {
        for (std::string& p : parts)
            p.erase(0, 1);
        --length;
    }
    int rgb[3];
    for (int k = 0; k < 3; ++k) {
        rgb[k] = hexValue(parts[k][0]);
        if (length > 1)
            rgb[k] = rgb[k] * 16 + hexValue(parts[k][1]);
    }
    return rgbColor(rgb[0], rgb[1], rgb[2]);
}

bool looksLikeHtml(std::string_view text)
{
    for (std::size_t at = text.find('<'); at != std::string_view::npos;
         at = text.find('<', at + 1)) {
        if (startsWithIgnoringCase(text, at + 1, "style") && at + 6 < text.size() &&
            (isCssSpace(text[at + 6]) || text[at + 6] == '>'))
            return true;
        for (const std::string_view name : {"html", "body"}) {
            if (startsWithIgnoringCase(text, at + 1, name) && at + 5 < text.size() &&
                isCssSpace(text[at + 5]) && !readTag(text, at).attributes.empty())
                return true;
        }
    }
    return false;
}

std::string addHtmlPage(std::string_view text, CssSheet& sheet)
{
    std::string href;
    const Tag* bodyTag = nullptr;
    Tag body;
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at)) {
        if (text.substr(at, 4) == "<!--") {
            const std::size_t close = text.find("-->", at + 4);
            at = close == std::string_view::npos ? text.size() : close + 3;
            continue;
        }
        if (at + 1 >= text.size() || !(std::isalpha(static_cast<unsigned char>(text[at + 1])))) {
            ++at;
            continue;
        }
        Tag tag = readTag(text, at);
        at = tag.end;
        if (tag.name == "style") {
            std::size_t close = at;
            while (close < text.size() &&
                   !(text[close] == '<' && startsWithIgnoringCase(text, close + 1, "/style")))
                ++close;
            sheet.addStyleSheet(text.substr(at, close - at));
            at = close;
        } else if (tag.name == "html" || tag.name == "body") {
            if (const std::string* style = attribute(tag, "style"))
                sheet.addStyleAttribute(*style,
                                        tag.name == "html" ? CssDocument::Html : CssDocument::Body);
            if (tag.name == "body" && !bodyTag) {
                body = std::move(tag);
                bodyTag = &body;
            }
        } else if (tag.name == "link" && href.empty()) {
            const std::string* rel = attribute(tag, "rel");
            const std::string* h = attribute(tag, "href");
            if (rel && h && cssNameIs(*rel, "stylesheet"))
                href = *h;
        }
    }
    if (bodyTag)
        addBodyHints(*bodyTag, sheet);
    return href;
}
