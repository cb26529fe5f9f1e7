#include "css_conditions.h"

#include "css_color.h"
#include "css_selectors.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace {

using T = CssTokenType;

// not (not (not ...)) and nested parentheses: deeper conditions are false.
constexpr int MaxConditionDepth = 16;

constexpr double ViewportWidth = 1280;
constexpr double ViewportHeight = 720;
constexpr double FontSize = 16; // em and rem in media queries

// A value in a media feature: a length in px, a resolution in dppx, a ratio or a number.
std::optional<double> mediaValue(const CssToken*& p, const CssToken* end)
{
    if (p == end)
        return std::nullopt;
    const CssToken& t = *p++;
    if (t.type == T::Number) {
        const CssToken* q = p;
        while (q != end && q->type == T::Whitespace)
            ++q;
        if (q != end && q->type == T::Delim && q->delim == '/') { // a ratio
            ++q;
            while (q != end && q->type == T::Whitespace)
                ++q;
            if (q != end && q->type == T::Number && q->number != 0) {
                p = q + 1;
                return t.number / q->number;
            }
        }
        return t.number;
    }
    if (t.type != T::Dimension)
        return std::nullopt;
    static constexpr std::pair<std::string_view, double> units[] = {
        {"px", 1},
        {"em", FontSize},
        {"rem", FontSize},
        {"vw", ViewportWidth / 100},
        {"vh", ViewportHeight / 100},
        {"vmin", ViewportHeight / 100},
        {"vmax", ViewportWidth / 100},
        {"cm", 96 / 2.54},
        {"mm", 96 / 25.4},
        {"q", 96 / 101.6},
        {"in", 96},
        {"pt", 96.0 / 72},
        {"pc", 16},
        {"dppx", 1},
        {"x", 1},
        {"dpi", 1 / 96.0},
        {"dpcm", 2.54 / 96},
    };
    if (const std::optional<double> factor = cssKeyword(t.value(), units))
        return t.number * *factor;
    return std::nullopt;
}

struct Feature {
    std::string_view name;
    double number;            // numeric features
    std::string_view keyword; // discrete features; empty for numeric ones
};

std::optional<Feature> feature(std::string_view name, bool dark)
{
    const Feature features[] = {
        {"width", ViewportWidth, {}},
        {"height", ViewportHeight, {}},
        {"device-width", ViewportWidth, {}},
        {"device-height", ViewportHeight, {}},
        {"aspect-ratio", ViewportWidth / ViewportHeight, {}},
        {"device-aspect-ratio", ViewportWidth / ViewportHeight, {}},
        {"resolution", 1, {}},
        {"color", 8, {}},
        {"color-index", 0, {}},
        {"monochrome", 0, {}},
        {"grid", 0, {}},
        {"orientation", 1, "landscape"},
        {"prefers-color-scheme", 1, dark ? "dark" : "light"},
        {"hover", 1, "hover"},
        {"any-hover", 1, "hover"},
        {"pointer", 1, "fine"},
        {"any-pointer", 1, "fine"},
        {"prefers-reduced-motion", 0, "no-preference"},
        {"prefers-reduced-transparency", 0, "no-preference"},
        {"prefers-contrast", 0, "no-preference"},
        {"prefers-reduced-data", 0, "no-preference"},
        {"forced-colors", 0, "none"},
        {"inverted-colors", 0, "none"},
        {"scripting", 1, "enabled"},
        {"update", 1, "fast"},
        {"display-mode", 1, "browser"},
        {"color-gamut", 1, "srgb"},
        {"dynamic-range", 1, "standard"},
        {"video-dynamic-range", 1, "standard"},
        {"overflow-block", 1, "scroll"},
        {"overflow-inline", 1, "scroll"},
    };
    for (const Feature& f : features) {
        if (cssNameIs(name, f.name))
            return f;
    }
    return std::nullopt;
}

bool compare(double a, std::string_view op, double b)
{
    constexpr double epsilon = 1e-9;
    if (op == "<")
        return a < b - epsilon;
    if (op == "<=")
        return a <= b + epsilon;
    if (op == ">")
        return a > b + epsilon;
    if (op == ">=")
        return a >= b - epsilon;
    return std::abs(a - b) <= epsilon;
}

class ConditionReader {
public:
    ConditionReader(const CssToken* begin, const CssToken* end, bool dark, bool supports)
        : m_p(begin)
        , m_end(end)
        , m_dark(dark)
        , m_supports(supports)
    {
    }

    // A condition that must take every token: not X, X and Y..., X or Y...
    std::optional<bool> whole(int depth)
    {
        const std::optional<bool> v = condition(depth);
        skipSpace();
        return m_p == m_end ? v : std::nullopt;
    }

