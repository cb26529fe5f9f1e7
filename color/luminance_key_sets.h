#pragma once

#include "legibility_fix.h"

#include <array>
#include <optional>

// Contrast depends on luminance alone, so every pair bounds one colour's luminance key to
// at most two intervals (dark enough or light enough). The searches look for colours whose
// key lies in such a set; the sets come from the very function the window's ratio comes
// from, so a colour found in one never shows a lower ratio than the level asked.
namespace LegibilitySearch {

// Closed intervals of luminance keys, ascending and apart.
struct KeySet {
    struct Interval {
        double low, high;
    };
    std::array<Interval, 4> parts{};
    int count = 0;

    void add(double low, double high)
    {
        if (low <= high && count < static_cast<int>(parts.size()))
            parts[static_cast<std::size_t>(count++)] = {low, high};
    }
    bool empty() const { return count == 0; }
    bool contains(double key) const
    {
        for (int i = 0; i < count; ++i) {
            if (key >= parts[static_cast<std::size_t>(i)].low &&
                key <= parts[static_cast<std::size_t>(i)].high)
                return true;
        }
        return false;
    }
    // Whether some key of [low, high] lies in the set.
    bool meets(double low, double high) const
    {
        for (int i = 0; i < count; ++i) {
            if (low <= parts[static_cast<std::size_t>(i)].high &&
                high >= parts[static_cast<std::size_t>(i)].low)
                return true;
        }
        return false;
    }
};

using KeyInterval = KeySet::Interval;

KeySet intersect(const KeySet& a, const KeySet& b);

// The keys darker and lighter than a colour of key `other` whose pair with it shows at
// least `hundredths`; nullopt when there are none on that side.
std::optional<KeyInterval> darkPassing(double other, int hundredths);
std::optional<KeyInterval> lightPassing(double other, int hundredths);
// Both sides as one set; every key when the level is 1:1 or less.
KeySet passingKeys(double other, int hundredths);

// The greatest key of a colour of the range at or below `limit`, -1 when there is none; the
// least key at or above `limit`, infinity when there is none. The range lies within 0..255.
double greatestKeyUpTo(double limit, const ColorRange& range);
double leastKeyFrom(double limit, const ColorRange& range);

} // namespace LegibilitySearch
