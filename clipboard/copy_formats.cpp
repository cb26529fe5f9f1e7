#include "copy_formats.h"

#include "named_color_table.h"

#include <array>
#include <string_view>

namespace {

using ColorTexts = std::array<std::string, SlotCount>;

ColorTexts colorTexts(const BodyColorSet& colors, bool useNames, bool lowerHex)
{
    ColorTexts texts;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const ColorValue c = colors[slot];
        texts[slot] = useNames ? WebColorName(c) : lowerHex ? colorHexLower(c) : colorHex(c);
    }
    return texts;
}

std::string bodyTag(const ColorTexts& t)
{
    return "<BODY BGCOLOR=\"" + t[BGCOLOR] + "\" TEXT=\"" + t[TEXT] + "\" LINK=\"" + t[LINK] +
           "\" VLINK=\"" + t[VLINK] + "\" ALINK=\"" + t[ALINK] + "\">";
}

std::string cssRules(const ColorTexts& t)
{
    // Selectors are padded to ten characters so the braces line up; A and A:link share LINK.
    constexpr std::string_view rule = "; }\n";
    std::string text;
    text.append("body { background: ").append(t[BGCOLOR]).append("; color: ").append(t[TEXT]);
    text.append(rule);
    text.append("A         { color: ").append(t[LINK]).append(rule);
    text.append("A:link    { color: ").append(t[LINK]).append(rule);
    text.append("A:visited { color: ").append(t[VLINK]).append(rule);
    text.append("A:active  { color: ").append(t[ALINK]).append(rule);
    return text;
}

} // namespace

std::string singleColorCopyText(ColorValue editorColor, bool useNames, bool quotes)
{
    // Neither a name nor a hex form can hold a double quote, so none needs doubling.
    const std::string text = useNames ? WebColorName(editorColor) : colorHex(editorColor);
    return quotes ? '"' + text + '"' : text;
}

std::string wholeCopyText(const BodyColorSet& colors, bool useCss, bool useNames)
{
    if (useCss)
        return cssRules(colorTexts(colors, useNames, true));
    return bodyTag(colorTexts(colors, useNames, false));
}
