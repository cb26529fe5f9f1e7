#pragma once

#include "fake_platform.h"

#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// Shows a top-level window and makes it active, so focus and shortcuts work offscreen.
inline void showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// Gives a widget of an active window the focus, as a click would.
inline void focusOn(QWidget& widget)
{
    widget.setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(widget.hasFocus());
}

// The texts of the message boxes shown so far.
inline QStringList messageTexts(const FakePlatform& platform)
{
    QStringList texts;
    for (const FakePlatform::Call& call : platform.callsOf(QStringLiteral("messageBox")))
        texts << call.args.value(1);
    return texts;
}
