#include "css_selectors.h"

#include "css_selector_values.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

namespace {

using namespace CssDocument;
using T = CssTokenType;

// :is() in :not() in :has()...: deeper selector functions make the selector invalid.
constexpr int MaxSelectorDepth = 16;

constexpr CssMatchMask AllBits = (1u << (WorldCount * ElementCount)) - 1;
constexpr CssMatchMask DarkBits = worldBits(3) | worldBits(4) | worldBits(5);
constexpr CssMatchMask PressedBits = stateBits(Pressed);
constexpr CssMatchMask VisitedBits = stateBits(Visited);
constexpr CssMatchMask LinkBits = elementBits(A);

constexpr CssSpecificity Id = 1u << 20;
constexpr CssSpecificity Class = 1u << 10;
constexpr CssSpecificity Type = 1u;

CssSpecificity addSpecificity(CssSpecificity a, CssSpecificity b)
{
    const auto part = [&](int shift) {
        return std::min<CssSpecificity>(((a >> shift) & 1023) + ((b >> shift) & 1023), 1023)
               << shift;
    };
    return part(20) | part(10) | part(0);
}

// The elements that have an ancestor in `m`, or whose parent is in `m`, world by world.
CssMatchMask advance(CssMatchMask m, char combinator)
{
    if (combinator == '>')
        return (m << 1) & ~elementBits(Html) & AllBits;
    if (combinator != ' ')
        return 0; // + and ~: no element of the document has a sibling before it but body
    CssMatchMask out = 0;
    for (int w = 0; w < WorldCount; ++w) {
        const CssMatchMask nibble = (m >> (w * ElementCount)) & 0xF;
        if (nibble)
            out |= (~((nibble & (~nibble + 1)) * 2 - 1) & 0xFu) << (w * ElementCount);
    }
    return out;
}

struct Step {
    char combinator = 0; // before this compound: ' ', '>', '+', '~', or 0 for the first
    CssMatchMask mask = 0;
};

struct Complex {
    std::vector<Step> steps;
    CssSpecificity specificity = 0;
    bool hasNest = false;
};

CssMatchMask chainMask(const std::vector<Step>& steps)
{
    CssMatchMask m = steps.front().mask;
    for (std::size_t k = 1; k < steps.size(); ++k)
        m = advance(m, steps[k].combinator) & steps[k].mask;
    return m;
}

// :has(): the anchors from which the relative selector reaches a matching element.
CssMatchMask hasMask(const std::vector<Step>& steps)
{
    CssMatchMask out = 0;
    for (int e = 0; e < ElementCount; ++e) {
        CssMatchMask m = elementBits(static_cast<Element>(e));
        for (const Step& s : steps)
            m = advance(m, s.combinator ? s.combinator : ' ') & s.mask;
        for (int w = 0; w < WorldCount; ++w) {
            if (m & worldBits(w))
                out |= bit(w, static_cast<Element>(e));
        }
    }
    return out;
}

// The attributes of the document: the link's href, and html's theme markers when dark.
CssMatchMask attributeMask(std::string_view name, char op, std::string_view value, bool fold)
{
    if (cssNameIs(name, "href"))
        return attributeValueMatches("#", op, value, fold) ? LinkBits : 0;
    for (const std::string_view marker :
         {"class", "data-bs-theme", "data-theme", "data-color-mode"}) {
        if (cssNameIs(name, marker))
            return attributeValueMatches("dark", op, value, fold) ? elementBits(Html) & DarkBits
                                                                  : 0;
    }
    return 0;
}

// Pseudo-classes that match no element of the document but are valid.
constexpr std::string_view NeverMatching[] = {
    "checked",
    "disabled",
    "enabled",
    "default",
    "indeterminate",
    "invalid",
    "valid",
    "in-range",
    "out-of-range",
    "optional",
    "required",
    "placeholder-shown",
    "autofill",
    "-webkit-autofill",
    "empty",
    "target",
    "fullscreen",
    "modal",
    "popover-open",
    "picture-in-picture",
    "playing",
    "paused",
    "user-invalid",
    "user-valid",
    "host",
    "read-write",
    "focus-visible",
    "open",
    "closed",
    "-webkit-full-screen",
    "first",
    "left",
    "right",
    "blank",
    "future",
    "past",
    "current",
    "muted",
    "volume-locked",
    "seeking",
    "stalled",
    "buffering",
    "-internal-list-box",
};

std::optional<CssMatchMask> pseudoClassMask(std::string_view n)
{
    struct Known {
        std::string_view name;
        CssMatchMask mask;
    };
    const CssMatchMask hovered = PressedBits; // the pressed link and its ancestors
    const Known known[] = {
        {"root", elementBits(Html)},
        {"scope", elementBits(Html)},
        {"link", LinkBits & ~VisitedBits},
        {"visited", LinkBits & VisitedBits},
        {"any-link", LinkBits},
        {"-webkit-any-link", LinkBits},
        {"hover", hovered},
        {"active", hovered},
        {"focus", LinkBits & PressedBits},
        {"focus-within", hovered},
        {"defined", AllBits},
        {"read-only", AllBits},
        {"first-child", elementBits(Html) | elementBits(P) | elementBits(A)},
        {"only-child", elementBits(Html) | elementBits(P) | elementBits(A)},
        {"last-child", AllBits},
        {"first-of-type", AllBits},
        {"last-of-type", AllBits},
        {"only-of-type", AllBits},
    };
    for (const Known& k : known) {
        if (cssNameIs(n, k.name))
            return k.mask;
    }
    for (const std::string_view never : NeverMatching) {
        if (cssNameIs(n, never))
            return 0;
    }
    return std::nullopt;
}

class SelectorParser {
public:
    SelectorParser(const CssToken* begin, const CssToken* end, const CssNestParent* parent)
        : m_p(begin)
        , m_end(end)
        , m_parent(parent)
    {
    }

