#include "css_reader.h"

#include "color_spaces.h"
#include "css_tokenizer.h"
#include "named_color_table.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

using ColorSpaces::Triple;
using T = CssTokenType;
using Tokens = std::vector<CssToken>;

// More significant tokens than a colour or a page's background shorthand needs. A value
// longer than this, also after var() substitution, is not read; that bounds the work.
constexpr std::size_t MaxValueTokens = 128;
// Nested var() references followed before a value counts as unreadable.
constexpr int MaxVarDepth = 32;

bool isCssSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isCssSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isCssSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

// The significant tokens of [begin, end) appended to `out`; false past MaxValueTokens.
bool appendTokens(std::string_view text, std::size_t begin, std::size_t end, Tokens& out)
{
    CssTokenizer tokens(text, begin, end);
    for (CssToken t = tokens.next(); t.type != T::End; t = tokens.next()) {
        if (t.type == T::Whitespace)
            continue;
        if (out.size() >= MaxValueTokens)
            return false;
        out.push_back(t);
    }
    return true;
}

bool opensBlock(T type)
{
    return type == T::Function || type == T::OpenParen || type == T::OpenSquare ||
           type == T::OpenCurly;
}

T closerOf(T opener)
{
    return opener == T::OpenSquare  ? T::CloseSquare
           : opener == T::OpenCurly ? T::CloseCurly
                                    : T::CloseParen;
}

// ---- Colour values

// The 148 named colours of CSS: the table's names (but its own "honeydewtab") and these.
std::optional<ColorValue> namedColor(std::string_view text, const CssToken& token)
{
    std::string name =
        token.escaped ? cssName(text, token)
                      : std::string(text.substr(token.nameBegin, token.nameEnd - token.nameBegin));
    if (name.size() > 20)
        return std::nullopt;
    for (char& c : name)
        c = lowerAscii(c);
    if (name == "honeydewtab")
        return std::nullopt;
    if (const auto c = ColorByName(name))
        return c;
    static constexpr std::pair<std::string_view, ColorValue> browserOnly[] = {
        {"darkgrey", rgbColor(169, 169, 169)},  {"darkslategrey", rgbColor(47, 79, 79)},
        {"dimgrey", rgbColor(105, 105, 105)},   {"grey", rgbColor(128, 128, 128)},
        {"lightgray", rgbColor(211, 211, 211)}, {"lightslategrey", rgbColor(119, 136, 153)},
        {"slategrey", rgbColor(112, 128, 144)}, {"rebeccapurple", rgbColor(102, 51, 153)},
    };
    for (const auto& [word, color] : browserOnly) {
        if (name == word)
            return color;
    }
    return std::nullopt;
}

// #rgb, #rgba, #rrggbb, #rrggbbaa; the alpha digits are read and dropped.
std::optional<ColorValue> hexColor(std::string_view text, const CssToken& token)
{
    const std::string digits = cssName(text, token);
    int v[8] = {};
    for (std::size_t i = 0; i < digits.size() && i < 8; ++i) {
        v[i] = hexValue(digits[i]);
        if (v[i] < 0)
            return std::nullopt;
    }
    switch (digits.size()) {
    case 3:
    case 4:
        return rgbColor(v[0] * 17, v[1] * 17, v[2] * 17);
    case 6:
    case 8:
        return rgbColor(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]);
    default:
        return std::nullopt;
    }
}

// The arguments of a colour function, as read before their function's rules are checked.
enum class Arg { Number, Percent, Angle, None, Comma, Slash };
struct Argument {
    Arg kind;
    double value; // angles in degrees
};

std::optional<double> angleInDegrees(std::string_view text, const CssToken& token)
{
    const double v = cssNumber(text, token);
    if (cssNameIs(text, token, "deg"))
        return v;
    if (cssNameIs(text, token, "grad"))
        return v * 0.9;
    if (cssNameIs(text, token, "rad"))
        return v * (180 / 3.14159265358979323846);
    if (cssNameIs(text, token, "turn"))
        return v * 360;
    return std::nullopt;
}

