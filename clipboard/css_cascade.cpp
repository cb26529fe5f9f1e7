#include "css_cascade.h"

#include "css_color.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace {

using namespace CssDocument;
using T = CssTokenType;

// var() inside var() inside...: deeper references make the value invalid.
constexpr int MaxVarDepth = 32;
// A value longer than this after var() substitution is invalid; it bounds the work of
// references that double at each step.
constexpr std::size_t MaxValueTokens = 1024;

struct Custom {
    CssValueTokens tokens;
    bool valid = true;
};
using CustomMap = std::map<std::string_view, std::shared_ptr<const Custom>>;

struct Style {
    CustomMap custom;
    CssRgba color;
    bool colorDecided = false;
    CssRgba background{0, 0};
    bool backgroundDecided = false;
    bool dark = false;          // the used colour scheme
    bool schemeDecided = false; // an author's color-scheme chose it
    bool hasDark = false;       // the computed color-scheme names dark...
    bool hasLight = false;      // ...and light
};

struct Candidate {
    const CssDeclaration* d;
    CssSpecificity specificity;
};

// Higher wins: importance (reversing layers), the style attribute, layer, specificity, order.
bool lowerPriority(const Candidate& x, const Candidate& y)
{
    const auto key = [](const Candidate& c) {
        const int layer = c.d->important ? -c.d->layerRank : c.d->layerRank;
        return std::make_tuple(c.d->important, c.d->attached, layer, c.specificity, c.d->order);
    };
    return key(x) < key(y);
}

bool usesVar(const CssDeclaration& d)
{
    return std::any_of(d.valueBegin, d.valueEnd, [](const CssToken& t) {
        return t.type == T::Function && cssNameIs(t, "var");
    });
}

enum class Keyword { None, Initial, Inherit, Unset, Revert, RevertLayer };

Keyword keywordOf(const CssValueTokens& v)
{
    if (v.size() != 1 || v[0].type != T::Ident)
        return Keyword::None;
    static constexpr std::pair<std::string_view, Keyword> words[] = {
        {"initial", Keyword::Initial},
        {"inherit", Keyword::Inherit},
        {"unset", Keyword::Unset},
        {"revert", Keyword::Revert},
        {"revert-layer", Keyword::RevertLayer}};
    return cssKeyword(v[0].value(), words).value_or(Keyword::None);
}

bool sameLayer(const CssDeclaration& a, const CssDeclaration& b)
{
    return a.important == b.important && a.attached == b.attached && a.layerRank == b.layerRank;
}

class ElementCascade {
public:
    ElementCascade(const std::vector<Candidate>& candidates, const Style* parent, Element element,
                   int world)
        : m_candidates(candidates)
        , m_parent(parent)
        , m_element(element)
        , m_world(world)
    {
    }

    Style compute(const Style* customFrom)
    {
        if (customFrom)
            m_style.custom = customFrom->custom;
        else
            customProperties();
        colorScheme();
        color();
        background();
        return std::move(m_style);
    }

private:
    // The winning declarations of a group, highest first, with revert-layer passed over.
    template <typename Visit> void cascade(bool (*inGroup)(const CssDeclaration&), Visit visit)
    {
        const CssDeclaration* skipLayerOf = nullptr;
        for (auto c = m_candidates.rbegin(); c != m_candidates.rend(); ++c) {
            if (!inGroup(*c->d) || (skipLayerOf && sameLayer(*c->d, *skipLayerOf)))
                continue;
            skipLayerOf = nullptr;
            CssValueTokens value;
            const bool substituted = substitute(c->d->valueBegin, c->d->valueEnd, value, 0);
            const Keyword k = substituted ? keywordOf(value) : Keyword::None;
            if (k == Keyword::RevertLayer) {
                skipLayerOf = c->d;
                continue;
            }
            if (visit(*c->d, substituted, value, k))
                return;
        }
        visit(CssDeclaration{}, false, CssValueTokens{}, Keyword::Revert); // the browser's own
    }

