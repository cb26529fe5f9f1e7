#include "color_spaces.h"
#include "dark_derivation.h"
#include "legible_background.h"
#include "seeded_color_sets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>

namespace {

using ColorSpaces::Triple;

Triple lchOf(ColorValue c)
{
    return ColorSpaces::labToLch(ColorSpaces::oklabOf(c));
}

double distance(ColorValue a, ColorValue b)
{
    return ColorSpaces::deltaEOK(ColorSpaces::oklabOf(a), ColorSpaces::oklabOf(b));
}

constexpr ColorValue web(std::uint32_t rrggbb)
{
    return swapWebOrder(rrggbb);
}
constexpr BodyColorSet StartColors = {web(0x008080), web(0xFFFFFF), web(0x0000FF), web(0x00FFFF),
                                      web(0xFF00FF)};

} // namespace

TEST(DarkDerivation, EverySetPassesKeepsItsHuesAndHasADarkBackground)
{
    int inversionFails = 0;
    for (const BodyColorSet& light : seededColorSets()) {
        SCOPED_TRACE(colorHex(light[BGCOLOR]) + " " + colorHex(light[TEXT]) + " " +
                     colorHex(light[LINK]));
        inversionFails += allPairsPass(invertedSet(light), FixLevel::AA) ? 0 : 1;
        const std::optional<BodyColorSet> dark = deriveDarkSet(light, FixLevel::AA);
        ASSERT_TRUE(dark.has_value());
        EXPECT_TRUE(allPairsPass(*dark, FixLevel::AA));
        const double background = lchOf((*dark)[BGCOLOR])[0];
        EXPECT_GE(background, 0.12);
        EXPECT_LE(background, 0.30);
        EXPECT_GT(lchOf((*dark)[TEXT])[0], 0.5);
        for (std::size_t slot = 0; slot < SlotCount; ++slot) {
            const Triple before = lchOf(light[slot]), after = lchOf((*dark)[slot]);
            if (before[1] < 0.05 || after[1] < 0.05)
                continue;
            const double gap = std::abs(std::remainder(before[2] - after[2], 360.0));
            EXPECT_LE(gap, 10.0) << "slot " << slot;
        }
    }
    // Turning the lightness around alone fails the pairs on most of these sets.
    EXPECT_GT(inversionFails, 24);
    std::cout << "lightness inversion fails " << inversionFails << " of "
              << seededColorSets().size() << " sets\n";
}

TEST(DarkDerivation, MirrorsLightnessBackgroundIntoTheDarkRange)
{
    EXPECT_EQ(mirroredColor(web(0xFFFFFF)), web(0x000000));
    EXPECT_EQ(mirroredColor(web(0x000000)), web(0xFFFFFF));
    // Teal's mirror (L 0.46) is brought down to 0.30; white's (L 0) up to 0.12.
    EXPECT_NEAR(lchOf(mirroredSet(StartColors)[BGCOLOR])[0], 0.30, 0.004);
    BodyColorSet white = StartColors;
    white[BGCOLOR] = web(0xFFFFFF);
    EXPECT_NEAR(lchOf(mirroredSet(white)[BGCOLOR])[0], 0.12, 0.004);
    // Pure blue's mirror keeps its hue with the chroma sRGB holds at L 0.55.
    const Triple blue = lchOf(mirroredColor(web(0x0000FF)));
    EXPECT_NEAR(blue[0], 1 - lchOf(web(0x0000FF))[0], 0.004);
    EXPECT_NEAR(blue[2], lchOf(web(0x0000FF))[2], 1.0);
    // No dark background lets a link be 7:1 on it and 3:1 from a text that is 7:1 on it.
    EXPECT_EQ(deriveDarkSet(StartColors, FixLevel::AAA), std::nullopt);
}

TEST(LegibleBackground, OffersTheNearestBackgroundThatLetsAllSevenPass)
{
    BodyColorSet grey = StartColors;
    grey[BGCOLOR] = web(0x777777);
    for (const BodyColorSet& page : {grey, StartColors}) {
        SCOPED_TRACE(colorHex(page[BGCOLOR]));
        ASSERT_EQ(fixAllColors(page, FixLevel::AA), std::nullopt);
        const std::optional<BodyColorSet> offer = nearestLegibleBackground(page, FixLevel::AA);
        ASSERT_TRUE(offer.has_value());
        EXPECT_TRUE(allPairsPass(*offer, FixLevel::AA));
        const double moved = distance((*offer)[BGCOLOR], page[BGCOLOR]);
        EXPECT_LT(moved, distance(web(0x000000), page[BGCOLOR]));
        EXPECT_LT(moved, distance(web(0xFFFFFF), page[BGCOLOR]));
    }
    // On a grey page the offer is the nearest grey that lets them pass, tried one by one.
    std::vector<ColorValue> greys;
    for (int v = 0; v < 256; ++v)
        greys.push_back(rgbColor(v, v, v));
    std::sort(greys.begin(), greys.end(), [&](ColorValue a, ColorValue b) {
        return distance(a, grey[BGCOLOR]) < distance(b, grey[BGCOLOR]);
    });
    const auto first = std::find_if(greys.begin(), greys.end(), [&](ColorValue g) {
        BodyColorSet page = grey;
        page[BGCOLOR] = g;
        return fixAllColors(page, FixLevel::AA).has_value();
    });
    ASSERT_NE(first, greys.end());
    EXPECT_LE(distance((*nearestLegibleBackground(grey, FixLevel::AA))[BGCOLOR], grey[BGCOLOR]),
              distance(*first, grey[BGCOLOR]) + 1e-9);
}

TEST(LegibleBackground, AtAABlackOrWhiteAlwaysLetsThemPassAtAAANothingDoes)
{
    const std::vector<BodyColorSet> sets = seededColorSets();
    for (std::size_t i = 0; i < sets.size(); i += 6) {
        SCOPED_TRACE(i);
        for (const ColorValue end : {web(0x000000), web(0xFFFFFF)}) {
            BodyColorSet page = sets[i];
            page[BGCOLOR] = end;
            EXPECT_TRUE(fixAllColors(page, FixLevel::AA).has_value()) << colorHex(end);
        }
        EXPECT_TRUE(nearestLegibleBackground(sets[i], FixLevel::AA).has_value());
        EXPECT_EQ(nearestLegibleBackground(sets[i], FixLevel::AAA), std::nullopt);
    }
}