    std::optional<bool> condition(int depth)
    {
        skipSpace();
        if (word("not"))
            return negate(inParens(depth));
        std::optional<bool> v = inParens(depth);
        if (!v)
            return std::nullopt;
        skipSpace();
        const bool isAnd = peekWord("and");
        if (!isAnd && !peekWord("or"))
            return v;
        const char* joiner = isAnd ? "and" : "or";
        while (word(joiner)) {
            const std::optional<bool> next = inParens(depth);
            if (!next)
                return std::nullopt;
            v = isAnd ? (*v && *next) : (*v || *next);
            skipSpace();
        }
        return v;
    }

    // The media type part of a query: [not|only] type [and condition].
    std::optional<bool> query()
    {
        skipSpace();
        if (m_p != m_end && m_p->type == T::OpenParen)
            return whole(0);
        if (m_p != m_end && m_p->type == T::Ident && cssNameIs(*m_p, "not") &&
            (m_p + 1 == m_end || m_p[1].type != T::Whitespace || !typeFollows()))
            return whole(0);
        bool inverted = word("not");
        if (!inverted)
            word("only");
        skipSpace();
        if (m_p == m_end || m_p->type != T::Ident)
            return std::nullopt;
        const CssToken& type = *m_p++;
        bool v = cssNameIs(type, "all") || cssNameIs(type, "screen");
        if (cssNameIs(type, "and") || cssNameIs(type, "or") || cssNameIs(type, "not") ||
            cssNameIs(type, "only"))
            return std::nullopt;
        skipSpace();
        if (word("and")) {
            skipSpace();
            if (peekWord("not")) {
                word("not");
                const std::optional<bool> c = inParens(0);
                if (!c)
                    return std::nullopt;
                v = v && !*c;
            } else {
                const std::optional<bool> c = condition(0);
                if (!c || peekWord("or"))
                    return std::nullopt;
                v = v && *c;
            }
        }
        skipSpace();
        if (m_p != m_end)
            return std::nullopt;
        return inverted ? !v : v;
    }

private:
    bool typeFollows() const
    {
        const CssToken* q = m_p + 1;
        while (q != m_end && q->type == T::Whitespace)
            ++q;
        return q != m_end && q->type == T::Ident;
    }

    static std::optional<bool> negate(std::optional<bool> v)
    {
        return v ? std::optional<bool>(!*v) : std::nullopt;
    }

    void skipSpace()
    {
        while (m_p != m_end && m_p->type == T::Whitespace)
            ++m_p;
    }

    bool peekWord(std::string_view w)
    {
        skipSpace();
        return m_p != m_end && m_p->type == T::Ident && cssNameIs(*m_p, w);
    }

    bool word(std::string_view w)
    {
        if (!peekWord(w))
            return false;
        ++m_p;
        return true;
    }

    // The tokens up to the ")" that closes the block just opened; m_p moves past it.
    const CssToken* blockEnd() const { return cssBlockEnd(m_p, m_end); }

    std::optional<bool> inParens(int depth)
    {
        skipSpace();
        if (m_p == m_end || depth >= MaxConditionDepth)
            return std::nullopt;
        const CssToken& open = *m_p++;
        const CssToken* begin = m_p;
        const CssToken* end = blockEnd();
        m_p = end == m_end ? end : end + 1;
        if (open.type == T::Function) {
            // selector(), and the general enclosed functions, which are false.
            if (m_supports && cssNameIs(open, "selector"))
                return matchCssSelectors(begin, end, nullptr).has_value();
            return false;
        }
        if (open.type != T::OpenParen)
            return std::nullopt;
        ConditionReader inner(begin, end, m_dark, m_supports);
        inner.skipSpace();
        if (inner.m_p != end && (inner.m_p->type == T::OpenParen || inner.peekWord("not") ||
                                 inner.m_p->type == T::Function))
            return inner.whole(depth + 1);
        return m_supports ? supportsDeclaration(begin, end) : mediaFeature(begin, end);
    }

    bool mediaFeature(const CssToken* begin, const CssToken* end) const;
    bool supportsDeclaration(const CssToken* begin, const CssToken* end) const;

    const CssToken* m_p;
    const CssToken* m_end;
    bool m_dark;
    bool m_supports;
};

// The significant tokens of [begin, end).
std::vector<const CssToken*> significant(const CssToken* begin, const CssToken* end)
{
    std::vector<const CssToken*> out;
    for (const CssToken* p = begin; p != end; ++p) {
        if (p->type != T::Whitespace)
            out.push_back(p);
    }
    return out;
}

// A range comparison operator at out[i]: "<", "<=", ">", ">=", "="; i moves past it.
std::string_view rangeOperator(const std::vector<const CssToken*>& t, std::size_t& i)
{
    if (i >= t.size() || t[i]->type != T::Delim)
        return {};
    const char c = t[i]->delim;
    if (c != '<' && c != '>' && c != '=')
        return {};
    const bool eq = c != '=' && i + 1 < t.size() && t[i + 1]->type == T::Delim &&
                    t[i + 1]->delim == '=' && t[i + 1] == t[i] + 1;
    i += eq ? 2 : 1;
    return c == '<' ? (eq ? "<=" : "<") : c == '>' ? (eq ? ">=" : ">") : "=";
}