    void customProperties()
    {
        if (m_parent)
            m_style.custom = m_parent->custom;
        std::map<std::string_view, const CssDeclaration*> winners;
        std::map<std::string_view, const CssDeclaration*> skipLayer;
        for (auto c = m_candidates.rbegin(); c != m_candidates.rend(); ++c) {
            const CssDeclaration& d = *c->d;
            if (d.property != CssProperty::Custom || winners.count(d.name))
                continue;
            const auto skip = skipLayer.find(d.name);
            if (skip != skipLayer.end() && sameLayer(d, *skip->second))
                continue;
            const bool single = d.valueEnd - d.valueBegin == 1 && d.valueBegin->type == T::Ident;
            if (single && cssNameIs(*d.valueBegin, "revert-layer")) {
                skipLayer[d.name] = &d;
                continue;
            }
            winners[d.name] = &d;
        }
        for (const auto& [name, d] : winners)
            m_pending[name] = d;
        for (const auto& [name, d] : winners)
            resolveCustom(name, 0);
    }

    // The computed value of a custom property of this element; nullptr when invalid.
    const Custom* resolveCustom(std::string_view name, int depth)
    {
        const auto pending = m_pending.find(name);
        if (pending != m_pending.end()) {
            if (!pending->second || depth > MaxVarDepth) { // a cycle, or too deep
                const auto from = std::find(m_stack.begin(), m_stack.end(), name);
                m_inCycle.insert(from, m_stack.end());
                return nullptr;
            }
            const CssDeclaration* d = pending->second;
            pending->second = nullptr;
            m_stack.push_back(name);
            auto value = std::make_shared<Custom>();
            value->valid = substitute(d->valueBegin, d->valueEnd, value->tokens, depth + 1) &&
                           !m_inCycle.count(name);
            m_stack.pop_back();
            m_pending.erase(name);
            inheritOrKeep(name, std::move(value));
        }
        const auto it = m_style.custom.find(name);
        return it != m_style.custom.end() && it->second->valid ? it->second.get() : nullptr;
    }

    void inheritOrKeep(std::string_view name, std::shared_ptr<Custom> value)
    {
        const Keyword k = keywordOf(value->tokens);
        if (k == Keyword::Initial)
            value->valid = false;
        if (k == Keyword::Inherit || k == Keyword::Unset || k == Keyword::Revert) {
            const CustomMap::const_iterator it =
                m_parent ? m_parent->custom.find(name) : CustomMap::const_iterator{};
            if (m_parent && it != m_parent->custom.end())
                m_style.custom[name] = it->second;
            else
                m_style.custom.erase(name);
        } else {
            m_style.custom[name] = std::move(value);
        }
    }

    // The significant tokens of [b, e) with every var() replaced; false when invalid.
    bool substitute(const CssToken* b, const CssToken* e, CssValueTokens& out, int depth);

    void colorScheme();
    void color();
    void background();
    CssRgba browserColor() const;
    // What a colour value of this element is read against: its scheme and currentcolor.
    CssColorContext colorContext(CssRgba currentColor) const
    {
        CssColorContext context;
        context.keywords = true;
        context.dark = m_style.dark;
        context.currentColor = currentColor;
        return context;
    }

    const std::vector<Candidate>& m_candidates;
    const Style* m_parent;
    Element m_element;
    int m_world;
    Style m_style;
    std::map<std::string_view, const CssDeclaration*> m_pending; // nullptr: being resolved
    std::vector<std::string_view> m_stack; // the custom properties being resolved
    std::set<std::string_view> m_inCycle;
};

bool ElementCascade::substitute(const CssToken* b, const CssToken* e, CssValueTokens& out,
                                int depth)
{
    if (depth > MaxVarDepth)
        return false;
    for (const CssToken* p = b; p != e; ++p) {
        if (p->type == T::Whitespace)
            continue;
        if (out.size() >= MaxValueTokens)
            return false;
        if (p->type != T::Function || !cssNameIs(*p, "var")) {
            out.push_back(*p);
            continue;
        }
        // var( --name [, fallback] )
        ++p;
        while (p != e && p->type == T::Whitespace)
            ++p;
        if (p == e || p->type != T::Ident || p->value().substr(0, 2) != "--")
            return false;
        const std::string_view name = p->value();
        ++p;
        while (p != e && p->type == T::Whitespace)
            ++p;
        const CssToken* fallback = nullptr;
        const CssToken* close = p;
        if (p != e && p->type == T::Comma) {
            fallback = p + 1;
            close = cssBlockEnd(fallback, e);
        } else if (p != e && p->type != T::CloseParen) {
            return false;
        }
        if (const Custom* c = resolveCustom(name, depth)) {
            if (out.size() + c->tokens.size() > MaxValueTokens)
                return false;
            out.insert(out.end(), c->tokens.begin(), c->tokens.end());
        } else if (!fallback || !substitute(fallback, close, out, depth + 1)) {
            return false;
        }
        p = close;
        if (p == e)
            break;
    }
    return true;
}

