// The eyedropper where the desktop does not let a program read the screen (Wayland, and
// X11 programs under XWayland, which read black): the desktop portal lets the user pick.
#include "main_window.h"

#include "main_window_texts.h"
#include "platform.h"
#include "texts.h"

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
            m_platform.messageBox(this, Texts::AppTitle, MainTexts::ScreenPickUnavailable,
                                  Platform::Buttons::Ok, Platform::Icon::Exclamation);
            break;
        }
    });
}
