#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// The strip at the top of a window's outer frame that must stay on a screen, so that the
// title bar can still be grabbed and the window dragged.
constexpr int TitleStripHeight = 10; // pixels

// Whether a window whose outer frame is `width` pixels wide and starts at topLeft would
// have the whole top strip of its title bar inside the available area of one screen.
bool titleStripReachable(QPoint topLeft, int width, const QList<QRect>& availableAreas);
