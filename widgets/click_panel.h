#pragma once

#include <QFrame>

// A panel that reports a left-button click, as the preview panel and the swatch need.
class ClickPanel : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

    // Fills the panel with a colour given as 0x00BBGGRR.
    void setFillColor(unsigned color);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
