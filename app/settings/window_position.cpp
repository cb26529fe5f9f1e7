#include "window_position.h"

#include <algorithm>

bool titleStripReachable(QPoint topLeft, int width, const QList<QRect>& availableAreas)
{
    const QRect strip(topLeft, QSize(std::max(width, 1), TitleStripHeight));
    return std::any_of(availableAreas.begin(), availableAreas.end(), [&](const QRect& area) {
        const QRect part = area.intersected(strip);
        return part.height() == TitleStripHeight &&
               part.width() >= std::min(TitleStripGrip, strip.width());
    });
}
