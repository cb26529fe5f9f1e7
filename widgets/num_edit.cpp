#include "num_edit.h"

#include "platform.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

int truncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (value <= lowest)
        return std::numeric_limits<int>::min();
    if (value >= highest)
        return std::numeric_limits<int>::max();
    return static_cast<int>(std::trunc(value));
}

TCustomNumEdit::TCustomNumEdit(Platform& platform, QWidget* parent)
    : TCustomEditEx(parent)
    , m_platform(platform)
{
    // Digits go straight to the field, never through an input-method composition.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TCustomNumEdit::SetInteger(int value)
{
    setValue(value, value);
    SetTextEx();
}

void TCustomNumEdit::SetReal(double value)
{
    setValue(truncateToInt(value), value);
    SetTextEx();
}

void TCustomNumEdit::SetClearStart(bool on)
{
    m_clearStart = on;
    m_clearStartState = on;
    SetTextEx();
}

void TCustomNumEdit::SetPrefix(const QString& prefix)
{
    m_prefix = prefix;
    SetTextEx();
}

void TCustomNumEdit::SetSuffix(const QString& suffix)
{
    m_suffix = suffix;
    SetTextEx();
}

void TCustomNumEdit::Clear()
{
    m_clearStartState = true;
    SetTextEx();
}

void TCustomNumEdit::Loaded()
{
    if (m_min == 0 && m_max == 0) {
        m_max = WidestLimit;
        m_min = -WidestLimit;
    }
}

enNumEdit_OutOfRange TCustomNumEdit::OutOfRange(double& num)
{
    int repairMode = rmLimit;
    if (OnOutOfRange)
        OnOutOfRange(*this, num, repairMode);
    return static_cast<enNumEdit_OutOfRange>(repairMode);
}

void TCustomNumEdit::Change()
{
    UpdateNum();
    TCustomEditEx::Change();
}

void TCustomNumEdit::DoEnter()
{
    m_editing = true;
    SetTextEx();
    TCustomEditEx::DoEnter();
}

void TCustomNumEdit::DoExit()
{
    UpdateNum();
    TCustomEditEx::DoExit();
    m_editing = false;
    if (Modified())
        m_clearStartState = false;
    SetTextEx();
}

void TCustomNumEdit::setValue(int integer, double real)
{
    m_integer = integer;
    m_real = real;
}

void TCustomNumEdit::showRepairedValue()
{
    m_platform.messageBox(this, QCoreApplication::applicationName(), QString::number(m_integer),
                          Platform::Buttons::Ok, Platform::Icon::None);
}
