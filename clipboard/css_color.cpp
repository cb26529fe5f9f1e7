#include "css_color.h"

#include "color_spaces.h"
#include "named_color_table.h"

#include <algorithm>
#include <string>
#include <utility>

namespace {

using ColorSpaces::Triple;
using T = CssTokenType;
using Tokens = CssValueTokens;

T closerOf(T opener)
{
    return opener == T::OpenSquare  ? T::CloseSquare
           : opener == T::OpenCurly ? T::CloseCurly
                                    : T::CloseParen;
}

// The 148 named colours of CSS: the table's names (but its own "honeydewtab") and these.
std::optional<ColorValue> namedColor(const CssToken& token)
{
    std::string name(token.value());
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
std::optional<ColorValue> hexColor(const CssToken& token)
{
    const std::string_view digits = token.value();
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

// The alpha digits of #rgba and #rrggbbaa; opaque without them.
double hexAlpha(const CssToken& token)
{
    const std::string_view d = token.value();
    if (d.size() == 4)
        return hexValue(d[3]) * 17 / 255.0;
    if (d.size() == 8)
        return (hexValue(d[6]) * 16 + hexValue(d[7])) / 255.0;
    return 1;
}

// The arguments of a colour function, as read before their function's rules are checked.
enum class Arg { Number, Percent, Angle, None, Comma, Slash };
struct Argument {
    Arg kind;
    double value; // angles in degrees
};

std::optional<double> angleInDegrees(const CssToken& token)
{
    const double v = token.number;
    if (cssNameIs(token, "deg"))
        return v;
    if (cssNameIs(token, "grad"))
        return v * 0.9;
    if (cssNameIs(token, "rad"))
        return v * (180 / 3.14159265358979323846);
    if (cssNameIs(token, "turn"))
        return v * 360;
    return std::nullopt;
}

enum class Function { Rgb, Hsl, Hwb, Lab, Lch, Oklab, Oklch, Color };

std::optional<Function> colorFunction(const CssToken& token)
{
    static constexpr std::pair<std::string_view, Function> names[] = {
        {"rgb", Function::Rgb},     {"rgba", Function::Rgb},    {"hsl", Function::Hsl},
        {"hsla", Function::Hsl},    {"hwb", Function::Hwb},     {"lab", Function::Lab},
        {"lch", Function::Lch},     {"oklab", Function::Oklab}, {"oklch", Function::Oklch},
        {"color", Function::Color},
    };
    return cssKeyword(token.value(), names);
}

std::optional<ColorSpaces::RgbSpace> predefinedRgb(const CssToken& token)
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
    return cssKeyword(token.value(), names);
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

// The three components and the alpha of a colour function's arguments: either the
// comma-separated legacy form or the modern one with its optional "/ alpha".
bool splitArguments(Function fn, const Argument (&args)[8], std::size_t count,
                    Argument (&components)[3], bool& legacy, std::optional<Argument>& alpha)
{
    if (count >= 2 && args[1].kind == Arg::Comma) {
        // rgb(r, g, b[, a]) and hsl(h, s, l[, a]): commas between all, no none, no slash.
        legacy = true;
        if ((fn != Function::Rgb && fn != Function::Hsl) || (count != 5 && count != 7) ||
            args[3].kind != Arg::Comma || (count == 7 && args[5].kind != Arg::Comma))
            return false;
        components[0] = args[0];
        components[1] = args[2];
        components[2] = args[4];
        if (count == 7)
            alpha = args[6];
        for (const Argument& a : components) {
            if (a.kind == Arg::None)
                return false;
        }
        if (alpha && !isNumberOrPercent(*alpha, false))
            return false;
    } else {
        if (count != 3 && count != 5)
            return false;
        for (std::size_t k = 0; k < 3; ++k)
            components[k] = args[k];
        if (count == 5) {
            if (args[3].kind != Arg::Slash || !isNumberOrPercent(args[4], true))
                return false;
        }
    }
    for (const Argument& a : components) {
        if (a.kind == Arg::Comma || a.kind == Arg::Slash)
            return false;
    }
    if (!legacy && count == 5)
        alpha = args[4];
    return true;
}

// A colour function from the Function token at tokens[i]; i moves past its ")".
std::optional<CssRgba> functionColor(const Tokens& tokens, std::size_t& i)
{
    const std::optional<Function> f = colorFunction(tokens[i]);
    if (!f)
        return std::nullopt;
    ++i;
    ColorSpace space;
    if (*f == Function::Color) {
        if (i >= tokens.size() || tokens[i].type != T::Ident)
            return std::nullopt;
        space.rgb = predefinedRgb(tokens[i]);
        space.xyzD50 = cssNameIs(tokens[i], "xyz-d50");
        if (!space.rgb && !space.xyzD50 && !cssNameIs(tokens[i], "xyz") &&
            !cssNameIs(tokens[i], "xyz-d65"))
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
            a = {Arg::Number, t.number};
            break;
        case T::Percentage:
            a = {Arg::Percent, t.number};
            break;
        case T::Dimension: {
            const std::optional<double> degrees = angleInDegrees(t);
            if (!degrees)
                return std::nullopt;
            a = {Arg::Angle, *degrees};
            break;
        }
        case T::Ident:
            if (!cssNameIs(t, "none"))
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

    Argument components[3];
    bool legacy = false;
    std::optional<Argument> alpha;
    if (!splitArguments(*f, args, count, components, legacy, alpha))
        return std::nullopt;
    const std::optional<Triple> srgb = functionSrgb(*f, space, components, legacy);
    if (!srgb)
        return std::nullopt;
    const double opacity = alpha ? std::clamp(channel(*alpha, 1), 0.0, 1.0) : 1.0;
    return CssRgba{ColorSpaces::toColorValue(*srgb), opacity};
}

// light-dark(a, b): the first for a light scheme, the second for a dark one.
std::optional<CssRgba> lightDark(const Tokens& tokens, std::size_t& i, CssColorContext& context)
{
    ++i;
    std::optional<CssRgba> light = cssColorAt(tokens, i, context);
    if (!light || i >= tokens.size() || tokens[i].type != T::Comma)
        return std::nullopt;
    ++i;
    std::optional<CssRgba> dark = cssColorAt(tokens, i, context);
    if (!dark || (i < tokens.size() && tokens[i].type != T::CloseParen))
        return std::nullopt;
    if (i < tokens.size())
        ++i;
    return context.dark ? dark : light;
}

std::optional<CssRgba> keywordColor(const CssToken& t, CssColorContext& context)
{
    if (cssNameIs(t, "transparent"))
        return CssRgba{0, 0};
    if (!context.keywords)
        return std::nullopt;
    if (cssNameIs(t, "currentcolor")) {
        context.usedCurrent = true;
        return context.currentColor;
    }
    if (const std::optional<ColorValue> c = cssSystemColor(t.value(), context.dark))
        return CssRgba{*c, 1};
    return std::nullopt;
}

// The keywords of the background shorthand's other components.
bool backgroundKeyword(std::string_view word)
{
    static constexpr std::string_view words[] = {
        "none",       "repeat",      "repeat-x",    "repeat-y", "no-repeat", "space",
        "round",      "scroll",      "fixed",       "local",    "left",      "right",
        "top",        "bottom",      "center",      "auto",     "cover",     "contain",
        "border-box", "padding-box", "content-box", "text"};
    return std::any_of(std::begin(words), std::end(words),
                       [&](std::string_view w) { return cssNameIs(word, w); });
}

} // namespace

std::optional<CssRgba> cssColorAt(const Tokens& tokens, std::size_t& i, CssColorContext& context)
{
    if (i >= tokens.size())
        return std::nullopt;
    const CssToken& t = tokens[i];
    switch (t.type) {
    case T::Hash:
        ++i;
        if (const std::optional<ColorValue> c = hexColor(t))
            return CssRgba{*c, hexAlpha(t)};
        return std::nullopt;
    case T::Ident:
        ++i;
        if (const std::optional<ColorValue> c = namedColor(t))
            return CssRgba{*c, 1};
        return keywordColor(t, context);
    case T::Function:
        if (cssNameIs(t, "light-dark"))
            return lightDark(tokens, i, context);
        return functionColor(tokens, i);
    default:
        return std::nullopt;
    }
}

std::optional<CssRgba> cssWholeColor(const Tokens& tokens, CssColorContext& context,
                                     std::size_t from)
{
    std::size_t i = from;
    const std::optional<CssRgba> color = cssColorAt(tokens, i, context);
    return color && i == tokens.size() ? color : std::nullopt;
}

// The colour of a background shorthand: one colour component, in its last layer.
std::optional<CssRgba> cssBackgroundColor(const Tokens& tokens, CssColorContext& context)
{
    std::optional<CssRgba> found;
    std::size_t layerStart = 0; // the colour belongs to the last layer only
    int depth = 0;
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const T type = tokens[k].type;
        if (cssOpensBlock(type))
            ++depth;
        else if (type == T::CloseParen || type == T::CloseSquare || type == T::CloseCurly)
            depth = std::max(0, depth - 1);
        else if (type == T::Comma && depth == 0)
            layerStart = k + 1;
    }
    std::vector<T> closers;
    for (std::size_t i = 0; i < tokens.size();) {
        const CssToken& t = tokens[i];
        if (t.type == T::Comma) {
            ++i;
            continue;
        }
        const bool lastLayer = i >= layerStart;
        std::size_t next = i;
        if (const std::optional<CssRgba> c = cssColorAt(tokens, next, context)) {
            if (found || !lastLayer)
                return std::nullopt;
            found = c;
            i = next;
            continue;
        }
        if (t.type == T::Ident && !backgroundKeyword(t.value()))
            return std::nullopt; // no background: the declaration is invalid
        // Pass over one component: a token, or a block with everything inside it.
        if (cssOpensBlock(t.type)) {
            closers.assign(1, closerOf(t.type));
            for (++i; i < tokens.size() && !closers.empty(); ++i) {
                if (tokens[i].type == closers.back())
                    closers.pop_back();
                else if (cssOpensBlock(tokens[i].type))
                    closers.push_back(closerOf(tokens[i].type));
            }
        } else {
            ++i;
        }
    }
    return found ? found : CssRgba{0, 0};
}

std::optional<ColorValue> cssSystemColor(std::string_view name, bool dark)
{
    struct System {
        std::string_view name;
        std::uint32_t light;
        std::uint32_t dark;
    };
    // Chromium's own values (0xRRGGBB), measured in its light and dark colour schemes.
    static constexpr System systemColors[] = {
        {"canvas", 0xFFFFFF, 0x121212},
        {"canvastext", 0x000000, 0xFFFFFF},
        {"linktext", 0x0000EE, 0x9E9EFF},
        {"visitedtext", 0x551A8B, 0xD0ADF0},
        {"activetext", 0xFF0000, 0xFF9E9E},
        {"buttonface", 0xEFEFEF, 0x6B6B6B},
        {"buttontext", 0x000000, 0xFFFFFF},
        {"buttonborder", 0x767676, 0x6B6B6B},
        {"field", 0xFFFFFF, 0x3B3B3B},
        {"fieldtext", 0x000000, 0xFFFFFF},
        {"highlight", 0xB5D5FF, 0x99C8FF},
        {"highlighttext", 0x000000, 0x000000},
        {"selecteditem", 0x0075FF, 0x99C8FF},
        {"selecteditemtext", 0xFFFFFF, 0x3B3B3B},
        {"mark", 0xFFFF00, 0x664C00},
        {"marktext", 0x000000, 0xFFFFFF},
        {"graytext", 0x808080, 0x808080},
        {"accentcolor", 0x0075FF, 0x99C8FF},
        {"accentcolortext", 0xFFFFFF, 0x000000},
    };
    for (const System& s : systemColors) {
        if (cssNameIs(name, s.name))
            return swapWebOrder(dark ? s.dark : s.light);
    }
    return std::nullopt;
}
