#pragma once

#include "color_value.h"

#include <QObject>
#include <QPoint>

class Loupe;
class QImage;
class Platform;
class TForm1;

// The live eyedropper of the main window. While the button pressed on BitBtn1 is held, the
// window keeps the pointer and the keyboard; every move takes the physical pixel under the
// cursor's hot spot into the editor and shows its neighbourhood in the loupe. The arrow keys
// move the pointer by one physical pixel (ten with Shift); Return ends the pick with the colour
// shown, Escape ends it and gives the editor back what it held before.
class Eyedropper final : public QObject {
    Q_OBJECT
public:
    Eyedropper(TForm1& form, Platform& platform);

    bool active() const { return m_active; }
    void start();
    void sample();
    void end();
    void cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stop();
    void step(QPoint by);
    void showLoupe(QPoint hot, const QImage& pixels);

    TForm1& m_form;
    Platform& m_platform;
    Loupe* m_loupe = nullptr;
    bool m_active = false;
    qreal m_cursorScale = 0; // the screen factor the cursor was drawn for
    // What Escape gives back.
    ColorValue m_colorBefore = 0;
    bool m_pendingBefore = false;
};