enum class Function { Rgb, Hsl, Hwb, Lab, Lch, Oklab, Oklch, Color };

std::optional<Function> colorFunction(std::string_view text, const CssToken& token)
{
    static constexpr std::pair<std::string_view, Function> names[] = {
        {"rgb", Function::Rgb},     {"rgba", Function::Rgb},    {"hsl", Function::Hsl},
        {"hsla", Function::Hsl},    {"hwb", Function::Hwb},     {"lab", Function::Lab},
        {"lch", Function::Lch},     {"oklab", Function::Oklab}, {"oklch", Function::Oklch},
        {"color", Function::Color},
    };
    for (const auto& [name, function] : names) {
        if (cssNameIs(text, token, name))
            return function;
    }
    return std::nullopt;
}

std::optional<ColorSpaces::RgbSpace> predefinedRgb(std::string_view text, const CssToken& token)
{
    using ColorSpaces::RgbSpace;
    static constexpr std::pair<std::string_view, RgbSpace> names[] = {
        {"srgb", RgbSpace::Srgb},
        {"srgb-linear", RgbSpace::SrgbLinear},
        {"display-p3", RgbSpace::DisplayP3},
        {"a98-rgb", RgbSpace::A98Rgb},
        {"prophoto-rgb", RgbSpace::ProphotoRgb},
        {"rec2020", RgbSpace::Rec2020},
    };
    for (const auto& [name, space] : names) {
        if (cssNameIs(text, token, name))
            return space;
    }
    return std::nullopt;
}

// The space of color(): an RGB space, else XYZ relative to D65 or to D50.
struct ColorSpace {
    std::optional<ColorSpaces::RgbSpace> rgb;
    bool xyzD50 = false;
};

// One channel: a number as it stands, a percentage scaled so that 100% is `full`, none 0.
// Which kinds a channel takes is the caller's check.
double channel(const Argument& a, double full)
{
    return a.kind == Arg::Percent ? a.value * full / 100 : a.kind == Arg::None ? 0 : a.value;
}

bool isNumberOrPercent(const Argument& a, bool noneAllowed)
{
    return a.kind == Arg::Number || a.kind == Arg::Percent || (noneAllowed && a.kind == Arg::None);
}

bool isHue(const Argument& a, bool noneAllowed)
{
    return a.kind == Arg::Number || a.kind == Arg::Angle || (noneAllowed && a.kind == Arg::None);
}

