#pragma once

#include "legibility_fix.h"

#include <optional>

namespace LegibilitySearch {

// BGCOLOR kept and TEXT, LINK, VLINK and ALINK chosen from the range so that all seven pairs
// pass at the level, with a sum of the four distances (deltaEOK from the colours given)
// within 2 % of the least such sum. Nullopt when no colours of the range make all seven
// pass against this background.
std::optional<BodyColorSet> nearestPassingSet(const BodyColorSet& colors, FixLevel level,
                                              const ColorRange& range = {});

} // namespace LegibilitySearch
