#pragma once

#include "legibility_fix.h"

#include <optional>

// A dark counterpart of a page's colours: the light set turned around in lightness, then
// moved as little as possible (summed OKLab distance) until all seven pairs pass.

// Where a dark background's OKLab lightness must lie.
inline constexpr double DarkBackgroundLowest = 0.12;
inline constexpr double DarkBackgroundHighest = 0.30;
// Hues are kept within this many degrees for colours at least this chromatic before and
// after; a less chromatic colour shows no hue worth keeping.
inline constexpr double DarkHueTolerance = 10;
inline constexpr double DarkHueMinChroma = 0.05;

// OKLCH lightness L turned into 1 - L, then brought into [lowest, highest]; the hue kept
// and the chroma as far as sRGB holds it at that lightness.
ColorValue mirroredColor(ColorValue color, double lowest = 0, double highest = 1);

// Every colour mirrored; the background's lightness brought into the dark range.
BodyColorSet mirroredSet(const BodyColorSet& light);

// Every colour mirrored alone, the background as well: what lightness inversion gives.
BodyColorSet invertedSet(const BodyColorSet& light);

// The dark set nearest to mirroredSet(light) in which all seven pairs pass at the level,
// with a background in the dark range and every hue kept; where the mirrored background
// leaves no room, the background is darkened or made less chromatic by the least amount
// that does. nullopt where no dark background can make them pass (at AAA: never, since
// even black leaves a link no luminance that is 7:1 on it and 3:1 from the text).
std::optional<BodyColorSet> deriveDarkSet(const BodyColorSet& light, FixLevel level);