// The sRGB components of a colour function whose arguments are read; nullopt if they do not
// fit it. `legacy`: the comma-separated form of rgb() and hsl().
std::optional<Triple> functionSrgb(Function f, const ColorSpace& space, const Argument (&c)[3],
                                   bool legacy)
{
    using namespace ColorSpaces;
    const bool modern = !legacy;
    switch (f) {
    case Function::Rgb:
        for (const Argument& a : c) {
            if (!isNumberOrPercent(a, modern) || (legacy && a.kind != c[0].kind))
                return std::nullopt;
        }
        return Triple{std::clamp(channel(c[0], 255), 0.0, 255.0) / 255,
                      std::clamp(channel(c[1], 255), 0.0, 255.0) / 255,
                      std::clamp(channel(c[2], 255), 0.0, 255.0) / 255};
    case Function::Hsl:
    case Function::Hwb: {
        if (!isHue(c[0], modern))
            return std::nullopt;
        for (const Argument* a : {&c[1], &c[2]}) {
            if (legacy ? a->kind != Arg::Percent : !isNumberOrPercent(*a, true))
                return std::nullopt;
        }
        // A number stands for the same number of percent. Browsers keep the saturation and
        // lightness of hsl() within 0 to 100%, and the whiteness and blackness of hwb() as read.
        double s = channel(c[1], 100) / 100;
        double l = channel(c[2], 100) / 100;
        const double hue = c[0].kind == Arg::None ? 0 : c[0].value;
        if (f == Function::Hwb)
            return hwbToSrgb({hue, s, l});
        s = std::clamp(s, 0.0, 1.0);
        l = std::clamp(l, 0.0, 1.0);
        return hslToSrgb({hue, s, l});
    }
    case Function::Lab:
    case Function::Oklab:
    case Function::Lch:
    case Function::Oklch: {
        const bool rectangular = f == Function::Lab || f == Function::Oklab;
        const bool polar = f == Function::Lch || f == Function::Oklch;
        const bool oklab = f == Function::Oklab || f == Function::Oklch;
        if (!isNumberOrPercent(c[0], true) || !isNumberOrPercent(c[1], true) ||
            (polar ? !isHue(c[2], true) : !isNumberOrPercent(c[2], true)))
            return std::nullopt;
        // Percentages: 100% of L is 100 (Lab) or 1 (OKLab); of a and b 125 or 0.4; of C 150 or 0.4.
        const double lightnessFull = oklab ? 1 : 100;
        const double chromaFull = oklab ? 0.4 : polar ? 150 : 125;
        Triple lab = {std::clamp(channel(c[0], lightnessFull), 0.0, lightnessFull),
                      channel(c[1], chromaFull), rectangular ? channel(c[2], chromaFull) : 0};
        if (polar) {
            lab[1] = std::max(lab[1], 0.0);
            lab = lchToLab({lab[0], lab[1], c[2].kind == Arg::None ? 0 : c[2].value});
        }
        return xyzToSrgb(oklab ? oklabToXyz(lab) : xyzD50ToD65(labToXyzD50(lab)));
    }
    case Function::Color: {
        for (const Argument& a : c) {
            if (!isNumberOrPercent(a, true))
                return std::nullopt;
        }
        const Triple v = {channel(c[0], 1), channel(c[1], 1), channel(c[2], 1)};
        if (space.xyzD50)
            return xyzToSrgb(xyzD50ToD65(v));
        if (!space.rgb)
            return xyzToSrgb(v); // xyz and xyz-d65
        if (*space.rgb == RgbSpace::Srgb)
            return v;
        if (*space.rgb == RgbSpace::SrgbLinear)
            return Triple{linearToSrgb(v[0]), linearToSrgb(v[1]), linearToSrgb(v[2])};
        return xyzToSrgb(rgbToXyz(*space.rgb, v));
    }
    }
    return std::nullopt;
}

