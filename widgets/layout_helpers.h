#pragma once

#include <QFont>
#include <QPalette>
#include <QString>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <memory>

// Small helpers for building windows from the layout's coordinates.

inline QFont pixelFont(const QString& family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A bold font drawn by emboldening the regular face. NOTE: the bold face of a CJK font is
// another large file to load at start (about 3 MB resident); the regular face is in use anyway.
inline QFont emboldenedFont(const QString& family, int pixels)
{
    QFont font = pixelFont(family, pixels, true);
    font.setStyleName(QStringLiteral("Regular"));
    return font;
}

// The light face and text colours that the layout's fixed colours were chosen against. The
// program's own windows keep them under any desktop theme, so that red, green and blue
// labels and link colours stay legible on a dark desktop; the dialogs follow the desktop.
inline QPalette lightPalette()
{
    static const QPalette palette = [] {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        return fusion ? fusion->standardPalette() : QPalette(QColor(239, 239, 239));
    }();
    return palette;
}

// Names a control and puts it at its place; without a size it sizes itself to its text.
template <typename W>
W* place(W* widget, const char* name, int left, int top, int width = -1, int height = -1)
{
    widget->setObjectName(QLatin1String(name));
    if (width < 0) {
        widget->adjustSize();
        widget->move(left, top);
    } else {
        widget->setGeometry(left, top, width, height);
    }
    return widget;
}
