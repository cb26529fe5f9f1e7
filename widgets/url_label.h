#pragma once

#include "color_value.h"

#include <QLabel>

class Platform;

// A label that behaves like a link: a pointing hand over it, a hot colour while the
// pointer is on it and a pushed colour while a button is down on it (HotTrack), and,
// when Executable, a press with any button opens its caption with the shell.
class TURLLabel : public QLabel {
    Q_OBJECT
public:
    explicit TURLLabel(Platform& platform, QWidget* parent = nullptr);

    bool HotTrack() const { return m_hotTrack; }
    void SetHotTrack(bool on);
    ColorValue HotColor() const { return m_hotColor; }
    void SetHotColor(ColorValue color);
    ColorValue PushedColor() const { return m_pushedColor; }
    void SetPushedColor(ColorValue color);
    bool Executable() const { return m_executable; }
    void setExecutable(bool on) { m_executable = on; }

    // The text colour, as 0x00BBGGRR.
    ColorValue fontColor() const;
    void setFontColor(ColorValue color);

signals:
    // A left button released over the label after it went down on it.
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Platform& m_platform;
    bool m_executable = false;
    bool m_hotTrack = true;
    ColorValue m_savedColor = 0;
    ColorValue m_hotColor = 0x00FFFF00;    // aqua
    ColorValue m_pushedColor = 0x000000FF; // red
    bool m_leftPressed = false;
};
