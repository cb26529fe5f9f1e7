#include "css_reader.h"

#include "css_color.h"
#include "css_html.h"

#include <algorithm>

namespace {

using T = CssTokenType;

// More significant tokens than one colour needs: a longer text is no single colour.
constexpr std::size_t MaxColorTokens = 64;

// The significant tokens of a short text; false when it is longer than one colour can be.
bool significantTokens(const CssTokenList& list, CssValueTokens& out)
{
    for (const CssToken& t : list.tokens) {
        if (t.type == T::Whitespace || t.type == T::End)
            continue;
        if (out.size() >= MaxColorTokens)
            return false;
        out.push_back(t);
    }
    return true;
}

std::optional<ColorValue> plainColor(const CssValueTokens& tokens, std::size_t from = 0)
{
    if (from < tokens.size() && tokens[from].type == T::Ident &&
        cssNameIs(tokens[from], "transparent"))
        return std::nullopt;
    CssColorContext context;
    const std::optional<CssRgba> c = cssWholeColor(tokens, context, from);
    return c ? std::optional<ColorValue>(c->rgb) : std::nullopt;
}

// The text as one colour: a trailing ";" and one pair of quotes around it dropped.
std::optional<ColorValue> singleColor(std::string_view text)
{
    std::string_view s = trimmedCssSpace(text);
    if (s.size() > 4096)
        return std::nullopt;
    bool semicolon = false;
    auto dropSemicolon = [&] {
        if (!semicolon && !s.empty() && s.back() == ';') {
            s = trimmedCssSpace(s.substr(0, s.size() - 1));
            semicolon = true;
        }
    };
    dropSemicolon();
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        s = trimmedCssSpace(s.substr(1, s.size() - 2));
    dropSemicolon();

    const CssTokenList list = tokenizeCss(s);
    CssValueTokens tokens;
    if (!significantTokens(list, tokens) || tokens.empty())
        return std::nullopt;
    if (const std::optional<ColorValue> c = plainColor(tokens))
        return c;
    // name: colour [!important]
    if (tokens.size() < 3 || tokens[0].type != T::Ident || tokens[1].type != T::Colon)
        return std::nullopt;
    if (tokens.size() >= 5 && tokens.back().type == T::Ident &&
        cssNameIs(tokens.back(), "important") && tokens[tokens.size() - 2].type == T::Delim &&
        tokens[tokens.size() - 2].delim == '!')
        tokens.resize(tokens.size() - 2);
    return plainColor(tokens, 2);
}

} // namespace

std::optional<ColorValue> readCssColor(std::string_view text)
{
    const CssTokenList list = tokenizeCss(text);
    CssValueTokens tokens;
    if (!significantTokens(list, tokens))
        return std::nullopt;
    return plainColor(tokens);
}

CssPasteResult readCssPaste(std::string_view text)
{
    CssPasteResult result;
    if (const std::optional<ColorValue> c = singleColor(text)) {
        result.kind = CssPasteResult::Kind::EditorColor;
        result.editorColor = *c;
        return result;
    }
    CssSheet sheet;
    if (looksLikeHtml(text))
        result.stylesheetHref = addHtmlPage(text, sheet);
    else
        sheet.addStyleSheet(text);
    sheet.finish();
    const std::array<CssReading, 2> readings = cascadeCss(sheet);
    result.light = readings[0];
    result.dark = readings[1];
    result.hasDarkScheme = result.light.colors != result.dark.colors;
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (result.light.decided[slot])
            result.slotColors[slot] = result.light.colors[slot];
    }
    const auto any = [](const CssReading& r) {
        return std::any_of(r.decided.begin(), r.decided.end(), [](bool d) { return d; });
    };
    if (any(result.light) || any(result.dark))
        result.kind = CssPasteResult::Kind::SlotColors;
    return result;
}
