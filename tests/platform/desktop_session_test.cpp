#include "desktop_session.h"

#include <QString>

#include <gtest/gtest.h>

TEST(DesktopSession, FromThePluginAndTheEnvironment)
{
    const struct {
        const char16_t* plugin;
        const char16_t* waylandDisplay;
        const char16_t* sessionType;
        DesktopSession expected;
    } rows[] = {
        {u"xcb", u"", u"", DesktopSession::X11},
        {u"xcb", u"", u"x11", DesktopSession::X11},
        {u"xcb", u"wayland-0", u"", DesktopSession::XWayland},
        {u"xcb", u"", u"wayland", DesktopSession::XWayland},
        {u"xcb", u"", u"Wayland", DesktopSession::XWayland},
        {u"wayland", u"wayland-0", u"wayland", DesktopSession::Wayland},
        {u"wayland-egl", u"", u"", DesktopSession::Wayland},
        {u"offscreen", u"wayland-0", u"wayland", DesktopSession::Other},
        {u"vnc", u"", u"", DesktopSession::Other},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.plugin).toStdString());
        EXPECT_EQ(desktopSessionOf(row.plugin, row.waylandDisplay, row.sessionType), row.expected);
    }
}