void ElementCascade::colorScheme()
{
    if (m_parent) {
        m_style.hasDark = m_parent->hasDark;
        m_style.hasLight = m_parent->hasLight;
        m_style.schemeDecided = m_parent->schemeDecided;
    }
    cascade([](const CssDeclaration& d) { return d.property == CssProperty::ColorScheme; },
            [&](const CssDeclaration&, bool ok, const CssValueTokens& v, Keyword k) {
                if (k == Keyword::Initial) {
                    m_style.hasDark = m_style.hasLight = m_style.schemeDecided = false;
                    return true;
                }
                if (!ok || k != Keyword::None)
                    return true; // inherit, unset, or invalid at computed time
                bool dark = false;
                bool light = false;
                for (const CssToken& t : v) {
                    if (t.type != T::Ident)
                        return false;
                    dark = dark || cssNameIs(t, "dark");
                    light = light || cssNameIs(t, "light");
                }
                m_style.hasDark = dark;
                m_style.hasLight = light;
                m_style.schemeDecided = true;
                return true;
            });
    const bool readingDark = m_world >= LinkStateCount;
    m_style.dark = m_style.hasDark && (readingDark || !m_style.hasLight);
}

// What the browser's own sheet gives the element's colour.
CssRgba ElementCascade::browserColor() const
{
    std::string_view name = "canvastext";
    if (m_element == A) {
        const int state = m_world % LinkStateCount;
        name = state == Visited ? "visitedtext" : state == Pressed ? "activetext" : "linktext";
    } else if (m_parent) {
        return m_parent->color;
    }
    return CssRgba{*cssSystemColor(name, m_style.dark), 1};
}

void ElementCascade::color()
{
    const auto inGroup = [](const CssDeclaration& d) {
        return d.property == CssProperty::Color || d.property == CssProperty::All;
    };
    cascade(inGroup, [&](const CssDeclaration& d, bool ok, const CssValueTokens& v, Keyword k) {
        const bool inherits = k == Keyword::Inherit || k == Keyword::Unset ||
                              (k == Keyword::Revert && m_element != A && m_parent) ||
                              (!ok && d.valueBegin && d.property == CssProperty::Color);
        if ((k == Keyword::Revert && !inherits) || (k == Keyword::Initial && !m_parent)) {
            m_style.color = browserColor();
            m_style.colorDecided = m_style.schemeDecided;
            return true;
        }
        if (inherits || k == Keyword::Initial) {
            if (k == Keyword::Initial) {
                m_style.color = CssRgba{*cssSystemColor("canvastext", m_style.dark), 1};
                m_style.colorDecided = true;
            } else {
                m_style.color = m_parent ? m_parent->color : browserColor();
                m_style.colorDecided = m_parent ? m_parent->colorDecided : m_style.schemeDecided;
            }
            return true;
        }
        if (!ok || d.property == CssProperty::All)
            return false;
        CssColorContext context = colorContext(m_parent ? m_parent->color : browserColor());
        const std::optional<CssRgba> c = cssWholeColor(v, context);
        if (!c && usesVar(d)) { // invalid at computed-value time: unset, inherited
            m_style.color = context.currentColor;
            m_style.colorDecided = m_parent ? m_parent->colorDecided : m_style.schemeDecided;
            return true;
        }
        if (!c)
            return false; // invalid when declared: the next one counts
        m_style.color = *c;
        m_style.colorDecided = !context.usedCurrent || !m_parent || m_parent->colorDecided;
        return true;
    });
}

