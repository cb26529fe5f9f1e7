#include "eyedropper.h"

#include "eyedropper_geometry.h"
#include "loupe.h"
#include "main_window.h"
#include "main_window_texts.h"
#include "platform.h"
#include "resources.h"

#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>

#include <cmath>

namespace {

// The loupe keeps this many logical pixels away from the hot spot, plus one for the
// rounding of its position to logical pixels.
constexpr int LoupeGap = 24 + 1;

} // namespace

Eyedropper::Eyedropper(TForm1& form, Platform& platform)
    : QObject(&form)
    , m_form(form)
    , m_platform(platform)
{
}

void Eyedropper::start()
{
    if (!m_loupe)
        m_loupe = new Loupe(&m_form, MainTexts::LoupeTitle(), MainTexts::GothicFamily);
    m_colorBefore = m_form.editColor();
    m_pendingBefore = m_form.colorPending();
    const ScreenLayout layout = m_platform.screenLayout();
    const std::optional<QPoint> hot = m_platform.pointerPosition();
    const std::optional<std::size_t> screen = hot ? screenAtPhysical(layout, *hot) : std::nullopt;
    m_cursorScale = screen ? layout[*screen].scale : 1;
    // grabMouse(cursor) keeps the eyedropper cursor over every window until the release,
    // and ungrabbing restores the cursor that was in force before.
    m_form.grabMouse(Resources::spoitCursor(m_cursorScale));
    // The keys must reach the pick whichever control has the focus.
    m_form.grabKeyboard();
    m_form.installEventFilter(this);
    m_active = true;
}

void Eyedropper::sample()
{
    if (!m_active)
        return;
    const std::optional<QPoint> hot = m_platform.pointerPosition();
    if (!hot)
        return;
    const QImage pixels = m_platform.screenRegion(
        QRect(*hot - QPoint(Loupe::Radius, Loupe::Radius), QSize(Loupe::Side, Loupe::Side)));
    if (pixels.size() != QSize(Loupe::Side, Loupe::Side))
        return;
    // A point where no screen has a pixel gives no colour, and the editor keeps its own.
    const QRgb centre = pixels.pixel(Loupe::Radius, Loupe::Radius);
    if (qAlpha(centre) == 255)
        m_form.SetEditColor(rgbColor(qRed(centre), qGreen(centre), qBlue(centre)));
    showLoupe(*hot, pixels);
}

void Eyedropper::showLoupe(QPoint hot, const QImage& pixels)
{
    const ScreenLayout layout = m_platform.screenLayout();
    const std::optional<std::size_t> index = screenAtPhysical(layout, hot);
    if (!index) {
        m_loupe->hide();
        return;
    }
    const ScreenArea& screen = layout[*index];
    if (screen.scale != m_cursorScale) {
        m_cursorScale = screen.scale;
        QGuiApplication::changeOverrideCursor(Resources::spoitCursor(m_cursorScale));
    }
    const QSize size = Loupe::logicalSize(screen.scale);
    const QSize physicalSize(static_cast<int>(std::ceil(size.width() * screen.scale)),
                             static_cast<int>(std::ceil(size.height() * screen.scale)));
    const QPoint corner = loupePlacement(hot, physicalSize, physicalRect(screen),
                                         static_cast<int>(std::ceil(LoupeGap * screen.scale)));
    m_loupe->setGeometry(QRect(toLogical(screen, corner).toPoint(), size));
    m_loupe->setPixels(pixels);
    m_loupe->show();
}

void Eyedropper::end()
{
    if (m_active)
        stop();
}

void Eyedropper::cancel()
{
    if (!m_active)
        return;
    stop();
    m_form.restoreEditColor(m_colorBefore, m_pendingBefore);
}

void Eyedropper::stop()
{
    m_active = false;
    m_form.removeEventFilter(this);
    m_form.releaseKeyboard();
    m_form.releaseMouse();
    m_loupe->hide();
    m_form.activateWindow();
}

void Eyedropper::step(QPoint by)
{
    if (const std::optional<QPoint> hot = m_platform.pointerPosition()) {
        m_platform.movePointer(*hot + by);
        sample();
    }
}

bool Eyedropper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_form || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int by = key->modifiers().testFlag(Qt::ShiftModifier) ? 10 : 1;
    switch (key->key()) {
    case Qt::Key_Left:
        step(QPoint(-by, 0));
        return true;
    case Qt::Key_Right:
        step(QPoint(by, 0));
        return true;
    case Qt::Key_Up:
        step(QPoint(0, -by));
        return true;
    case Qt::Key_Down:
        step(QPoint(0, by));
        return true;
    case Qt::Key_Escape:
        cancel();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        end();
        return true;
    default:
        return false;
    }
}
