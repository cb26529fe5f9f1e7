#include "color_spaces.h"
#include "legibility_fix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using ColorSpaces::deltaEOK;
using ColorSpaces::oklabOf;

constexpr ColorValue hex(std::uint32_t web)
{
    return swapWebOrder(web);
}

// One channel held, the other two free: 65,536 colours from black or white to full colour.
ColorRange plane(int channel, int value)
{
    ColorRange range;
    range.low[static_cast<std::size_t>(channel)] = range.high[static_cast<std::size_t>(channel)] =
        value;
    return range;
}

std::vector<ColorValue> colorsOf(const ColorRange& range)
{
    std::vector<ColorValue> colors;
    for (int r = range.low[0]; r <= range.high[0]; ++r)
        for (int g = range.low[1]; g <= range.high[1]; ++g)
            for (int b = range.low[2]; b <= range.high[2]; ++b)
                colors.push_back(rgbColor(r, g, b));
    return colors;
}

bool inRange(ColorValue c, const ColorRange& range)
{
    const int channels[] = {redOf(c), greenOf(c), blueOf(c)};
    for (std::size_t i = 0; i < 3; ++i) {
        if (channels[i] < range.low[i] || channels[i] > range.high[i])
            return false;
    }
    return true;
}

double distance(ColorValue a, ColorValue b)
{
    return deltaEOK(oklabOf(a), oklabOf(b));
}

double sumOfChanges(const BodyColorSet& from, const BodyColorSet& to)
{
    double sum = 0;
    for (const ColorSlot slot : {TEXT, LINK, VLINK, ALINK})
        sum += distance(from[slot], to[slot]);
    return sum;
}

// The least sum over every TEXT of the range, each link at its nearest given that TEXT, or
// -1 when none makes all seven pass. Apart from the product's search: the colours sorted
// by luminance, so that the links passing against a TEXT and BGCOLOR are at most four runs
// of them, two of which start at 0 or end at the last, and two end or start where BGCOLOR's
// runs do; each run's nearest link is then read from running minima.
double leastSumByTrial(const BodyColorSet& start, int onBackground, const ColorRange& range)
{
    std::vector<ColorValue> colors = colorsOf(range);
    std::sort(colors.begin(), colors.end(),
              [](ColorValue a, ColorValue b) { return luminanceKey(a) < luminanceKey(b); });
    const std::size_t n = colors.size();
    std::vector<double> keys(n);
    for (std::size_t i = 0; i < n; ++i)
        keys[i] = luminanceKey(colors[i]);
    const auto passes = [](double key, double other, int level) {
        return contrastHundredthsOfKeys(key, other) >= level;
    };
    // Keys passing against `other`: [0, dark) and [light, n).
    const auto runs = [&](double other, int level) {
        const auto middle = std::lower_bound(keys.begin(), keys.end(), other);
        const auto dark = std::partition_point(keys.begin(), middle,
                                               [&](double k) { return passes(k, other, level); });
        const auto light = std::partition_point(middle, keys.end(),
                                                [&](double k) { return !passes(k, other, level); });
        return std::pair{std::size_t(dark - keys.begin()), std::size_t(light - keys.begin())};
    };
    const auto [bgDark, bgLight] = runs(luminanceKey(start[BGCOLOR]), onBackground);
    std::vector<double> sums(n, -1);
    for (std::size_t i = 0; i < n; ++i) {
        if (i < bgDark || i >= bgLight)
            sums[i] = distance(colors[i], start[TEXT]);
    }
    for (const ColorSlot link : {LINK, VLINK, ALINK}) {
        constexpr double None = 1e9;
        std::vector<double> fromStart(n + 1, None), toEnd(n + 1, None), toBgDark(n + 1, None),
            fromBgLight(n + 1, None); // minima of [0, i), [i, n), [i, bgDark), [bgLight, i)
        for (std::size_t i = 0; i < n; ++i) {
            const double d = distance(colors[i], start[link]);
            fromStart[i + 1] = std::min(fromStart[i], d);
            fromBgLight[i + 1] = i >= bgLight ? std::min(fromBgLight[i], d) : None;
        }
        for (std::size_t i = n; i-- > 0;) {
            const double d = distance(colors[i], start[link]);
            toEnd[i] = std::min(toEnd[i + 1], d);
            toBgDark[i] = i < bgDark ? std::min(toBgDark[i + 1], d) : None;
        }
        for (std::size_t i = 0; i < n; ++i) {
            if (sums[i] < 0)
                continue;
            const auto [dark, light] = runs(keys[i], 300);
            const double nearest = std::min(
                {fromStart[std::min(dark, bgDark)], toBgDark[std::min(light, bgDark)],
                 toEnd[std::max(light, bgLight)], dark > bgLight ? fromBgLight[dark] : None});
            sums[i] = nearest < None ? sums[i] + nearest : -1;
        }
    }
    double least = -1;
    for (const double sum : sums) {
        if (sum >= 0 && (least < 0 || sum < least))
            least = sum;
    }
    return least;
}

bool allPass(const BodyColorSet& colors, FixLevel level)
{
    const LegibilityTable table = legibilityTable(colors);
    return std::all_of(table.begin(), table.end(),
                       [&](const LegibilityRow& row) { return rowPasses(row, level); });
}

} // namespace

