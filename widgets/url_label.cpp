#include "url_label.h"

#include "color_swatch.h"
#include "platform.h"
#include "resources.h"
#include "shell_open.h"

#include <QMouseEvent>

TURLLabel::TURLLabel(Platform& platform, QWidget* parent)
    : QLabel(parent)
    , m_platform(platform)
{
    // The caption is an address or a path, never markup.
    setTextFormat(Qt::PlainText);
    setCursor(Resources::handPointCursor());
}

void TURLLabel::SetHotTrack(bool on)
{
    if (on == m_hotTrack)
        return;
    m_hotTrack = on;
    update();
}

void TURLLabel::SetHotColor(ColorValue color)
{
    if (color == m_hotColor)
        return;
    m_hotColor = color;
    update();
}

void TURLLabel::SetPushedColor(ColorValue color)
{
    if (color == m_pushedColor)
        return;
    m_pushedColor = color;
    update();
}

ColorValue TURLLabel::fontColor() const
{
    const QColor color = palette().color(QPalette::WindowText);
    return rgbColor(color.red(), color.green(), color.blue());
}

void TURLLabel::setFontColor(ColorValue color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, qColor(color));
    setPalette(pal);
}

void TURLLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    if (m_hotTrack) {
        m_savedColor = fontColor();
        setFontColor(m_hotColor);
    }
}

void TURLLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    if (m_hotTrack)
        setFontColor(m_savedColor);
}

void TURLLabel::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    // Taken here, so that a press on the label is never also a press on its parent.
    event->accept();
    m_leftPressed = event->button() == Qt::LeftButton;
    if (m_hotTrack)
        setFontColor(m_pushedColor);
    // On the press, not the click: any button opens it, and so does a press dragged off.
    if (m_executable)
        openOrReport(m_platform, window(), text());
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    event->accept();
    const bool inside = rect().contains(mapFromGlobal(event->globalPosition().toPoint()));
    if (event->button() == Qt::LeftButton && m_leftPressed) {
        m_leftPressed = false;
        if (inside)
            emit clicked();
    }
    if (m_hotTrack)
        setFontColor(inside ? m_hotColor : m_savedColor);
}
