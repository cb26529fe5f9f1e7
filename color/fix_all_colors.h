#pragma once

#include "legibility_fix.h"

#include <optional>

namespace LegibilitySearch {

struct PassingSet {
    BodyColorSet colors;
    double change; // the sum of the four foregrounds' deltaEOK from the colours given
};

// BGCOLOR kept and TEXT, LINK, VLINK and ALINK chosen from the range so that all seven pairs
// pass at the level, with a sum of the four distances within 2 % of the least such sum;
// searched even when the colours pass already. Nullopt when no colours of the range make
// all seven pass against this background. For callers that weigh one background against
// another by the change each asks of the other four colours.
std::optional<PassingSet> nearestPassingSet(const BodyColorSet& colors, FixLevel level,
                                            const ColorRange& range = {});

} // namespace LegibilitySearch
