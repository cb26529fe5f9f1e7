#include "css_rules.h"

#include "css_conditions.h"

#include <algorithm>
#include <functional>

namespace {

using T = CssTokenType;

// Style rules nested in style rules, @media in @layer in...: deeper blocks are passed over.
constexpr int MaxBlockDepth = 32;

// The first top-level token of one of the types in [p, end), or end.
const CssToken* findTopLevel(const CssToken* p, const CssToken* end, T a, T b)
{
    for (; p != end; ++p) {
        if (p->type == a || p->type == b)
            return p;
        if (cssOpensBlock(p->type)) {
            p = cssBlockEnd(p + 1, end);
            if (p == end)
                return end;
        } else if (p->type == T::CloseCurly) {
            return p;
        }
    }
    return end;
}

// The tokens of the next top-level rule, as the parser bounds it, and an End token; false
// when the text ended in it. A rule ends with its {} block's closer, with a ";" or a stray
// "}" outside any block; the closer that ends a block need not match its opener.
bool nextTopLevelRule(CssTokenStream& stream, CssTokenList& rule)
{
    int depth = 0;
    bool curly = false; // the outermost open block is a {} block
    for (;;) {
        const T type = stream.next(rule);
        if (type == T::End)
            return false;
        if (cssOpensBlock(type)) {
            if (depth++ == 0)
                curly = type == T::OpenCurly;
        } else if (cssClosesBlock(type)) {
            if (depth > 0 ? --depth == 0 && curly : type == T::CloseCurly)
                break;
        } else if (depth == 0 && type == T::Semicolon) {
            break;
        }
    }
    rule.tokens.emplace_back();
    return true;
}

std::optional<CssProperty> propertyOf(std::string_view name)
{
    if (name.size() >= 2 && name[0] == '-' && name[1] == '-')
        return CssProperty::Custom;
    static constexpr std::pair<std::string_view, CssProperty> names[] = {
        {"color", CssProperty::Color},
        {"background-color", CssProperty::BackgroundColor},
        {"background", CssProperty::Background},
        {"color-scheme", CssProperty::ColorScheme},
        {"all", CssProperty::All},
    };
    return cssKeyword(name, names);
}

} // namespace

// Where the rules being read stand: their layer, the readings their conditions allow, and
// the style rule around them.
struct RuleContext {
    int layer = 0;
    std::uint8_t readings = 3;
    const CssNestParent* parent = nullptr;
    bool inStyleRule = false;
    std::uint32_t selectorsBegin = 0;
    std::uint32_t selectorsEnd = 0;
    CssMatchMask mask = 0;
};

class CssRuleParser {
public:
    explicit CssRuleParser(CssSheet& sheet)
        : m_sheet(sheet)
    {
    }

    void rules(const CssToken* p, const CssToken* end, const RuleContext& ctx, int depth)
    {
        while (p != end) {
            const T type = p->type;
            if (type == T::Whitespace || type == T::Semicolon || type == T::Cdo || type == T::Cdc ||
                type == T::CloseCurly) {
                ++p;
            } else if (type == T::AtKeyword) {
                p = atRule(p, end, ctx, depth);
            } else if (const CssToken* valueEnd =
                           ctx.inStyleRule && type == T::Ident ? declarationEnd(p, end) : nullptr) {
                p = declaration(p, valueEnd, end, ctx);
            } else {
                p = styleRule(p, end, ctx, depth);
            }
        }
    }

    // A style block's declarations: "name:" that does not open a {} block before its ";"
    // (a custom property's value may hold one). Where its value ends; nullptr for a rule.
    const CssToken* declarationEnd(const CssToken* p, const CssToken* end) const
    {
        const CssToken* q = p + 1;
        while (q != end && q->type == T::Whitespace)
            ++q;
        if (q == end || q->type != T::Colon)
            return nullptr;
        if (p->value().substr(0, 2) == "--")
            return findTopLevel(q, end, T::Semicolon, T::Semicolon);
        const CssToken* stop = findTopLevel(q, end, T::Semicolon, T::OpenCurly);
        return stop != end && stop->type == T::OpenCurly ? nullptr : stop;
    }

    const CssToken* declaration(const CssToken* p, const CssToken* stop, const CssToken* end,
                                const RuleContext& ctx)
    {
        const CssToken& name = *p;
        while (p->type != T::Colon)
            ++p;
        const std::optional<CssProperty> property = propertyOf(name.value());
        if (property && ctx.mask)
            add(*property, name.value(), p + 1, stop, ctx);
        return stop == end || stop->type == T::CloseCurly ? stop : stop + 1;
    }