// A colour function from the Function token at tokens[i]; i moves past its ")".
std::optional<ColorValue> functionColor(std::string_view text, const Tokens& tokens, std::size_t& i)
{
    const std::optional<Function> f = colorFunction(text, tokens[i]);
    if (!f)
        return std::nullopt;
    ++i;
    ColorSpace space;
    if (*f == Function::Color) {
        if (i >= tokens.size() || tokens[i].type != T::Ident)
            return std::nullopt;
        space.rgb = predefinedRgb(text, tokens[i]);
        space.xyzD50 = cssNameIs(text, tokens[i], "xyz-d50");
        if (!space.rgb && !space.xyzD50 && !cssNameIs(text, tokens[i], "xyz") &&
            !cssNameIs(text, tokens[i], "xyz-d65"))
            return std::nullopt;
        ++i;
    }
    Argument args[8];
    std::size_t count = 0;
    // An unclosed function ends with the text, as CSS closes it.
    for (; i < tokens.size() && tokens[i].type != T::CloseParen; ++i) {
        if (count == std::size(args))
            return std::nullopt;
        const CssToken& t = tokens[i];
        Argument& a = args[count++];
        switch (t.type) {
        case T::Number:
            a = {Arg::Number, cssNumber(text, t)};
            break;
        case T::Percentage:
            a = {Arg::Percent, cssNumber(text, t)};
            break;
        case T::Dimension: {
            const std::optional<double> degrees = angleInDegrees(text, t);
            if (!degrees)
                return std::nullopt;
            a = {Arg::Angle, *degrees};
            break;
        }
        case T::Ident:
            if (!cssNameIs(text, t, "none"))
                return std::nullopt;
            a = {Arg::None, 0};
            break;
        case T::Comma:
            a = {Arg::Comma, 0};
            break;
        case T::Delim:
            if (t.delim != '/')
                return std::nullopt;
            a = {Arg::Slash, 0};
            break;
        default:
            return std::nullopt;
        }
    }
    if (i < tokens.size())
        ++i;

    // Either the comma-separated legacy form or the modern one with its optional "/ alpha".
    Argument components[3];
    bool legacy = false;
    std::optional<Argument> alpha;
    if (count >= 2 && args[1].kind == Arg::Comma) {
        // rgb(r, g, b[, a]) and hsl(h, s, l[, a]): commas between all, no none, no slash.
        legacy = true;
        if ((*f != Function::Rgb && *f != Function::Hsl) || (count != 5 && count != 7) ||
            args[3].kind != Arg::Comma || (count == 7 && args[5].kind != Arg::Comma))
            return std::nullopt;
        components[0] = args[0];
        components[1] = args[2];
        components[2] = args[4];
        if (count == 7)
            alpha = args[6];
        for (const Argument& a : components) {
            if (a.kind == Arg::None)
                return std::nullopt;
        }
        if (alpha && !isNumberOrPercent(*alpha, false))
            return std::nullopt;
    } else {
        if (count != 3 && count != 5)
            return std::nullopt;
        for (std::size_t k = 0; k < 3; ++k)
            components[k] = args[k];
        if (count == 5) {
            if (args[3].kind != Arg::Slash || !isNumberOrPercent(args[4], true))
                return std::nullopt;
        }
    }
    for (const Argument& a : components) {
        if (a.kind == Arg::Comma || a.kind == Arg::Slash)
            return std::nullopt;
    }
    (void)alpha; // read and dropped: body colours are opaque
    const std::optional<Triple> srgb = functionSrgb(*f, space, components, legacy);
    if (!srgb)
        return std::nullopt;
    return ColorSpaces::toColorValue(*srgb);
}

// The colour that starts at tokens[i]; i moves past it.
std::optional<ColorValue> colorAt(std::string_view text, const Tokens& tokens, std::size_t& i)
{
    if (i >= tokens.size())
        return std::nullopt;
    const CssToken& t = tokens[i];
    switch (t.type) {
    case T::Hash:
        ++i;
        return hexColor(text, t);
    case T::Ident:
        ++i;
        return namedColor(text, t);
    case T::Function:
        return functionColor(text, tokens, i);
    default:
        return std::nullopt;
    }
}

// The tokens are exactly one colour.
std::optional<ColorValue> wholeColor(std::string_view text, const Tokens& tokens,
                                     std::size_t from = 0)
{
    std::size_t i = from;
    const std::optional<ColorValue> color = colorAt(text, tokens, i);
    return color && i == tokens.size() ? color : std::nullopt;
}

// The colour of a background shorthand: one colour component, in its last layer.
std::optional<ColorValue> backgroundColor(std::string_view text, const Tokens& tokens)
{
    std::optional<ColorValue> found;
    bool lastLayer = std::none_of(tokens.begin(), tokens.end(),
                                  [](const CssToken& t) { return t.type == T::Comma; });
    std::vector<T> closers;
    for (std::size_t i = 0; i < tokens.size();) {
        const CssToken& t = tokens[i];
        if (t.type == T::Comma) {
            ++i;
            lastLayer = std::none_of(tokens.begin() + static_cast<std::ptrdiff_t>(i), tokens.end(),
                                     [](const CssToken& u) { return u.type == T::Comma; });
            continue;
        }
        std::size_t next = i;
        if (const std::optional<ColorValue> c = colorAt(text, tokens, next)) {
            if (found || !lastLayer)
                return std::nullopt;
            found = c;
            i = next;
            continue;
        }
        // Pass over one component: a token, or a block with everything inside it.
        if (opensBlock(t.type)) {
            closers.assign(1, closerOf(t.type));
            for (++i; i < tokens.size() && !closers.empty(); ++i) {
                if (tokens[i].type == closers.back())
                    closers.pop_back();
                else if (opensBlock(tokens[i].type))
                    closers.push_back(closerOf(tokens[i].type));
            }
        } else {
            ++i;
        }
    }
    return found;
}

