#pragma once

#include <QImage>
#include <QWidget>

#include <optional>

// The palette image: shows the picture it was given and reports the pointer over it.
class PaletteView : public QWidget {
    Q_OBJECT
public:
    explicit PaletteView(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }

signals:
    void pointerMoved(QPoint pos);
    // The last pointerMoved was no motion of the pointer but Qt's announcement of the
    // press that follows at once.
    void moveWasPressOnly();
    void pressed(QPoint pos, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Move {
        quint64 timestamp;
        QPoint pos;
    };
    QImage m_image;
    std::optional<Move> m_lastMove;
};

// Draws the 139 named colours on the button-face background.
QImage drawPaletteImage(const QColor& background);