    // A list up to the end (or a ")" when inside a function). Forgiving lists drop the
    // members that do not parse; others fail with the first.
    std::optional<std::vector<Complex>> list(bool forgiving, bool relative, int depth)
    {
        std::vector<Complex> out;
        bool failed = false;
        for (;;) {
            const CssToken* memberEnd = findMemberEnd();
            SelectorParser member(m_p, memberEnd, m_parent);
            std::optional<Complex> c = member.complex(relative, depth);
            if (c)
                out.push_back(std::move(*c));
            else
                failed = true;
            m_p = memberEnd;
            if (m_p == m_end || m_p->type != T::Comma)
                break;
            ++m_p;
        }
        if (failed && !forgiving)
            return std::nullopt;
        return out;
    }

private:
    // The end of one member of a list: the next top-level comma, or the end.
    const CssToken* findMemberEnd() const
    {
        int depth = 0;
        for (const CssToken* p = m_p; p != m_end; ++p) {
            if (cssOpensBlock(p->type))
                ++depth;
            else if (cssClosesBlock(p->type))
                --depth;
            else if (p->type == T::Comma && depth == 0)
                return p;
        }
        return m_end;
    }

    void skipSpace()
    {
        while (m_p != m_end && m_p->type == T::Whitespace)
            ++m_p;
    }

    std::optional<char> combinator()
    {
        const bool spaced = m_p != m_end && m_p->type == T::Whitespace;
        skipSpace();
        if (m_p == m_end)
            return std::nullopt;
        if (m_p->type == T::Delim &&
            (m_p->delim == '>' || m_p->delim == '+' || m_p->delim == '~')) {
            const char c = m_p->delim;
            ++m_p;
            skipSpace();
            return c;
        }
        return spaced ? std::optional<char>(' ') : std::nullopt;
    }

    std::optional<Complex> complex(bool relative, int depth)
    {
        Complex c;
        skipSpace();
        char leading = 0;
        if (m_p != m_end && m_p->type == T::Delim &&
            (m_p->delim == '>' || m_p->delim == '+' || m_p->delim == '~')) {
            if (!relative && !m_parent)
                return std::nullopt;
            leading = m_p->delim;
            ++m_p;
            skipSpace();
        }
        for (char comb = leading;;) {
            Step step{comb, 0};
            if (!compound(step.mask, c.specificity, c.hasNest, depth))
                return std::nullopt;
            c.steps.push_back(step);
            const std::optional<char> next = combinator();
            if (m_p == m_end)
                break;
            if (!next)
                return std::nullopt;
            comb = *next;
        }
        // A nested selector without "&" is relative to its parent: "& x" or "& > x".
        if (m_parent && !relative && (!c.hasNest || leading)) {
            c.steps.front().combinator = leading ? leading : ' ';
            c.steps.insert(c.steps.begin(), Step{0, m_parent->mask});
            c.specificity = addSpecificity(c.specificity, m_parent->specificity);
        }
        if (relative && !c.steps.front().combinator)
            c.steps.front().combinator = ' ';
        return c;
    }

    bool compound(CssMatchMask& mask, CssSpecificity& specificity, bool& hasNest, int depth)
    {
        mask = AllBits;
        bool any = false;
        while (m_p != m_end && m_p->type != T::Whitespace) {
            if (!simple(mask, specificity, hasNest, depth))
                return false;
            any = true;
            if (m_p != m_end && m_p->type == T::Delim &&
                (m_p->delim == '>' || m_p->delim == '+' || m_p->delim == '~'))
                break;
        }
        return any;
    }