void ElementCascade::background()
{
    const auto inGroup = [](const CssDeclaration& d) {
        return d.property == CssProperty::BackgroundColor ||
               d.property == CssProperty::Background || d.property == CssProperty::All;
    };
    cascade(inGroup, [&](const CssDeclaration& d, bool ok, const CssValueTokens& v, Keyword k) {
        if (k == Keyword::Inherit) {
            m_style.background = m_parent ? m_parent->background : CssRgba{0, 0};
            m_style.backgroundDecided = m_parent && m_parent->backgroundDecided;
            return true;
        }
        if (k != Keyword::None || (!ok && d.valueBegin && d.property != CssProperty::All)) {
            m_style.background = CssRgba{0, 0}; // initial, unset, revert: transparent
            m_style.backgroundDecided = k != Keyword::Revert;
            return true;
        }
        if (!ok || d.property == CssProperty::All)
            return false;
        CssColorContext context = colorContext(m_style.color);
        const std::optional<CssRgba> c = d.property == CssProperty::Background
                                             ? cssBackgroundColor(v, context)
                                             : cssWholeColor(v, context);
        if (!c && usesVar(d)) { // invalid at computed-value time: unset, transparent
            m_style.background = CssRgba{0, 0};
            m_style.backgroundDecided = true;
            return true;
        }
        if (!c)
            return false;
        m_style.background = *c;
        m_style.backgroundDecided = !context.usedCurrent || m_style.colorDecided;
        return true;
    });
}

// The candidates of one element in one world, lowest priority first.
std::vector<Candidate> candidatesOf(const CssSheet& sheet, bool dark, int world, Element e)
{
    std::vector<Candidate> out;
    const CssMatchMask bitOf = bit(world, e);
    for (const CssDeclaration& d : sheet.declarations) {
        if (!(d.readings & (dark ? 2 : 1)))
            continue;
        bool matched = false;
        CssSpecificity best = 0;
        for (std::uint32_t i = d.selectorsBegin; i < d.selectorsEnd; ++i) {
            if (sheet.selectors[i].mask & bitOf) {
                matched = true;
                best = std::max(best, sheet.selectors[i].specificity);
            }
        }
        if (matched)
            out.push_back({&d, best});
    }
    std::stable_sort(out.begin(), out.end(), lowerPriority);
    return out;
}

ColorValue blend(const CssRgba& over, ColorValue under)
{
    const auto mix = [&](int shift) {
        const double top = (over.rgb >> shift) & 0xFF;
        const double bottom = (under >> shift) & 0xFF;
        return static_cast<ColorValue>(top * over.alpha + bottom * (1 - over.alpha) + 0.5) << shift;
    };
    return over.alpha >= 1 ? over.rgb : mix(0) | mix(8) | mix(16);
}

CssReading readingOf(const CssSheet& sheet, bool dark)
{
    std::array<std::array<Style, ElementCount>, LinkStateCount> styles;
    for (int state = 0; state < LinkStateCount; ++state) {
        const int w = world(dark, static_cast<LinkState>(state));
        for (int e = 0; e < ElementCount; ++e) {
            const std::vector<Candidate> candidates =
                candidatesOf(sheet, dark, w, static_cast<Element>(e));
            const Style* parent = e ? &styles[state][e - 1] : nullptr;
            // Custom properties never come from :visited rules: the unvisited link's stand.
            const Style* customFrom = state == Visited && e == A ? &styles[Unvisited][A] : nullptr;
            styles[state][e] =
                ElementCascade(candidates, parent, static_cast<Element>(e), w).compute(customFrom);
        }
    }
    CssReading r;
    const Style& html = styles[Unvisited][Html];
    const Style& body = styles[Unvisited][Body];
    const ColorValue canvas = *cssSystemColor("canvas", html.dark);
    // The canvas takes html's background, else body's, else the scheme's Canvas.
    const Style& painter = html.background.alpha > 0 ? html : body;
    if (painter.background.alpha > 0) {
        r.colors[BGCOLOR] = blend(painter.background, canvas);
        r.decided[BGCOLOR] = painter.backgroundDecided;
    } else {
        r.colors[BGCOLOR] = canvas;
        r.decided[BGCOLOR] = html.schemeDecided;
    }
    const Style* slots[] = {&body, &styles[Unvisited][A], &styles[Visited][A], &styles[Pressed][A]};
    for (int slot = TEXT; slot <= ALINK; ++slot) {
        r.colors[slot] = slots[slot - TEXT]->color.rgb;
        // Invisible text is no colour to give a slot: the slot keeps the browser's.
        r.decided[slot] = slots[slot - TEXT]->colorDecided && slots[slot - TEXT]->color.alpha > 0;
    }
    return r;
}

} // namespace

std::array<CssReading, 2> cascadeCss(const CssSheet& sheet)
{
    return {readingOf(sheet, false), readingOf(sheet, true)};
}
