#pragma once

#include "platform.h"

#include <QDBusConnection>
#include <QString>

#include <functional>

class QWidget;

// The desktop portal's colour picker, org.freedesktop.portal.Screenshot.PickColor
// (interface version 2 or later), asked on `bus`. `done` is called once from the event loop,
// and not at all once `window` is destroyed.
void pickColorThroughPortal(const QDBusConnection& bus, QWidget* window,
                            std::function<void(Platform::ScreenPick)> done);

// The portal's name for the window a dialog belongs to: "x11:<hex id>" on X11, empty where
// no handle can be exported (on Wayland that needs a protocol Qt does not offer).
QString portalParentWindow(QWidget* window);
