#include "eyedropper_geometry.h"

#include <gtest/gtest.h>

TEST(EyedropperGeometry, LoupeStaysOnTheScreenAndClearOfThePointerAtEveryEdge)
{
    const QSize loupe(150, 170);
    const int gap = 24;
    const struct {
        const char* where;
        QRect screen;
        QPoint hot, corner;
    } cases[] = {
        {"middle", {0, 0, 1280, 1024}, {600, 300}, {625, 325}},
        {"top-left corner", {0, 0, 1280, 1024}, {0, 0}, {25, 25}},
        {"right edge", {0, 0, 1280, 1024}, {1279, 300}, {1105, 325}},
        {"bottom edge", {0, 0, 1280, 1024}, {600, 1023}, {625, 829}},
        {"bottom-right corner", {0, 0, 1280, 1024}, {1279, 1023}, {1105, 829}},
        {"just fits on the right", {0, 0, 1280, 1024}, {1105, 300}, {1130, 325}},
        {"one pixel more", {0, 0, 1280, 1024}, {1106, 300}, {932, 325}},
        {"right screen, lower-right corner", {1280, 0, 1000, 800}, {2279, 799}, {2105, 605}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const QPoint corner = loupePlacement(c.hot, loupe, c.screen, gap);
        EXPECT_EQ(corner, c.corner);
        const QRect placed(corner, loupe);
        EXPECT_TRUE(c.screen.contains(placed));
        EXPECT_FALSE(placed.adjusted(-gap, -gap, gap, gap).contains(c.hot));
    }
}
