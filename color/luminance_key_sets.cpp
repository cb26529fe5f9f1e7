#include "luminance_key_sets.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>

namespace LegibilitySearch {
namespace {

// Keys are never negative, so their bit patterns sort as they do.
std::uint64_t bitsOf(double key)
{
    return std::bit_cast<std::uint64_t>(key);
}
double keyOf(std::uint64_t bits)
{
    return std::bit_cast<double>(bits);
}

// The last key from `from` towards `to` where `test` still gives what it gives at `from`,
// to the last bit; `test` changes its answer once between them.
template <typename Test> double lastAlike(double from, double to, Test test)
{
    const bool first = test(from);
    std::uint64_t alike = bitsOf(from), unlike = bitsOf(to);
    while (std::max(alike, unlike) - std::min(alike, unlike) > 1) {
        const std::uint64_t mid =
            std::min(alike, unlike) + (std::max(alike, unlike) - std::min(alike, unlike)) / 2;
        (test(keyOf(mid)) == first ? alike : unlike) = mid;
    }
    return keyOf(alike);
}

double keyOf(int red, int green, int blue)
{
    return luminanceKeyTable().keyOf(rgbColor(red, green, blue));
}

} // namespace

KeySet intersect(const KeySet& a, const KeySet& b)
{
    KeySet out;
    for (int i = 0; i < a.count; ++i) {
        for (int j = 0; j < b.count; ++j) {
            const auto& x = a.parts[static_cast<std::size_t>(i)];
            const auto& y = b.parts[static_cast<std::size_t>(j)];
            out.add(std::max(x.low, y.low), std::min(x.high, y.high));
        }
    }
    return out;
}

std::optional<KeyInterval> darkPassing(double other, int hundredths)
{
    const auto passes = [&](double key) {
        return contrastHundredthsOfKeys(key, other) >= hundredths;
    };
    if (!passes(0) || passes(other))
        return std::nullopt;
    return KeyInterval{0, lastAlike(0, other, passes)};
}
std::optional<KeyInterval> lightPassing(double other, int hundredths)
{
    const auto passes = [&](double key) {
        return contrastHundredthsOfKeys(key, other) >= hundredths;
    };
    if (!passes(WhiteLuminanceKey) || passes(other))
        return std::nullopt;
    return KeyInterval{lastAlike(WhiteLuminanceKey, other, passes), WhiteLuminanceKey};
}

KeySet passingKeys(double other, int hundredths)
{
    KeySet set;
    if (contrastHundredthsOfKeys(other, other) >= hundredths) { // a level of 1:1 or less
        set.add(0, WhiteLuminanceKey);
        return set;
    }
    if (const auto dark = darkPassing(other, hundredths))
        set.add(dark->low, dark->high);
    if (const auto light = lightPassing(other, hundredths))
        set.add(light->low, light->high);
    return set;
}

// A column of blue rises with blue, and the columns with green and red, so only the columns
// that straddle the limit need a search.
double greatestKeyUpTo(double limit, const ColorRange& range)
{
    const int g0 = range.low[1], g1 = range.high[1], b0 = range.low[2], b1 = range.high[2];
    double best = -1;
    for (int r = range.low[0]; r <= range.high[0]; ++r) {
        if (keyOf(r, g0, b0) > limit)
            break;
        // The first green whose column ends above the limit; the one before ends below.
        int first = g0, past = g1 + 1;
        while (first < past) {
            const int mid = (first + past) / 2;
            if (keyOf(r, mid, b1) > limit)
                past = mid;
            else
                first = mid + 1;
        }
        if (first > g0)
            best = std::max(best, keyOf(r, first - 1, b1));
        for (int g = first; g <= g1 && keyOf(r, g, b0) <= limit; ++g) {
            int low = b0, high = b1; // at or below the limit, above it
            while (high - low > 1) {
                const int mid = (low + high) / 2;
                (keyOf(r, g, mid) <= limit ? low : high) = mid;
            }
            best = std::max(best, keyOf(r, g, low));
        }
    }
    return best;
}

double leastKeyFrom(double limit, const ColorRange& range)
{
    const int g0 = range.low[1], g1 = range.high[1], b0 = range.low[2], b1 = range.high[2];
    double best = std::numeric_limits<double>::infinity();
    for (int r = range.high[0]; r >= range.low[0]; --r) {
        if (keyOf(r, g1, b1) < limit)
            break;
        // The first green whose column starts at or above the limit.
        int first = g0, past = g1 + 1;
        while (first < past) {
            const int mid = (first + past) / 2;
            if (keyOf(r, mid, b0) >= limit)
                past = mid;
            else
                first = mid + 1;
        }
        if (first <= g1)
            best = std::min(best, keyOf(r, first, b0));
        for (int g = first - 1; g >= g0 && keyOf(r, g, b1) >= limit; --g) {
            int low = b0, high = b1; // below the limit, at or above it
            while (high - low > 1) {
                const int mid = (low + high) / 2;
                (keyOf(r, g, mid) >= limit ? high : low) = mid;
            }
            best = std::min(best, keyOf(r, g, high));
        }
    }
    return best;
}

} // namespace LegibilitySearch
