// The main window's palette, eyedropper (live, or the desktop portal's) and colour dialog.
#include "main_window.h"

#include "dialog_module.h"
#include "eyedropper.h"
#include "main_window_texts.h"
#include "named_color_dialog.h"
#include "named_color_table.h"
#include "palette_geometry.h"
#include "palette_view.h"
#include "platform.h"
#include "texts.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

void TForm1::drawPalette()
{
    CPallet->setImage(drawPaletteImage(palette().color(QPalette::Button)));
}

void TForm1::CPalletMouseMove(QPoint pos)
{
    if (const std::optional<int> cell = PaletteGeometry::hitTest(pos.x(), pos.y())) {
        fitColorLabel();
        Clabel->setText(QString::fromLatin1(NamedColorTable::row(*cell).name));
        m_paletteHover = true;
    } else {
        Clabel->clear();
        m_paletteHover = false;
    }
}

void TForm1::CPalletMouseDown(QPoint pos, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !m_paletteHover)
        return;
    const std::optional<int> cell = PaletteGeometry::hitTest(pos.x(), pos.y());
    if (!cell)
        return;
    SetEditColor(NamedColorTable::row(*cell).value);
    ColorPending = true;
}

void TForm1::ColBtnClick()
{
    if (const std::optional<ColorValue> color = m_dm->executeColor(this, m_editColor)) {
        SetEditColor(*color);
        ColorPending = true;
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // A quick second press comes as a double-click; it starts a pick all the same.
    if (watched == BitBtn1 && (event->type() == QEvent::MouseButtonPress ||
                               event->type() == QEvent::MouseButtonDblClick)) {
        BitBtn1MouseDown(static_cast<QMouseEvent*>(event)->button());
        return eyedropperActive();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::BitBtn1MouseDown(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        startEyedropper();
}

void TForm1::startEyedropper()
{
    if (eyedropperActive())
        return;
    if (picksThroughPortal(m_platform.desktopSession())) {
        pickThroughPortal();
        return;
    }
    if (!m_eyedropper)
        m_eyedropper = new Eyedropper(*this, m_platform);
    m_eyedropper->start();
}

// From the keyboard no button is held: the pick starts where the pointer is, the arrow keys
// move it, Return takes the colour and Escape gives the editor back.
void TForm1::PickScreenClick()
{
    startEyedropper();
    if (eyedropperActive())
        m_eyedropper->sample();
}

void TForm1::PickNamedClick()
{
    NamedColorDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        SetEditColor(dialog.color());
        ColorPending = true;
    }
}

bool TForm1::eyedropperActive() const
{
    return m_eyedropper && m_eyedropper->active();
}

void TForm1::mouseMoveEvent(QMouseEvent* event)
{
    QMainWindow::mouseMoveEvent(event);
    FormMouseMove();
}

void TForm1::mouseReleaseEvent(QMouseEvent* event)
{
    QMainWindow::mouseReleaseEvent(event);
    FormMouseUp();
}

void TForm1::FormMouseMove()
{
    if (m_eyedropper)
        m_eyedropper->sample();
}

void TForm1::FormMouseUp()
{
    if (m_eyedropper)
        m_eyedropper->end();
}

// Where the desktop does not let a program read the screen (Wayland, and X11 programs under
// XWayland, which read black), the desktop portal lets the user pick.
void TForm1::pickThroughPortal()
{
    // One pick at a time: a press while the desktop's picker is up does nothing.
    if (m_portalPickPending)
        return;
    m_portalPickPending = true;
    m_platform.pickScreenColor(this, [this](Platform::ScreenPick pick) {
        m_portalPickPending = false;
        switch (pick.result) {
        case Platform::ScreenPick::Result::Picked:
            SetEditColor(pick.color);
            break;
        case Platform::ScreenPick::Result::Cancelled:
            break;
        case Platform::ScreenPick::Result::Failed:
            m_platform.messageBox(this, Texts::AppTitle, MainTexts::ScreenPickUnavailable(),
                                  Platform::Buttons::Ok, Platform::Icon::Exclamation);
            break;
        }
    });
}
