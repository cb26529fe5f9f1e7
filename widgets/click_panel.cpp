#include "click_panel.h"

#include "color_swatch.h"

#include <QMouseEvent>

void ClickPanel::setFillColor(unsigned color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, qColor(color));
    setPalette(pal);
    setAutoFillBackground(true);
}

void ClickPanel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void ClickPanel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QFrame::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}