// ---- Style sheets

enum Target : unsigned {
    BodyTarget = 1,
    LinkTarget = 2,
    BareATarget = 4,
    VisitedTarget = 8,
    ActiveTarget = 16
};

struct Declaration {
    std::size_t begin = 0; // the value, without "!important"
    std::size_t end = 0;
    bool important = false;
    bool usesVar = false;
};

struct Candidate {
    Declaration value;
    bool shorthand = false; // background: the colour is one of its components
    int specificity = 0;    // a:link over a bare a
};

struct CustomProperty {
    Declaration value;
    enum class State { Unresolved, Resolving, Invalid, Resolved } state = State::Unresolved;
    bool inCycle = false;
    bool tooLong = false;
    Tokens tokens;
};

class SheetReader {
public:
    explicit SheetReader(std::string_view text)
        : m_text(text)
        , m_tokens(text)
    {
    }

    std::array<std::optional<ColorValue>, SlotCount> read()
    {
        readRules();
        std::array<std::optional<ColorValue>, SlotCount> colors;
        for (int slot = 0; slot < SlotCount; ++slot)
            colors[slot] = winner(m_candidates[slot]);
        return colors;
    }

private:
    CssToken next()
    {
        if (m_hasPeeked) {
            m_hasPeeked = false;
            return m_peeked;
        }
        return m_tokens.next();
    }
    void pushBack(const CssToken& t)
    {
        m_peeked = t;
        m_hasPeeked = true;
    }

    // Consumes tokens up to the closer of a block whose opener was just read.
    void skipBlock(T opener)
    {
        std::vector<T>& closers = m_closers;
        closers.assign(1, closerOf(opener));
        while (!closers.empty()) {
            const CssToken t = next();
            if (t.type == T::End)
                return;
            if (t.type == closers.back())
                closers.pop_back();
            else if (opensBlock(t.type))
                closers.push_back(closerOf(t.type));
        }
    }

    // After an at-keyword or the start of a nested rule: up to a ";" or the end of a {} block.
    // A "}" that closes the enclosing block is left to be read (when `nested`).
    void skipRule(bool nested, bool semicolonEnds)
    {
        for (;;) {
            const CssToken t = next();
            switch (t.type) {
            case T::End:
                return;
            case T::Semicolon:
                if (semicolonEnds)
                    return;
                break;
            case T::CloseCurly:
                if (nested) {
                    pushBack(t);
                    return;
                }
                break;
            case T::OpenCurly:
                skipBlock(T::OpenCurly);
                return;
            default:
                if (opensBlock(t.type))
                    skipBlock(t.type);
                break;
            }
        }
    }

    void readRules()
    {
        for (;;) {
            const CssToken t = next();
            switch (t.type) {
            case T::End:
                return;
            case T::Whitespace:
            case T::Cdo:
            case T::Cdc:
                break;
            case T::AtKeyword:
                // @media, @supports, @layer and the rest: their rules are not the page's defaults.
                skipRule(false, true);
                break;
            default:
                pushBack(t);
                if (const std::optional<unsigned> targets = readPrelude())
                    readStyleBlock(*targets);
                break;
            }
        }
    }

    // One member of a selector list: body, a, a:link, a:visited, a:active, or another.
    unsigned memberTarget(const CssToken* tokens, int count) const
    {
        if (count == 1 && tokens[0].type == T::Ident) {
            if (cssNameIs(m_text, tokens[0], "body"))
                return BodyTarget;
            if (cssNameIs(m_text, tokens[0], "a"))
                return BareATarget;
        }
        if (count == 3 && tokens[0].type == T::Ident && tokens[1].type == T::Colon &&
            tokens[2].type == T::Ident && cssNameIs(m_text, tokens[0], "a")) {
            if (cssNameIs(m_text, tokens[2], "link"))
                return LinkTarget;
            if (cssNameIs(m_text, tokens[2], "visited"))
                return VisitedTarget;
            if (cssNameIs(m_text, tokens[2], "active"))
                return ActiveTarget;
        }
        return 0;
    }

