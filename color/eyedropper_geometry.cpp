#include "eyedropper_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Products such as 640 * 2 may come out a hair above the integer they stand for.
constexpr qreal Slack = 1e-6;

int roundDown(qreal value)
{
    return static_cast<int>(std::floor(value + Slack));
}

// One axis: after `hot` where the loupe fits, else before it; on a screen too small for
// either, at its start.
int place(int hot, int length, int screenStart, int screenEnd, int gap)
{
    int start = hot + gap + 1;
    if (start + length > screenEnd)
        start = hot - gap - length;
    return std::max(start, screenStart);
}

} // namespace

QRect physicalRect(const ScreenArea& screen)
{
    const QSize size(roundDown((screen.logical.width() + 0.5) * screen.scale),
                     roundDown((screen.logical.height() + 0.5) * screen.scale));
    return QRect(screen.logical.topLeft(), size);
}

std::optional<std::size_t> screenAtPhysical(const ScreenLayout& layout, QPoint physical)
{
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (!physicalRect(layout[i]).contains(physical))
            continue;
        const QPoint corner = layout[i].logical.topLeft();
        if (!found ||
            corner.x() + corner.y() > layout[*found].logical.x() + layout[*found].logical.y())
            found = i;
    }
    return found;
}

QPointF toLogical(const ScreenArea& screen, QPoint physical)
{
    const QPointF origin = screen.logical.topLeft();
    return origin + (QPointF(physical) - origin) / screen.scale;
}

QPoint toPhysical(const ScreenArea& screen, QPointF logical)
{
    const QPoint origin = screen.logical.topLeft();
    const QPointF offset = (logical - QPointF(origin)) * screen.scale;
    return origin + QPoint(roundDown(offset.x()), roundDown(offset.y()));
}

QPoint loupePlacement(QPoint hot, QSize size, const QRect& screen, int gap)
{
    return QPoint(place(hot.x(), size.width(), screen.left(), screen.right() + 1, gap),
                  place(hot.y(), size.height(), screen.top(), screen.bottom() + 1, gap));
}
