#pragma once

#include "body_colors.h"
#include "css_cascade.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// What a paste of CSS gives: one colour for the editor, or the colours of a style sheet or
// page as a browser draws them, in a light and a dark reading.
struct CssPasteResult {
    enum class Kind { Nothing, EditorColor, SlotColors } kind = Kind::Nothing;
    ColorValue editorColor = 0; // Kind::EditorColor
    // Kind::SlotColors: the light reading's slots that an author's rule decides.
    std::array<std::optional<ColorValue>, SlotCount> slotColors;
    CssReading light;           // all five colours of each reading, and which the author decides
    CssReading dark;            // with prefers-color-scheme: dark and html's theme markers
    bool hasDarkScheme = false; // some colour differs between the two readings
    std::string stylesheetHref; // a page's first <link rel="stylesheet">, not followed

    bool operator==(const CssPasteResult&) const = default;
};

// The colour a browser draws for one CSS colour text (white space around it allowed):
// hex, the named colours, rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), color(),
// light-dark() as a light page reads it. Alpha is read and dropped; a colour outside sRGB is
// clipped. transparent, currentcolor and the system colours give nothing: none is the colour
// of a page body.
std::optional<ColorValue> readCssColor(std::string_view text);

// A pasted text: one colour (quoted, with a ";", or as one declaration "name: colour"), or
// else a style sheet or an HTML page, read by the cascade. Linear in the length of the text.
CssPasteResult readCssPaste(std::string_view text);
