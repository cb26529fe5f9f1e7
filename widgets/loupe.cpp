#include "loupe.h"

#include "color_value.h"
#include "layout_helpers.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor Background(0x30, 0x30, 0x30); // also what a pixel off every screen shows

struct Metrics {
    int cell;   // device pixels per screen pixel
    int margin; // around the grid
    int text;   // height of the #RRGGBB line
    QSize size() const
    {
        const int grid = Loupe::Side * cell + 2 * margin;
        return QSize(grid, grid + text);
    }
};

Metrics metrics(qreal scale)
{
    // 9 logical pixels a cell, whole device pixels, never fewer than 8.
    return {std::max(8, static_cast<int>(9 * scale)), static_cast<int>(std::ceil(3 * scale)),
            static_cast<int>(std::ceil(18 * scale))};
}

} // namespace

Loupe::Loupe(QWidget* parent, const QString& title, const QString& fontFamily)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint)
    , m_fontFamily(fontFamily)
{
    setObjectName(QStringLiteral("Loupe"));
    setWindowTitle(title);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize Loupe::logicalSize(qreal scale)
{
    const QSize device = metrics(scale).size();
    return QSize(static_cast<int>(std::ceil(device.width() / scale)),
                 static_cast<int>(std::ceil(device.height() / scale)));
}

QImage Loupe::picture(const QImage& pixels, qreal scale, const QString& fontFamily)
{
    const Metrics m = metrics(scale);
    QImage image(logicalSize(scale) * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Background);
    QPainter painter(&image);
    const auto cellRect = [&](int x, int y) {
        return QRect(m.margin + x * m.cell, m.margin + y * m.cell, m.cell, m.cell);
    };
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            if (qAlpha(pixels.pixel(x, y)) == 255)
                painter.fillRect(cellRect(x, y), QColor(pixels.pixel(x, y)));
        }
    }
    // Black and white, so the frame shows on any colour; it covers the neighbours' edges only.
    const QRect centre = cellRect(Radius, Radius);
    painter.fillRect(centre.adjusted(-2, -2, 2, 2), Qt::black);
    painter.fillRect(centre.adjusted(-1, -1, 1, 1), Qt::white);
    const QRgb centrePixel = pixels.pixel(Radius, Radius);
    const bool known = qAlpha(centrePixel) == 255;
    painter.fillRect(centre, known ? QColor(centrePixel) : Background);
    if (known) {
        painter.setPen(Qt::white);
        painter.setFont(pixelFont(fontFamily, static_cast<int>(std::lround(13 * scale))));
        const int top = m.size().height() - m.text;
        painter.drawText(QRect(0, top, image.width(), image.height() - top), Qt::AlignCenter,
                         QString::fromStdString(colorHex(rgbColor(
                             qRed(centrePixel), qGreen(centrePixel), qBlue(centrePixel)))));
    }
    painter.end();
    image.setDevicePixelRatio(scale);
    return image;
}

void Loupe::setPixels(const QImage& pixels)
{
    m_pixels = pixels;
    update();
}

void Loupe::paintEvent(QPaintEvent*)
{
    if (m_pixels.isNull())
        return;
    QPainter(this).drawImage(QPoint(0, 0), picture(m_pixels, devicePixelRatioF(), m_fontFamily));
}
