#pragma once

#include "legibility_fix.h"

#include <optional>

// What すべて修正 offers when no colours make all seven pairs pass against the present
// background: the background nearest to it (OKLab, in its hue, lightness and chroma moved)
// that lets them pass, with TEXT, LINK, VLINK and ALINK as fixAllColors chooses them
// against it; fixAllColors' own answer when the present background already lets them pass;
// nullopt when no background does (at AAA, none ever: a link cannot be 7:1 on any
// background and 3:1 from a text that is 7:1 on it too).
std::optional<BodyColorSet> nearestLegibleBackground(const BodyColorSet& colors, FixLevel level);
