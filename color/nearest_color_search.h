#pragma once

#include "luminance_key_sets.h"

#include <limits>
#include <optional>

namespace LegibilitySearch {

struct NearestColor {
    ColorValue color;
    double distance; // deltaEOK from the target
};

// Channels beyond 0..255 mean their ends.
ColorRange clampedToCube(const ColorRange& range);

// The colour of the range (within 0..255) nearest to `target` in OKLab whose luminance key
// lies in `allowed`, when nearer than `limit`: the target itself when it qualifies. Exact:
// no colour of the range with an allowed key is nearer.
std::optional<NearestColor> nearestWithKey(ColorValue target, const KeySet& allowed,
                                           const ColorRange& range,
                                           double limit = std::numeric_limits<double>::infinity());

} // namespace LegibilitySearch
