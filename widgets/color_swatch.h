#pragma once

#include "color_value.h"

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

// A colour value (0x00BBGGRR) as Qt draws it.
inline QColor qColor(ColorValue color)
{
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

inline constexpr int SwatchSize = 16; // pixels, square

// A square of the colour in a black border, as the lists and buttons show a colour.
inline QIcon swatchIcon(ColorValue color)
{
    QPixmap pixmap(SwatchSize, SwatchSize);
    pixmap.fill(qColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, SwatchSize - 1, SwatchSize - 1);
    return QIcon(pixmap);
}
