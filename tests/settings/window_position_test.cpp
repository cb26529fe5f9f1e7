#include "window_position.h"

#include <gtest/gtest.h>

TEST(WindowPosition, EnoughOfTheTitleBarMustLieOnOneScreen)
{
    // Two screens side by side, the left one with a panel along its top.
    const QList<QRect> screens = {QRect(0, 32, 1920, 1048), QRect(1920, 0, 1280, 1024)};
    const int width = 600;
    const struct {
        QPoint topLeft;
        bool reachable;
    } rows[] = {
        {{100, 100}, true},    {{0, 32}, true}, // the corner of the available area
        {{1320, 32}, true},                     // flush with the right edge
        {{1321, 32}, true},                     // over it, onto the other screen
        {{1881, 32}, true},                     // 39 + 561 pixels, but only 39 on the left one
        {{2000, 0}, true},                      // the second screen has no panel
        {{100, 31}, false},                     // under the panel
        {{-3, -30}, false},                     // a position saved under Wayland
        {{-20, 40}, true},                      // partly off the left edge
        {{-560, 40}, true},                     // 40 pixels left on the screen
        {{-561, 40}, false},                    // 39 pixels left
        {{40, -400}, false},                    // far above the top
        {{5000, 40}, false},                    // right of every screen
        {{100, 1070}, true},                    // the title strip just fits at the bottom
        {{100, 1071}, false},                   // it does not
        {{5000, 5000}, false},                  // a screen that is gone
        {{2600, 1014}, true},                   // bottom right of the second screen
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.topLeft.x() << "," << row.topLeft.y());
        EXPECT_EQ(titleStripReachable(row.topLeft, width, screens), row.reachable);
    }
    EXPECT_FALSE(titleStripReachable({0, 0}, width, {})) << "no screen at all";
}
