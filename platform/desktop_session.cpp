#include "desktop_session.h"

#include <QGuiApplication>

DesktopSession desktopSessionOf(QStringView platformName, QStringView waylandDisplay,
                                QStringView sessionType)
{
    // The plugin is "wayland" or "wayland-egl", after the client buffer integration.
    if (platformName.startsWith(u"wayland"))
        return DesktopSession::Wayland;
    if (platformName != u"xcb")
        return DesktopSession::Other;
    if (!waylandDisplay.isEmpty() || sessionType.compare(u"wayland", Qt::CaseInsensitive) == 0)
        return DesktopSession::XWayland;
    return DesktopSession::X11;
}

DesktopSession currentDesktopSession()
{
    return desktopSessionOf(QGuiApplication::platformName(),
                            qEnvironmentVariable("WAYLAND_DISPLAY"),
                            qEnvironmentVariable("XDG_SESSION_TYPE"));
}