std::string_view flipped(std::string_view op)
{
    return op == "<" ? ">" : op == "<=" ? ">=" : op == ">" ? "<" : op == ">=" ? "<=" : "=";
}

bool ConditionReader::mediaFeature(const CssToken* begin, const CssToken* end) const
{
    const std::vector<const CssToken*> t = significant(begin, end);
    if (t.empty())
        return false;
    if (t[0]->type == T::Ident) {
        std::string_view name = t[0]->value();
        std::string_view prefix;
        if (name.size() > 4 &&
            (cssNameIs(name.substr(0, 4), "min-") || cssNameIs(name.substr(0, 4), "max-"))) {
            prefix = name.substr(0, 4);
            name = name.substr(4);
        }
        const std::optional<Feature> f = feature(name, m_dark);
        if (!f)
            return false;
        if (t.size() == 1)
            return prefix.empty() && f->number != 0;
        std::size_t i = 1;
        std::string_view op = t[1]->type == T::Colon ? (++i, "=") : rangeOperator(t, i);
        if (op.empty() || (!prefix.empty() && t[1]->type != T::Colon))
            return false;
        if (!f->keyword.empty()) {
            return op == "=" && i + 1 == t.size() && t[i]->type == T::Ident &&
                   cssNameIs(t[i]->value(), f->keyword);
        }
        const CssToken* p = t[i];
        const std::optional<double> v = mediaValue(p, end);
        if (!v || (p != end && !significant(p, end).empty()))
            return false;
        if (!prefix.empty())
            op = cssNameIs(prefix, "min-") ? ">=" : "<=";
        return compare(f->number, op, *v);
    }
    // value op name [op value]
    const CssToken* p = t[0];
    const std::optional<double> low = mediaValue(p, end);
    std::vector<const CssToken*> rest = significant(p, end);
    std::size_t i = 0;
    const std::string_view op1 = rangeOperator(rest, i);
    if (!low || op1.empty() || i >= rest.size() || rest[i]->type != T::Ident)
        return false;
    const std::optional<Feature> f = feature(rest[i]->value(), m_dark);
    if (!f || !f->keyword.empty())
        return false;
    bool ok = compare(f->number, flipped(op1), *low);
    ++i;
    if (i == rest.size())
        return ok;
    const std::string_view op2 = rangeOperator(rest, i);
    if (op2.empty() || i >= rest.size())
        return false;
    const CssToken* q = rest[i];
    const std::optional<double> high = mediaValue(q, end);
    return high && significant(q, end).empty() && ok && compare(f->number, op2, *high);
}

bool ConditionReader::supportsDeclaration(const CssToken* begin, const CssToken* end) const
{
    const std::vector<const CssToken*> t = significant(begin, end);
    if (t.size() < 3 || t[0]->type != T::Ident || t[1]->type != T::Colon)
        return false;
    const std::string_view name = t[0]->value();
    if (name.substr(0, 2) == "--")
        return true;
    CssValueTokens value;
    for (std::size_t i = 2; i < t.size(); ++i)
        value.push_back(*t[i]);
    if (cssNameIs(name, "color-scheme"))
        return true;
    CssColorContext context;
    context.keywords = true;
    if (cssNameIs(name, "background"))
        return cssBackgroundColor(value, context).has_value();
    for (const std::string_view colorProperty :
         {"color", "background-color", "border-color", "outline-color", "caret-color",
          "accent-color", "text-decoration-color", "fill", "stroke"}) {
        if (cssNameIs(name, colorProperty))
            return cssWholeColor(value, context).has_value();
    }
    return false;
}

} // namespace

bool cssMediaMatches(const CssToken* begin, const CssToken* end, bool dark)
{
    // A comma-separated list: any query that matches; a malformed one is "not all".
    const CssToken* p = begin;
    bool empty = true;
    while (p != end) {
        const CssToken* q = p;
        int depth = 0;
        for (; q != end; ++q) {
            if (q->type == T::Function || q->type == T::OpenParen)
                ++depth;
            else if (q->type == T::CloseParen)
                --depth;
            else if (q->type == T::Comma && depth <= 0)
                break;
            if (q->type != T::Whitespace)
                empty = false;
        }
        if (ConditionReader(p, q, dark, false).query().value_or(false))
            return true;
        p = q == end ? end : q + 1;
    }
    return empty; // @media {} with no query matches all
}

bool cssSupports(const CssToken* begin, const CssToken* end)
{
    return ConditionReader(begin, end, false, true).whole(0).value_or(false);
}