    // The selector list up to its "{": the targets among its members; nullopt at the end of
    // the text, where the rule has no block.
    std::optional<unsigned> readPrelude()
    {
        unsigned targets = 0;
        CssToken member[3];
        int count = 0;
        bool spaced = false;
        bool other = false;
        auto endMember = [&] {
            if (!other)
                targets |= memberTarget(member, count);
            count = 0;
            spaced = other = false;
        };
        for (;;) {
            const CssToken t = next();
            switch (t.type) {
            case T::End:
                return std::nullopt;
            case T::OpenCurly:
                endMember();
                return targets;
            case T::Comma:
                endMember();
                break;
            case T::Whitespace:
                spaced = count > 0;
                break;
            default:
                if (opensBlock(t.type)) {
                    skipBlock(t.type);
                    other = true;
                } else if (count == 3 || spaced) {
                    other = true;
                } else {
                    member[count++] = t;
                }
                break;
            }
        }
    }

    void readStyleBlock(unsigned targets)
    {
        for (;;) {
            const CssToken t = next();
            switch (t.type) {
            case T::End:
            case T::CloseCurly:
                return;
            case T::Whitespace:
            case T::Semicolon:
                break;
            case T::AtKeyword:
                skipRule(true, true);
                break;
            case T::Ident: {
                CssToken colon = next();
                while (colon.type == T::Whitespace)
                    colon = next();
                if (colon.type == T::Colon) {
                    readDeclaration(t, targets);
                } else {
                    pushBack(colon);
                    skipRule(true, true); // a nested rule, passed over
                }
                break;
            }
            default:
                pushBack(t);
                skipRule(true, true);
                break;
            }
        }
    }

    // The value after "name:", up to a ";" or the "}" of the block (left to be read).
    void readDeclaration(const CssToken& name, unsigned targets)
    {
        const bool custom = name.nameEnd - name.nameBegin >= 2 && m_text[name.nameBegin] == '-' &&
                            m_text[name.nameBegin + 1] == '-';
        Declaration d;
        bool started = false;
        CssToken last;
        CssToken beforeLast;
        std::vector<T>& closers = m_closers;
        closers.clear();
        for (;;) {
            const CssToken t = next();
            if (t.type == T::End)
                break;
            if (closers.empty()) {
                if (t.type == T::Semicolon)
                    break;
                if (t.type == T::CloseCurly) {
                    pushBack(t);
                    break;
                }
                if (t.type == T::OpenCurly && !custom) {
                    // "name:x {...}" is a nested rule such as a:hover {...}, passed over.
                    skipBlock(T::OpenCurly);
                    return;
                }
            }
            if (t.type == T::Whitespace)
                continue;
            if (!started) {
                d.begin = t.begin;
                started = true;
            }
            d.end = t.end;
            if (t.type == T::Function && cssNameIs(m_text, t, "var"))
                d.usesVar = true;
            if (!closers.empty() && t.type == closers.back()) {
                closers.pop_back();
            } else if (opensBlock(t.type)) {
                closers.push_back(closerOf(t.type));
            } else if (closers.empty()) {
                beforeLast = last;
                last = t;
            }
        }
        if (last.type == T::Ident && beforeLast.type == T::Delim && beforeLast.delim == '!' &&
            cssNameIs(m_text, last, "important") && last.end == d.end) {
            d.important = true;
            d.end = beforeLast.begin;
        }
        if (custom) {
            CustomProperty& p = m_custom[cssName(m_text, name)];
            if (!p.value.important || d.important)
                p.value = d;
            return;
        }
        if (!targets || !started)
            return;
        const bool color = cssNameIs(m_text, name, "color");
        const bool background = cssNameIs(m_text, name, "background");
        const bool backgroundColor = cssNameIs(m_text, name, "background-color");
        if ((targets & BodyTarget) && (background || backgroundColor))
            m_candidates[BGCOLOR].push_back({d, background, 0});
        if (!color)
            return;
        if (targets & BodyTarget)
            m_candidates[TEXT].push_back({d, false, 0});
        if (targets & (LinkTarget | BareATarget))
            m_candidates[LINK].push_back({d, false, (targets & LinkTarget) ? 1 : 0});
        if (targets & VisitedTarget)
            m_candidates[VLINK].push_back({d, false, 0});
        if (targets & ActiveTarget)
            m_candidates[ALINK].push_back({d, false, 0});
    }

