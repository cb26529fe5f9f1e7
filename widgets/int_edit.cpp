#include "int_edit.h"

#include "int_edit_filter.h"

#include <cmath>

TIntEdit::TIntEdit(Platform& platform, QWidget* parent)
    : TCustomNumEdit(platform, parent)
{
}

void TIntEdit::SetOutputMode(enIntEdit_IOMode mode)
{
    m_outputMode = mode;
    SetTextEx();
}

void TIntEdit::SetFillChar(const QString& fillChar)
{
    // One character, kept whole when it lies outside the basic plane.
    m_fillChar = fillChar.left(!fillChar.isEmpty() && fillChar.front().isHighSurrogate() ? 2 : 1);
    if (m_fillType != ftFillNone)
        SetTextEx();
}

void TIntEdit::SetFillType(enIntEdit_FillType type)
{
    m_fillType = type;
    SetTextEx();
}

void TIntEdit::SetHexChar(enIntEdit_HexChar hexChar)
{
    m_hexChar = hexChar;
    SetTextEx();
}

void TIntEdit::SetInsertion(enIntEdit_Insertion insertion)
{
    m_insertion = insertion;
    SetTextEx();
}

QString TIntEdit::Bin() const
{
    return QString::fromStdString(IntToBinEx(static_cast<std::uint32_t>(Integer())));
}

void TIntEdit::SetBin(const QString& text)
{
    SetInteger(static_cast<int>(BinToIntEx(text.toStdString())));
}

QString TIntEdit::Oct() const
{
    return QString::fromStdString(IntToOctEx(static_cast<std::uint32_t>(Integer())));
}

void TIntEdit::SetOct(const QString& text)
{
    SetInteger(static_cast<int>(OctToIntEx(text.toStdString())));
}

QString TIntEdit::Hex() const
{
    return QString::fromStdString(IntToHexEx(static_cast<std::uint32_t>(Integer()), m_hexChar));
}

void TIntEdit::SetHex(const QString& text)
{
    SetInteger(static_cast<int>(HexToIntEx(text.toStdString())));
}

int TIntEdit::parse(const QString& text) const
{
    return parseInRadix(text.toStdString(), m_inputMode);
}

void TIntEdit::SetTextEx()
{
    if (Editing()) {
        setTextFromProgram(
            QString::fromStdString(renderInRadix(Integer(), m_inputMode, m_hexChar)));
        end(false);
        return;
    }
    if (ClearStartState()) {
        setTextFromProgram(QString());
        return;
    }
    IntDisplayFormat format;
    format.outputMode = m_outputMode;
    format.hexChar = m_hexChar;
    format.insertion = m_insertion;
    format.fillChar = m_fillChar;
    format.fillType = m_fillType;
    format.prefix = Prefix();
    format.suffix = Suffix();
    format.maxLength = maxLength();
    setTextFromProgram(intDisplayText(Integer(), format));
}

void TIntEdit::UpdateNum()
{
    if (!Editing())
        return;
    const int value = parse(text());
    double limit = 0;
    if (value < Min()) {
        limit = std::trunc(Min());
    } else if (value > Max()) {
        limit = std::trunc(Max());
    } else {
        setValue(value, value);
        return;
    }

    double num = value;
    double repaired = 0;
    switch (OutOfRange(num)) {
    case rmLimit:
        repaired = limit;
        break;
    case rmKeep:
        repaired = num;
        break;
    default:
        repaired = parse(EntryText());
        break;
    }
    setValue(truncateToInt(repaired), repaired);
    showRepairedValue();
    SetTextEx();
}

bool TIntEdit::wmCharEvent(char32_t ch)
{
    TypedCharContext field;
    field.textStartsWithMinus = text().startsWith(QLatin1Char('-'));
    field.hasSelection = hasSelectedText();
    field.selectionStart = field.hasSelection ? selectionStart() : cursorPosition();
    field.enableNegative = EnableNegative();
    return intEditCharAction(ch, m_inputMode, field) == TypedCharAction::Pass;
}
