#include "palette_view.h"

#include "color_swatch.h"
#include "named_color_table.h"
#include "palette_geometry.h"

#include <QMouseEvent>
#include <QPainter>

PaletteView::PaletteView(QWidget* parent)
    : QWidget(parent)
{
    // Hover names show without a button held.
    setMouseTracking(true);
}

void PaletteView::setImage(const QImage& image)
{
    m_image = image;
    update();
}

void PaletteView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

void PaletteView::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved(event->position().toPoint());
}

void PaletteView::mousePressEvent(QMouseEvent* event)
{
    // NOTE: a press where Qt has seen no motion comes after a move to the press point that
    // Qt makes up. Nothing in that move tells it from a real one (a touch screen, a tablet
    // or a remote desktop sends the motion and the press in the same millisecond), so it
    // counts as a move: a press over a cell always picks it.
    emit pressed(event->position().toPoint(), event->button());
}

QImage drawPaletteImage(const QColor& background)
{
    QImage image(PaletteGeometry::Width, PaletteGeometry::Height, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    for (int i = 0; i < NamedColorTable::Count; ++i) {
        const ColorValue c = NamedColorTable::row(i).value;
        const PaletteGeometry::Rect r = PaletteGeometry::swatch(i);
        painter.fillRect(r.x, r.y, r.width, r.height, qColor(c));
    }
    return image;
}
