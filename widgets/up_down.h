#pragma once

#include <QTimer>
#include <QWidget>

enum TUDBtnType : int { btNext, btPrev }; // btNext is the up arrow

// A pair of arrow buttons, up over down, drawn as one control with no child widgets so
// that the focus can land on it. A click or the Up/Down key steps the position by one;
// OnClick is raised only when the position really moved. Setting the position from code
// raises nothing.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    using enum TUDBtnType;

    explicit TUpDown(QWidget* parent = nullptr);

    int Min() const { return m_min; }
    void setMin(int min);
    int Max() const { return m_max; }
    void setMax(int max);
    int Position() const { return m_position; }
    void setPosition(int position);
    // Stepping past a limit goes round to the other one; off by default.
    bool Wrap() const { return m_wrap; }
    void setWrap(bool on) { m_wrap = on; }

    QSize sizeHint() const override;

signals:
    void OnClick(TUDBtnType button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class Half { None, Up, Down };

    void step(TUDBtnType button);
    void repeatStep();
    void stopRepeat();
    QRect halfRect(Half half) const;
    void announcePosition();

    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    bool m_wrap = false;
    Half m_pressed = Half::None;
    // Held arrows repeat, as a platform up-down does.
    QTimer m_repeat;
};