    void add(CssProperty property, std::string_view name, const CssToken* b, const CssToken* e,
             const RuleContext& ctx)
    {
        const auto trim = [&] {
            while (b != e && b->type == T::Whitespace)
                ++b;
            while (e != b && e[-1].type == T::Whitespace)
                --e;
        };
        trim();
        CssDeclaration d;
        if (e - b >= 2 && e[-1].type == T::Ident && cssNameIs(e[-1], "important")) {
            const CssToken* bang = e - 2;
            while (bang != b && bang->type == T::Whitespace)
                --bang;
            if (bang->type == T::Delim && bang->delim == '!') {
                d.important = true;
                e = bang;
                trim();
            }
        }
        if (b == e && property != CssProperty::Custom)
            return;
        d.property = property;
        d.name = name;
        d.valueBegin = b;
        d.valueEnd = e;
        d.layerRank = ctx.layer;
        d.order = m_sheet.m_order++;
        d.readings = ctx.readings;
        d.selectorsBegin = ctx.selectorsBegin;
        d.selectorsEnd = ctx.selectorsEnd;
        m_sheet.declarations.push_back(d);
    }

    const CssToken* styleRule(const CssToken* p, const CssToken* end, const RuleContext& ctx,
                              int depth)
    {
        const CssToken* open = findTopLevel(p, end, T::OpenCurly, T::Semicolon);
        if (open == end || open->type != T::OpenCurly) // no block: dropped up to its ";"
            return open == end || open->type == T::CloseCurly ? open : open + 1;
        const CssToken* close = cssBlockEnd(open + 1, end);
        const CssToken* next = close == end ? end : close + 1;
        if (depth >= MaxBlockDepth)
            return next;
        const auto matches = matchCssSelectors(p, open, ctx.parent);
        if (!matches)
            return next;
        RuleContext inner = ctx;
        inner.inStyleRule = true;
        inner.selectorsBegin = static_cast<std::uint32_t>(m_sheet.selectors.size());
        CssNestParent self;
        for (const CssSelectorMatch& m : *matches) {
            self.mask |= m.mask;
            self.specificity = std::max(self.specificity, m.specificity);
            if (m.mask)
                m_sheet.selectors.push_back(m);
        }
        inner.selectorsEnd = static_cast<std::uint32_t>(m_sheet.selectors.size());
        inner.mask = self.mask;
        inner.parent = &self;
        rules(open + 1, close, inner, depth + 1);
        return next;
    }

    const CssToken* atRule(const CssToken* p, const CssToken* end, const RuleContext& ctx,
                           int depth)
    {
        const CssToken& keyword = *p;
        const CssToken* prelude = p + 1;
        const CssToken* stop = findTopLevel(prelude, end, T::OpenCurly, T::Semicolon);
        if (stop == end || stop->type != T::OpenCurly) {
            if (cssNameIs(keyword, "layer"))
                layerNames(prelude, stop, ctx.layer);
            return stop == end || stop->type == T::CloseCurly ? stop : stop + 1;
        }
        const CssToken* close = cssBlockEnd(stop + 1, end);
        const CssToken* next = close == end ? end : close + 1;
        if (depth >= MaxBlockDepth)
            return next;
        RuleContext inner = ctx;
        if (cssNameIs(keyword, "media")) {
            inner.readings &=
                static_cast<std::uint8_t>((cssMediaMatches(prelude, stop, false) ? 1 : 0) |
                                          (cssMediaMatches(prelude, stop, true) ? 2 : 0));
        } else if (cssNameIs(keyword, "supports")) {
            if (!cssSupports(prelude, stop))
                inner.readings = 0;
        } else if (cssNameIs(keyword, "layer")) {
            const std::vector<int> named = layerNames(prelude, stop, ctx.layer);
            if (named.size() > 1)
                return next; // a block names one layer at most
            inner.layer = named.empty() ? layerOf(ctx.layer, {}) : named.front();
        } else {
            return next; // @container, @scope, @font-face, @keyframes...: not for this page
        }
        if (inner.readings)
            rules(stop + 1, close, inner, depth + 1);
        return next;
    }

