#include "up_down.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int RepeatDelayMs = 400; // first repeat after the press
constexpr int RepeatIntervalMs = 60;

// A reader announces the up-down as a spin button with its position.
class UpDownAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit UpDownAccessible(TUpDown* upDown)
        : QAccessibleWidget(upDown, QAccessible::SpinBox)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return upDown()->Position(); }
    // The position follows its field; a reader moves it with the arrow keys as a user does.
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return upDown()->Max(); }
    QVariant minimumValue() const override { return upDown()->Min(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    TUpDown* upDown() const { return static_cast<TUpDown*>(widget()); }
};

QAccessibleInterface* upDownAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("TUpDown") && object && object->isWidgetType())
        return new UpDownAccessible(static_cast<TUpDown*>(object));
    return nullptr;
}

} // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(upDownAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(&m_repeat, &QTimer::timeout, this, &TUpDown::repeatStep);
}

void TUpDown::setMin(int min)
{
    m_min = min;
    if (m_max < m_min)
        m_max = m_min;
    m_position = qBound(m_min, m_position, m_max);
}

void TUpDown::setMax(int max)
{
    m_max = max;
    if (m_min > m_max)
        m_min = m_max;
    m_position = qBound(m_min, m_position, m_max);
}

void TUpDown::setPosition(int position)
{
    const int next = qBound(m_min, position, m_max);
    if (next == m_position)
        return;
    m_position = next;
    announcePosition();
}

QSize TUpDown::sizeHint() const
{
    return QSize(16, 23);
}

void TUpDown::step(TUDBtnType button)
{
    int next = m_position;
    if (button == btNext)
        next = m_position < m_max ? m_position + 1 : (m_wrap ? m_min : m_max);
    else
        next = m_position > m_min ? m_position - 1 : (m_wrap ? m_max : m_min);
    if (next == m_position)
        return;
    m_position = next;
    announcePosition();
    emit OnClick(button);
}

void TUpDown::repeatStep()
{
    m_repeat.setInterval(RepeatIntervalMs);
    if (m_pressed == Half::Up)
        step(btNext);
    else if (m_pressed == Half::Down)
        step(btPrev);
}

void TUpDown::stopRepeat()
{
    m_repeat.stop();
    if (m_pressed != Half::None) {
        m_pressed = Half::None;
        update();
    }
}

QRect TUpDown::halfRect(Half half) const
{
    const int upHeight = height() / 2;
    if (half == Half::Up)
        return QRect(0, 0, width(), upHeight);
    return QRect(0, upHeight, width(), height() - upHeight);
}

void TUpDown::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    m_pressed = pos.y() < height() / 2 ? Half::Up : Half::Down;
    update();
    step(m_pressed == Half::Up ? btNext : btPrev);
    m_repeat.start(RepeatDelayMs);
}

void TUpDown::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        stopRepeat();
    else
        QWidget::mouseReleaseEvent(event);
}

void TUpDown::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up)
        step(btNext);
    else if (event->key() == Qt::Key_Down)
        step(btPrev);
    else
        QWidget::keyPressEvent(event);
}

void TUpDown::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        stopRepeat();
    QWidget::changeEvent(event);
}

void TUpDown::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    for (const Half half : {Half::Up, Half::Down}) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halfRect(half);
        button.state &= ~QStyle::State_HasFocus;
        button.state |= m_pressed == half ? QStyle::State_Sunken : QStyle::State_Raised;
        painter.drawPrimitive(QStyle::PE_PanelButtonBevel, button);

        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = button.rect.adjusted(3, 2, -3, -2);
        if (m_pressed == half)
            arrow.rect.translate(1, 1);
        painter.drawPrimitive(
            half == Half::Up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, arrow);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void TUpDown::announcePosition()
{
    QAccessibleValueChangeEvent changed(this, m_position);
    QAccessible::updateAccessibility(&changed);
}
