#pragma once

#include "body_colors.h"

#include <string>

// The single colour copy: "#RRGGBB" (the hex label's caption) or the colour's name,
// optionally between double quotes. No line end.
std::string singleColorCopyText(ColorValue editorColor, bool useNames, bool quotes);

// The whole copy: one BODY tag without a line end, or five CSS rules each ended by LF.
// Hex values are upper case in the BODY tag and lower case in the CSS rules; with names,
// a colour without a keyword that browsers know falls back to its upper-case hex form in both.
std::string wholeCopyText(const BodyColorSet& colors, bool useCss, bool useNames);