    // "a.b, c": each name declared (in order) below `parent`; their layers.
    std::vector<int> layerNames(const CssToken* p, const CssToken* end, int parent)
    {
        std::vector<int> out;
        int layer = parent;
        bool expectName = true;
        for (; p != end; ++p) {
            if (p->type == T::Whitespace)
                continue;
            if (p->type == T::Ident && expectName) {
                layer = layerOf(layer, p->value());
                expectName = false;
            } else if (p->type == T::Delim && p->delim == '.' && !expectName) {
                expectName = true;
            } else if (p->type == T::Comma && !expectName) {
                out.push_back(layer);
                layer = parent;
                expectName = true;
            } else {
                return {};
            }
        }
        if (!expectName)
            out.push_back(layer);
        return out;
    }

    int layerOf(int parent, std::string_view name) { return m_sheet.layerOf(parent, name); }

private:
    CssSheet& m_sheet;
};

int CssSheet::layerOf(int parent, std::string_view name)
{
    if (!name.empty()) {
        const auto it = m_layerNames.find({parent, std::string(name)});
        if (it != m_layerNames.end())
            return it->second;
    }
    const int id = static_cast<int>(m_layers.size());
    m_layers.push_back(Layer{parent, {}});
    m_layers[static_cast<std::size_t>(parent)].children.push_back(id);
    if (!name.empty())
        m_layerNames.emplace(std::make_pair(parent, std::string(name)), id);
    return id;
}

void CssSheet::addStyleSheet(std::string_view text)
{
    // One top-level rule at a time in a reused list: a large sheet's tokens never stand in
    // memory at once, and a rule's tokens are kept only when declarations point into them.
    CssTokenStream stream(text);
    CssTokenList rule;
    bool more = true;
    while (more) {
        more = nextTopLevelRule(stream, rule);
        const std::size_t before = declarations.size();
        const CssToken* begin = rule.tokens.data();
        CssRuleParser(*this).rules(begin, begin + rule.tokens.size() - 1, RuleContext{}, 0);
        if (declarations.size() != before) {
            m_tokens.push_back(std::move(rule));
            rule = CssTokenList{};
        } else {
            rule.tokens.clear();
            rule.decoded.clear();
        }
    }
}

void CssSheet::addStyleAttribute(std::string_view text, CssDocument::Element element)
{
    // A copy: the attribute's text goes with its tag, and the tokens point into it.
    const CssTokenList& list = m_tokens.emplace_back(tokenizeCss(m_texts.emplace_back(text)));
    const CssToken* begin = list.tokens.data();
    RuleContext ctx;
    ctx.inStyleRule = true;
    ctx.selectorsBegin = static_cast<std::uint32_t>(selectors.size());
    ctx.mask = CssDocument::elementBits(element);
    selectors.push_back({ctx.mask, 0});
    ctx.selectorsEnd = ctx.selectorsBegin + 1;
    const std::size_t first = declarations.size();
    CssRuleParser(*this).rules(begin, begin + list.tokens.size() - 1, ctx, 0);
    for (std::size_t i = first; i < declarations.size(); ++i)
        declarations[i].attached = true;
}

void CssSheet::addHint(CssProperty property, std::string_view colorText, CssMatchMask mask)
{
    const CssTokenList& list = m_tokens.emplace_back(tokenizeCss(m_texts.emplace_back(colorText)));
    CssDeclaration d;
    d.property = property;
    d.valueBegin = list.tokens.data();
    d.valueEnd = d.valueBegin + list.tokens.size() - 1;
    d.layerRank = -1;
    d.order = m_order++;
    d.selectorsBegin = static_cast<std::uint32_t>(selectors.size());
    selectors.push_back({mask, 0});
    d.selectorsEnd = d.selectorsBegin + 1;
    declarations.push_back(d);
}

void CssSheet::finish()
{
    // A layer's sublayers come before its own styles; the unlayered styles come last.
    std::vector<int> rank(m_layers.size(), 0);
    int next = 0;
    std::vector<std::pair<int, std::size_t>> stack{{0, 0}}; // no recursion: names nest deep
    while (!stack.empty()) {
        auto& [layer, child] = stack.back();
        const Layer& l = m_layers[static_cast<std::size_t>(layer)];
        if (child < l.children.size()) {
            const int c = l.children[child++];
            stack.emplace_back(c, 0);
        } else {
            rank[static_cast<std::size_t>(layer)] = next++;
            stack.pop_back();
        }
    }
    for (CssDeclaration& d : declarations) {
        if (d.layerRank >= 0)
            d.layerRank = rank[static_cast<std::size_t>(d.layerRank)];
    }
}
