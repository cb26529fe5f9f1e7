#pragma once

#include "body_colors.h"
#include "css_tokenizer.h"

#include <optional>
#include <string_view>
#include <vector>

// A colour with its alpha, as CSS computes it before it is drawn.
struct CssRgba {
    ColorValue rgb = 0;
    double alpha = 1; // 0 transparent to 1 opaque
    bool operator==(const CssRgba&) const = default;
};

// What the keywords of a colour mean where it is used.
struct CssColorContext {
    bool keywords = false;    // currentcolor and the system colours; off: they are no colour
    bool dark = false;        // the used colour scheme of the element, for light-dark() too
    CssRgba currentColor;     // the element's own colour (its parent's, inside `color`)
    bool usedCurrent = false; // set when currentcolor was read
};

// Significant tokens only: white space is dropped before a value is read.
using CssValueTokens = std::vector<CssToken>;

// The colour that starts at tokens[i]; i moves past it.
std::optional<CssRgba> cssColorAt(const CssValueTokens& tokens, std::size_t& i,
                                  CssColorContext& context);
// The tokens from `from` on are exactly one colour.
std::optional<CssRgba> cssWholeColor(const CssValueTokens& tokens, CssColorContext& context,
                                     std::size_t from = 0);
// The colour of a background shorthand: its last layer's colour, or transparent without one;
// nullopt when the value is no background.
std::optional<CssRgba> cssBackgroundColor(const CssValueTokens& tokens, CssColorContext& context);
// A system colour by its name (any case), as Chromium draws it in a light or dark scheme.
std::optional<ColorValue> cssSystemColor(std::string_view name, bool dark);
