#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// The strip at the top of a window's outer frame where the title bar can be grabbed and
// the window dragged; enough of it must stay on a screen.
constexpr int TitleStripHeight = 10; // pixels
constexpr int TitleStripGrip = 40;   // pixels of the strip's width that must be on a screen

// Whether a window whose outer frame is `width` pixels wide and starts at topLeft would
// have at least TitleStripGrip pixels of its title strip, at full height, inside the
// available area of one screen.
bool titleStripReachable(QPoint topLeft, int width, const QList<QRect>& availableAreas);
