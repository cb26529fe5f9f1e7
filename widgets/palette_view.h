#pragma once

#include <QImage>
#include <QWidget>

// The palette image: shows the picture it was given and reports the pointer over it.
class PaletteView : public QWidget {
    Q_OBJECT
public:
    explicit PaletteView(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }

signals:
    void pointerMoved(QPoint pos);
    void pressed(QPoint pos, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage m_image;
};

// Draws the 139 named colours on the button-face background.
QImage drawPaletteImage(const QColor& background);
