#include "palette_geometry.h"

#include "named_color_table.h"

#include <gtest/gtest.h>

using namespace PaletteGeometry;

// The cell under a pixel, computed from the drawing rules rather than the hit test:
// cell i owns the 11 x 11 square whose lower-right 10 x 10 part is its swatch.
static std::optional<int> cellOwning(int x, int y)
{
    for (int i = 0; i < NamedColorTable::Count; ++i) {
        const Rect s = swatch(i);
        if (x >= s.x - 1 && x < s.x + s.width && y >= s.y - 1 && y < s.y + s.height)
            return i;
    }
    return std::nullopt;
}

TEST(PaletteGeometry, HitTestAgreesWithTheSwatchesOnEveryPixel)
{
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x)
            ASSERT_EQ(hitTest(x, y), cellOwning(x, y)) << x << "," << y;
    }
}

TEST(PaletteGeometry, EdgesOfTheGrid)
{
    const struct {
        int x, y;
        std::optional<int> cell;
    } cases[] = {
        {8, 7, 0},
        {7, 7, std::nullopt},
        {8, 6, std::nullopt},
        {271, 55, 119},
        {272, 55, std::nullopt},
        {8 + 11 * 18, 7 + 11 * 5, 138},
        {8 + 11 * 19, 7 + 11 * 5, std::nullopt},
        {19, 7, 1},
        {-5, -5, std::nullopt},
        {8 + 11 * 23 + 10, 7 + 11 * 4 + 10, 119},
        {8, 7 + 11 * 6, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(hitTest(c.x, c.y), c.cell);
    }
    EXPECT_EQ(swatch(0).x, 9);
    EXPECT_EQ(swatch(0).y, 8);
    EXPECT_EQ(swatch(138).x + swatch(138).width, 8 + 11 * 19);
}