TEST(LegibilityFix, NearestPassingColourAgainstTryingEveryColour)
{
    const struct {
        const char* label;
        ColorValue foreground, other;
        int hundredths;
        ColorRange range;
    } rows[] = {
        {"blue on teal: the light side", hex(0x0000FF), hex(0x008080), 450, plane(2, 0xFF)},
        {"red on white: a darker red", hex(0xFF0000), hex(0xFFFFFF), 450, plane(1, 0)},
        {"grey on white at AAA", hex(0x777777), hex(0xFFFFFF), 700, plane(0, 0x70)},
        {"purple link on black text", hex(0x800080), hex(0x000000), 300, plane(1, 0x10)},
        {"yellow on a dark green", hex(0x606000), hex(0x003000), 450, plane(2, 0x20)},
        {"a cube far from the foreground", hex(0x2040C0), hex(0xC0C0C0), 450,
         ColorRange{{0, 100, 0}, {40, 140, 255}}},
        {"passes already", hex(0x000000), hex(0xFFFFFF), 700, plane(1, 0)},
        {"nothing passes against mid grey at AAA", hex(0x336699), hex(0x777777), 700,
         plane(2, 0x99)},
        {"none of the range passes", hex(0x000000), hex(0x000000), 450,
         ColorRange{{0, 0, 0}, {60, 60, 60}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        double least = -1;
        for (const ColorValue c : colorsOf(row.range)) {
            if (contrastHundredths(c, row.other) >= row.hundredths &&
                (least < 0 || distance(c, row.foreground) < least))
                least = distance(c, row.foreground);
        }
        const std::optional<ColorValue> found =
            nearestPassingColor(row.foreground, row.other, row.hundredths, row.range);
        ASSERT_EQ(found.has_value(), least >= 0);
        if (!found)
            continue;
        EXPECT_TRUE(inRange(*found, row.range)) << colorHex(*found);
        EXPECT_GE(contrastHundredths(*found, row.other), row.hundredths);
        EXPECT_LE(distance(*found, row.foreground), least * 1.01);
    }
}

TEST(LegibilityFix, AllSevenPassWithTheLeastChange)
{
    const BodyColorSet example = {hex(0xFFFFFF), hex(0x000000), hex(0x0000FF), hex(0x800080),
                                  hex(0xFF0000)};
    const struct {
        const char* label;
        BodyColorSet colors;
        FixLevel level;
        ColorRange range;
    } rows[] = {
        {"white page, black text, links too dark against it", example, FixLevel::AA, plane(1, 0)},
        {"dark page, links above or below the text",
         {hex(0x08180B), hex(0xC09259), hex(0x20B9A3), hex(0x9FB0E2), hex(0x5AC0A5)},
         FixLevel::AA,
         plane(0, 0x2A)},
        {"dark page, the least sum between the bands swept",
         {hex(0x120408), hex(0x288E95), hex(0xD7987D), hex(0xE562FA), hex(0xD56432)},
         FixLevel::AA,
         plane(0, 0xE6)},
        {"white page, room for links only with the darkest text",
         {hex(0xFFFFFF), hex(0x375869), hex(0xA1EBFE), hex(0xF3B870), hex(0xBF4032)},
         FixLevel::AA,
         plane(1, 0x37)},
        {"white page, light text",
         {hex(0xFFFFFF), hex(0x1FC42C), hex(0x688BD3), hex(0x9B736B), hex(0xFECA66)},
         FixLevel::AA,
         plane(1, 0x37)},
        {"mid grey at AA",
         {hex(0x777777), example[1], example[2], example[3], example[4]},
         FixLevel::AA,
         plane(1, 0)},
        {"white at AAA", example, FixLevel::AAA, plane(0, 0)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const double least =
            leastSumByTrial(row.colors, requiredHundredths(BGCOLOR, row.level), row.range);
        const std::optional<BodyColorSet> fixed = fixAllColors(row.colors, row.level, row.range);
        ASSERT_EQ(fixed.has_value(), least >= 0);
        if (!fixed)
            continue;
        EXPECT_TRUE(allPass(*fixed, row.level));
        EXPECT_EQ((*fixed)[BGCOLOR], row.colors[BGCOLOR]);
        for (const ColorSlot slot : {TEXT, LINK, VLINK, ALINK})
            EXPECT_TRUE(inRange((*fixed)[slot], row.range) || (*fixed)[slot] == row.colors[slot]);
        EXPECT_LE(sumOfChanges(row.colors, *fixed), least * 1.02 + 1e-12);
    }

    // Among all colours, the example keeps its black text; 0.14843 is the least sum that
    // trying every TEXT of the cube found, by hand.
    const std::optional<BodyColorSet> fixed = fixAllColors(example, FixLevel::AA);
    ASSERT_TRUE(fixed.has_value());
    EXPECT_TRUE(allPass(*fixed, FixLevel::AA));
    EXPECT_EQ((*fixed)[TEXT], example[TEXT]);
    EXPECT_LE(sumOfChanges(example, *fixed), 0.14843 * 1.02);
    BodyColorSet grey = example;
    grey[BGCOLOR] = hex(0x777777);
    EXPECT_FALSE(fixAllColors(grey, FixLevel::AA).has_value());
    const BodyColorSet passing = {hex(0x000000), hex(0xFFFFFF), hex(0xFF0000), hex(0x00A000),
                                  hex(0xE000E0)};
    EXPECT_EQ(fixAllColors(passing, FixLevel::AA), passing);
}