    bool typeSelector(CssMatchMask& mask, CssSpecificity& specificity)
    {
        const CssToken& t = *m_p++;
        if (t.type == T::Delim) { // "*"
            return true;
        }
        specificity = addSpecificity(specificity, Type);
        static constexpr std::pair<std::string_view, Element> names[] = {
            {"html", Html}, {"body", Body}, {"p", P}, {"a", A}};
        const std::optional<Element> e = cssKeyword(t.value(), names);
        mask &= e ? elementBits(*e) : 0;
        return true;
    }

    bool simple(CssMatchMask& mask, CssSpecificity& specificity, bool& hasNest, int depth)
    {
        const CssToken& t = *m_p;
        if (t.type == T::Ident || (t.type == T::Delim && t.delim == '*')) {
            // A namespace prefix ("svg|a", "*|a") names no element of this HTML document.
            if (m_p + 1 != m_end && m_p[1].type == T::Delim && m_p[1].delim == '|')
                return false;
            return typeSelector(mask, specificity);
        }
        if (t.type == T::Hash) {
            ++m_p;
            specificity = addSpecificity(specificity, Id);
            mask = 0;
            return true;
        }
        if (t.type == T::Delim && t.delim == '&') {
            ++m_p;
            hasNest = true;
            mask &= m_parent ? m_parent->mask : elementBits(Html);
            specificity = addSpecificity(specificity, m_parent ? m_parent->specificity : 0);
            return true;
        }
        if (t.type == T::Delim && t.delim == '.') {
            ++m_p;
            if (m_p == m_end || m_p->type != T::Ident)
                return false;
            const bool dark = m_p->value() == "dark";
            ++m_p;
            specificity = addSpecificity(specificity, Class);
            mask &= dark ? elementBits(Html) & DarkBits : 0;
            return true;
        }
        if (t.type == T::OpenSquare)
            return attribute(mask, specificity);
        if (t.type == T::Colon)
            return pseudo(mask, specificity, hasNest, depth);
        return false;
    }

    bool attribute(CssMatchMask& mask, CssSpecificity& specificity)
    {
        ++m_p;
        skipSpace();
        if (m_p == m_end || m_p->type != T::Ident)
            return false;
        const std::string_view name = m_p++->value();
        skipSpace();
        char op = 0;
        std::string_view value;
        bool fold = false;
        if (m_p != m_end && m_p->type == T::Delim) {
            op = m_p->delim;
            if (op != '=') {
                if (op != '~' && op != '|' && op != '^' && op != '$' && op != '*')
                    return false;
                ++m_p;
                if (m_p == m_end || m_p->type != T::Delim || m_p->delim != '=')
                    return false;
            }
            ++m_p;
            skipSpace();
            if (m_p == m_end || (m_p->type != T::Ident && m_p->type != T::String))
                return false;
            value = m_p++->value();
            skipSpace();
            if (m_p != m_end && m_p->type == T::Ident) {
                if (!cssNameIs(*m_p, "i") && !cssNameIs(*m_p, "s"))
                    return false;
                fold = cssNameIs(*m_p, "i");
                ++m_p;
                skipSpace();
            }
        }
        if (m_p == m_end || m_p->type != T::CloseSquare)
            return false;
        ++m_p;
        specificity = addSpecificity(specificity, Class);
        mask &= attributeMask(name, op, value, fold);
        return true;
    }

    // The tokens of a function's argument, up to its ")"; m_p moves past it.
    std::pair<const CssToken*, const CssToken*> arguments()
    {
        const CssToken* begin = m_p;
        m_p = cssBlockEnd(m_p, m_end);
        const CssToken* end = m_p;
        if (m_p != m_end)
            ++m_p;
        return {begin, end};
    }

    bool pseudo(CssMatchMask& mask, CssSpecificity& specificity, bool& hasNest, int depth)
    {
        ++m_p;
        const bool element = m_p != m_end && m_p->type == T::Colon;
        if (element)
            ++m_p;
        if (m_p == m_end || (m_p->type != T::Ident && m_p->type != T::Function))
            return false;
        const CssToken& name = *m_p++;
        const bool legacyElement =
            !element && name.type == T::Ident &&
            (cssNameIs(name, "before") || cssNameIs(name, "after") ||
             cssNameIs(name, "first-line") || cssNameIs(name, "first-letter"));
        if (element || legacyElement) {
            if (name.type == T::Function)
                arguments();
            if (name.value().substr(0, 5) == "-moz-" || name.value().substr(0, 4) == "-ms-")
                return false;
            specificity = addSpecificity(specificity, Type);
            mask = 0; // a pseudo-element is no element of the document
            return true;
        }
        if (name.type == T::Ident) {
            const std::optional<CssMatchMask> m = pseudoClassMask(name.value());
            if (!m)
                return false;
            specificity = addSpecificity(specificity, Class);
            mask &= *m;
            return true;
        }
        return function(name, mask, specificity, hasNest, depth);
    }