    // ---- var() substitution

    struct Substituted {
        bool valid = true;
        bool tooLong = false;
    };

    // The tokens of [begin, end) with every var() replaced, appended to `out`.
    Substituted substitute(std::size_t begin, std::size_t end, Tokens& out, int depth)
    {
        if (depth > MaxVarDepth)
            return {false, false};
        CssTokenizer tokens(m_text, begin, end);
        for (CssToken t = tokens.next(); t.type != T::End; t = tokens.next()) {
            if (t.type == T::Whitespace)
                continue;
            if (t.type != T::Function || !cssNameIs(m_text, t, "var")) {
                if (out.size() >= MaxValueTokens)
                    return {true, true};
                out.push_back(t);
                continue;
            }
            // var( --name [, fallback] )
            CssToken name = tokens.next();
            while (name.type == T::Whitespace)
                name = tokens.next();
            if (name.type != T::Ident || name.nameEnd - name.nameBegin < 2 ||
                m_text.substr(name.nameBegin, 2) != "--")
                return {false, false};
            CssToken after = tokens.next();
            while (after.type == T::Whitespace)
                after = tokens.next();
            std::size_t fallbackBegin = 0;
            std::size_t fallbackEnd = 0;
            const bool hasFallback = after.type == T::Comma;
            if (hasFallback) {
                fallbackBegin = fallbackEnd = after.end;
                int depthInside = 0;
                for (CssToken f = tokens.next(); f.type != T::End; f = tokens.next()) {
                    if (f.type == T::CloseParen && depthInside == 0)
                        break;
                    if (opensBlock(f.type))
                        ++depthInside;
                    else if (f.type == T::CloseParen || f.type == T::CloseSquare ||
                             f.type == T::CloseCurly)
                        depthInside = std::max(0, depthInside - 1);
                    fallbackEnd = f.end;
                }
            } else if (after.type != T::CloseParen && after.type != T::End) {
                return {false, false};
            }
            CustomProperty* p = resolve(cssName(m_text, name), depth + 1);
            if (p) {
                if (p->tokens.size() + out.size() > MaxValueTokens || p->tooLong)
                    return {true, true};
                out.insert(out.end(), p->tokens.begin(), p->tokens.end());
            } else if (hasFallback) {
                const Substituted s = substitute(fallbackBegin, fallbackEnd, out, depth + 1);
                if (!s.valid || s.tooLong)
                    return s;
            } else {
                return {false, false};
            }
        }
        return {};
    }

    // The custom property's value with its var() replaced; nullptr where it is missing,
    // unreadable or part of a cycle (then every property of the cycle is).
    CustomProperty* resolve(const std::string& name, int depth)
    {
        const auto it = m_custom.find(name);
        if (it == m_custom.end())
            return nullptr;
        CustomProperty& p = it->second;
        switch (p.state) {
        case CustomProperty::State::Resolved:
            return &p;
        case CustomProperty::State::Invalid:
            return nullptr;
        case CustomProperty::State::Resolving: {
            const auto from = std::find(m_resolving.begin(), m_resolving.end(), &p);
            for (auto q = from; q != m_resolving.end(); ++q)
                (*q)->inCycle = true;
            return nullptr;
        }
        case CustomProperty::State::Unresolved:
            break;
        }
        p.state = CustomProperty::State::Resolving;
        m_resolving.push_back(&p);
        const Substituted s = substitute(p.value.begin, p.value.end, p.tokens, depth);
        m_resolving.pop_back();
        p.tooLong = s.tooLong;
        p.state = s.valid && !p.inCycle ? CustomProperty::State::Resolved
                                        : CustomProperty::State::Invalid;
        return p.state == CustomProperty::State::Resolved ? &p : nullptr;
    }

