#pragma once

#include "legibility.h"

#include <array>
#include <optional>

// Colours that make failing pairs pass with as little change as the eye can tell: the
// distance is OKLab's (deltaEOK), and a pair passes by the truncated hundredths the window
// shows, so a colour offered here never shows a failing verdict.

enum class FixLevel { AA, AAA };

// What a pair must show: 450 (AA) or 700 (AAA) against BGCOLOR, 300 for a link against
// TEXT at either level.
int requiredHundredths(ColorSlot background, FixLevel level);
bool rowPasses(const LegibilityRow& row, FixLevel level);
// Whether all seven pairs of the colours pass at the level.
bool allPairsPass(const BodyColorSet& colors, FixLevel level);

// The colours a search may return: every channel within [low, high], all 16,777,216 by
// default. A narrower range lets a test weigh the search against one that tries every colour.
struct ColorRange {
    std::array<int, 3> low{0, 0, 0}; // red, green, blue
    std::array<int, 3> high{255, 255, 255};
};

// The colour of the range nearest to `foreground` whose pair with `other` shows at least
// `hundredths`: the foreground itself when it passes and lies in the range, nullopt when
// no colour of the range passes. Exact: no colour of the range is nearer.
std::optional<ColorValue> nearestPassingColor(ColorValue foreground, ColorValue other,
                                              int hundredths, const ColorRange& range = {});

// For each row that fails at the level, its nearest passing foreground, the other colour
// unchanged; nothing for a passing row or where no colour passes.
LegibilitySuggestions legibilitySuggestions(const LegibilityTable& table, FixLevel level);

// BGCOLOR kept and TEXT, LINK, VLINK and ALINK chosen so that all seven pairs pass at the
// level, with a sum of the four distances from the present colours within 2 % of the least
// such sum; the colours unchanged when they already pass; nullopt when no colours of the
// range make all seven pass against this background.
std::optional<BodyColorSet> fixAllColors(const BodyColorSet& colors, FixLevel level,
                                         const ColorRange& range = {});
