#pragma once

#include "body_colors.h"

#include <array>
#include <optional>
#include <string_view>

// What a paste of CSS gives: one colour for the editor, or the colours of some slots.
struct CssPasteResult {
    enum class Kind { Nothing, EditorColor, SlotColors } kind = Kind::Nothing;
    ColorValue editorColor = 0;                                  // Kind::EditorColor
    std::array<std::optional<ColorValue>, SlotCount> slotColors; // Kind::SlotColors: the ones read

    bool operator==(const CssPasteResult&) const = default;
};

// The colour a browser draws for one CSS colour text (white space around it allowed):
// hex, the named colours, rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), color().
// Alpha is read and dropped; a colour outside sRGB is clipped. transparent, currentcolor
// and the system colours give nothing: none is the colour of a page body.
std::optional<ColorValue> readCssColor(std::string_view text);

// A pasted text: one colour (quoted, with a ";", or as one declaration "name: colour"), or
// else a style sheet whose top-level rules for body, a, a:link, a:visited and a:active give
// slot colours, with custom properties resolved. Linear in the length of the text.
CssPasteResult readCssPaste(std::string_view text);