    bool function(const CssToken& name, CssMatchMask& mask, CssSpecificity& specificity,
                  bool& hasNest, int depth)
    {
        const auto [begin, end] = arguments();
        if (depth >= MaxSelectorDepth)
            return false;
        const std::string_view n = name.value();
        const bool is =
            cssNameIs(n, "is") || cssNameIs(n, "matches") || cssNameIs(n, "-webkit-any");
        const bool where = cssNameIs(n, "where");
        const bool no = cssNameIs(n, "not");
        const bool has = cssNameIs(n, "has");
        if (is || where || no || has) {
            SelectorParser inner(begin, end, m_parent);
            const bool forgiving = is || where;
            const std::optional<std::vector<Complex>> list = inner.list(forgiving, has, depth + 1);
            if (!list || (has && list->empty()))
                return false;
            CssMatchMask any = 0;
            CssSpecificity most = 0;
            for (const Complex& c : *list) {
                any |= has ? hasMask(c.steps) : chainMask(c.steps);
                most = std::max(most, c.specificity);
                hasNest = hasNest || c.hasNest;
            }
            mask &= no ? AllBits & ~any : any;
            if (!where)
                specificity = addSpecificity(specificity, most);
            return true;
        }
        specificity = addSpecificity(specificity, Class);
        return nthOrOther(n, begin, end, mask);
    }

    bool nthOrOther(std::string_view n, const CssToken* begin, const CssToken* end,
                    CssMatchMask& mask)
    {
        const bool child = cssNameIs(n, "nth-child");
        const bool lastChild = cssNameIs(n, "nth-last-child");
        if (child || lastChild || cssNameIs(n, "nth-of-type") || cssNameIs(n, "nth-last-of-type")) {
            std::string text;
            for (const CssToken* p = begin; p != end; ++p) {
                if (p->type == T::Ident && cssNameIs(*p, "of"))
                    break; // "of S" narrows the siblings counted; every element is alone
                if (p->type == T::Number || p->type == T::Dimension) {
                    if (!(std::abs(p->number) < 1e9))
                        return false; // beyond any index, and beyond a long's reach
                    // "2n + 1" puts its sign in a token of its own.
                    const bool afterSign =
                        !text.empty() && (text.back() == '+' || text.back() == '-');
                    text += (p->number >= 0 && p != begin && !afterSign ? "+" : "") +
                            std::to_string(static_cast<long>(p->number));
                }
                if (p->type == T::Dimension || p->type == T::Ident)
                    text += p->value();
                if (p->type == T::Delim)
                    text += p->delim;
            }
            const std::optional<Nth> nth = parseNth(text);
            if (!nth)
                return false;
            CssMatchMask m = 0;
            for (int e = 0; e < ElementCount; ++e) {
                const long index = child && e == Body ? 2 : 1;
                if (nthMatches(*nth, index))
                    m |= elementBits(static_cast<Element>(e));
            }
            mask &= m;
            return true;
        }
        if (cssNameIs(n, "dir")) {
            const bool ltr = begin != end && begin->type == T::Ident && cssNameIs(*begin, "ltr");
            mask &= ltr ? AllBits : 0;
            return true;
        }
        if (cssNameIs(n, "lang") || cssNameIs(n, "host") || cssNameIs(n, "host-context") ||
            cssNameIs(n, "state")) {
            mask = 0;
            return true;
        }
        return false;
    }

    const CssToken* m_p;
    const CssToken* m_end;
    const CssNestParent* m_parent;
};

} // namespace

std::optional<std::vector<CssSelectorMatch>>
matchCssSelectors(const CssToken* begin, const CssToken* end, const CssNestParent* parent)
{
    while (end != begin && end[-1].type == T::Whitespace)
        --end;
    if (begin == end)
        return std::nullopt;
    SelectorParser parser(begin, end, parent);
    const std::optional<std::vector<Complex>> list = parser.list(false, false, 0);
    if (!list)
        return std::nullopt;
    std::vector<CssSelectorMatch> out;
    out.reserve(list->size());
    for (const Complex& c : *list)
        out.push_back({chainMask(c.steps), c.specificity});
    return out;
}
