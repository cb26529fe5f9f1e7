#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <optional>

// The screen through the X server's own requests, in its own (physical) pixels: Qt's
// QCursor and QScreen work in logical pixels and round. Only while the program runs on
// Qt's X11 plugin; `available()` says whether it does.
namespace X11Screen {
bool available();
std::optional<QPoint> pointerPosition();
void movePointer(QPoint physical);
// The root window's pixels in an ARGB32 image of the rectangle's size; transparent beyond
// the root window. Null when the server cannot be asked or its pixel format is unknown.
QImage region(const QRect& physical);
} // namespace X11Screen
