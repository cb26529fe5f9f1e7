#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <cstddef>
#include <optional>
#include <vector>

// The live eyedropper counts in physical pixels, as the X server does; windows are placed in
// Qt's logical pixels. These functions are the one place where the two meet.

// A screen as Qt describes it: its geometry in logical pixels and its scale factor.
// NOTE: Qt keeps a screen's top-left corner where the window system has it and divides only
// the rest by the factor, so screens side by side may leave gaps in logical pixels.
struct ScreenArea {
    QRect logical;
    qreal scale = 1;
};
using ScreenLayout = std::vector<ScreenArea>;

// The screen in physical pixels. Qt rounds the logical size to whole pixels, so this takes
// the largest physical size that rounds to it: it may reach past the screen by up to the
// scale factor, never stop short of it.
QRect physicalRect(const ScreenArea& screen);
// The screen a physical pixel lies on; where a rounded edge overlaps the next screen, the
// next one, whose own corner is exact.
std::optional<std::size_t> screenAtPhysical(const ScreenLayout& layout, QPoint physical);
QPointF toLogical(const ScreenArea& screen, QPoint physical);
// The physical pixel under a logical point.
QPoint toPhysical(const ScreenArea& screen, QPointF logical);

// The loupe's top-left corner, in physical pixels, for a loupe of `size` beside the pointer
// at `hot` on `screen`: `gap` pixels below and right of the pointer, above or left of it
// where the screen ends, so it never covers the hot spot or the pixels it shows.
QPoint loupePlacement(QPoint hot, QSize size, const QRect& screen, int gap);