    std::optional<ColorValue> evaluate(const Candidate& c)
    {
        Tokens tokens;
        if (c.value.usesVar) {
            const Substituted s = substitute(c.value.begin, c.value.end, tokens, 0);
            if (!s.valid || s.tooLong)
                return std::nullopt;
        } else if (!appendTokens(m_text, c.value.begin, c.value.end, tokens)) {
            return std::nullopt;
        }
        return c.shorthand ? backgroundColor(m_text, tokens) : wholeColor(m_text, tokens);
    }

    // The declaration that wins: !important first, then a:link over a, then the later one;
    // one that gives no colour is passed over.
    std::optional<ColorValue> winner(const std::vector<Candidate>& candidates)
    {
        for (const bool important : {true, false}) {
            for (const int specificity : {1, 0}) {
                for (auto c = candidates.rbegin(); c != candidates.rend(); ++c) {
                    if (c->value.important != important || c->specificity != specificity)
                        continue;
                    if (const std::optional<ColorValue> color = evaluate(*c))
                        return color;
                }
            }
        }
        return std::nullopt;
    }

    std::string_view m_text;
    CssTokenizer m_tokens;
    // One token of look-ahead: a declaration is told from a nested rule by what follows.
    CssToken m_peeked;
    bool m_hasPeeked = false;
    std::vector<T> m_closers; // the blocks open around the current token: no recursion
    // Every declaration that may set a slot, in order; they are weighed at the end, when all
    // custom properties are known.
    std::vector<Candidate> m_candidates[SlotCount];
    std::unordered_map<std::string, CustomProperty> m_custom;
    std::vector<CustomProperty*> m_resolving;
};

// The text as one colour: a trailing ";" and one pair of quotes around it dropped.
std::optional<ColorValue> singleColor(std::string_view text)
{
    std::string_view s = trimmed(text);
    bool semicolon = false;
    auto dropSemicolon = [&] {
        if (!semicolon && !s.empty() && s.back() == ';') {
            s = trimmed(s.substr(0, s.size() - 1));
            semicolon = true;
        }
    };
    dropSemicolon();
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        s = trimmed(s.substr(1, s.size() - 2));
    dropSemicolon();

    Tokens tokens;
    const std::size_t offset = static_cast<std::size_t>(s.data() - text.data());
    if (!appendTokens(text, offset, offset + s.size(), tokens) || tokens.empty())
        return std::nullopt;
    if (const std::optional<ColorValue> c = wholeColor(text, tokens))
        return c;
    // name: colour [!important]
    if (tokens.size() < 3 || tokens[0].type != T::Ident || tokens[1].type != T::Colon)
        return std::nullopt;
    if (tokens.size() >= 5 && tokens.back().type == T::Ident &&
        cssNameIs(text, tokens.back(), "important") && tokens[tokens.size() - 2].type == T::Delim &&
        tokens[tokens.size() - 2].delim == '!')
        tokens.resize(tokens.size() - 2);
    return wholeColor(text, tokens, 2);
}

} // namespace

std::optional<ColorValue> readCssColor(std::string_view text)
{
    Tokens tokens;
    if (!appendTokens(text, 0, text.size(), tokens))
        return std::nullopt;
    return wholeColor(text, tokens);
}

CssPasteResult readCssPaste(std::string_view text)
{
    CssPasteResult result;
    if (const std::optional<ColorValue> c = singleColor(text)) {
        result.kind = CssPasteResult::Kind::EditorColor;
        result.editorColor = *c;
        return result;
    }
    result.slotColors = SheetReader(text).read();
    if (std::any_of(result.slotColors.begin(), result.slotColors.end(),
                    [](const std::optional<ColorValue>& c) { return c.has_value(); }))
        result.kind = CssPasteResult::Kind::SlotColors;
    return result;
}
