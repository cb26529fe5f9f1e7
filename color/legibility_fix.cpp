#include "legibility_fix.h"

#include "fix_all_colors.h"
#include "nearest_color_search.h"

#include <algorithm>

using LegibilitySearch::clampedToCube;
using LegibilitySearch::nearestPassingSet;
using LegibilitySearch::nearestWithKey;
using LegibilitySearch::passingKeys;

int requiredHundredths(ColorSlot background, FixLevel level)
{
    if (background != BGCOLOR)
        return 300;
    return level == FixLevel::AA ? 450 : 700;
}

bool rowPasses(const LegibilityRow& row, FixLevel level)
{
    return row.hundredths >= requiredHundredths(row.background, level);
}

bool allPairsPass(const BodyColorSet& colors, FixLevel level)
{
    const LegibilityTable table = legibilityTable(colors);
    return std::all_of(table.begin(), table.end(),
                       [&](const LegibilityRow& row) { return rowPasses(row, level); });
}

std::optional<ColorValue> nearestPassingColor(ColorValue foreground, ColorValue other,
                                              int hundredths, const ColorRange& range)
{
    const auto found = nearestWithKey(foreground, passingKeys(luminanceKey(other), hundredths),
                                      clampedToCube(range));
    if (!found)
        return std::nullopt;
    return found->color;
}

LegibilitySuggestions legibilitySuggestions(const LegibilityTable& table, FixLevel level)
{
    LegibilitySuggestions suggestions{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const LegibilityRow& row = table[i];
        if (!rowPasses(row, level))
            suggestions[i] = nearestPassingColor(row.foregroundColor, row.backgroundColor,
                                                 requiredHundredths(row.background, level));
    }
    return suggestions;
}

std::optional<BodyColorSet> fixAllColors(const BodyColorSet& colors, FixLevel level,
                                         const ColorRange& range)
{
    if (allPairsPass(colors, level))
        return colors;
    return nearestPassingSet(colors, level, range);
}
