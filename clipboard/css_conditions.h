#pragma once

#include "css_tokenizer.h"

// @media and @supports as a desktop screen answers them: a 1280 x 720 CSS pixel viewport at
// 1 dppx, landscape, a fine pointer that hovers, no preference for reduced motion, contrast
// or transparency; the colour scheme preferred is dark in the dark reading.

// A media query list, tokens [begin, end) of an @media prelude.
bool cssMediaMatches(const CssToken* begin, const CssToken* end, bool dark);

// An @supports condition: true for what the reader itself computes (the colours it reads, a
// selector() it matches, custom properties, color-scheme).
bool cssSupports(const CssToken* begin, const CssToken* end);
