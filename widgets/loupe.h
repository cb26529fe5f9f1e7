#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

// The eyedropper's magnifier: the pixels around the hot spot, each a square of at least
// 8 device pixels, the centre one framed, and the centre's #RRGGBB beneath. A frameless
// window that takes neither the focus nor the mouse.
class Loupe final : public QWidget {
    Q_OBJECT
public:
    static constexpr int Radius = 7; // pixels shown on each side of the centre one
    static constexpr int Side = 2 * Radius + 1;

    // `title` names the window to the desktop; the #RRGGBB line is drawn in `fontFamily`.
    Loupe(QWidget* parent, const QString& title, const QString& fontFamily);

    // The whole loupe in device pixels for a screen with `scale`, carrying that ratio.
    // `pixels` is Side x Side, transparent where no screen has a pixel.
    static QImage picture(const QImage& pixels, qreal scale, const QString& fontFamily);
    // The picture's size in logical pixels.
    static QSize logicalSize(qreal scale);

    void setPixels(const QImage& pixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_pixels;
    QString m_fontFamily;
};
