#pragma once

#include "body_colors.h"

#include <string_view>

struct PasteResult {
    enum class Kind { Nothing, EditorColor, BodyColors } kind = Kind::Nothing;
    ColorValue editorColor = 0;    // Kind::EditorColor: the colour for the editor
    BodyColorSet bodyColors{};     // Kind::BodyColors: all five slots, black where unreadable
    bool anyAttributeRead = false; // Kind::BodyColors: some attribute gave a hex value or a name

    bool operator==(const PasteResult&) const = default;
};

// Reads a pasted single colour ("#RRGGBB", optionally quoted), a colour name or a BODY tag
// (anywhere in a whole HTML page). The text is taken as bytes up to its first NUL; bytes
// outside ASCII are never letters, digits or white space. Runs in time linear in the text.
PasteResult parsePaste(std::string_view clipboardUtf8);
