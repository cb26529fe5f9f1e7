#pragma once

#include <QStringView>

// The kind of desktop session the program runs in, which decides how a screen colour is
// picked: X11 lets a program read any pixel; Wayland (and X11 programs under XWayland)
// only through the desktop portal.
enum class DesktopSession {
    X11,      // the X11 plugin on an X server of its own
    XWayland, // the X11 plugin on a Wayland desktop
    Wayland,  // the Wayland plugin
    Other,    // offscreen, VNC, framebuffer: no desktop to ask
};

// From the platform plugin's name and the values of WAYLAND_DISPLAY and XDG_SESSION_TYPE.
DesktopSession desktopSessionOf(QStringView platformName, QStringView waylandDisplay,
                                QStringView sessionType);
// The running program's session; needs the application object.
DesktopSession currentDesktopSession();

constexpr bool picksThroughPortal(DesktopSession session)
{
    return session == DesktopSession::XWayland || session == DesktopSession::Wayland;
}
