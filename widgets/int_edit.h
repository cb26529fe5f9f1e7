#pragma once

#include "int_edit_display.h"
#include "int_radix.h"
#include "num_edit.h"

// An integer field in one of four radixes: typing is filtered to the input radix, and
// without the focus the value shows in the output radix with grouping, fill, prefix
// and suffix.
class TIntEdit : public TCustomNumEdit {
    Q_OBJECT
public:
    using enum enIntEdit_FillType;
    using enum enIntEdit_HexChar;
    using enum enIntEdit_Insertion;
    using enum enIntEdit_IOMode;

    explicit TIntEdit(Platform& platform, QWidget* parent = nullptr);

    enIntEdit_IOMode InputMode() const { return m_inputMode; }
    void SetInputMode(enIntEdit_IOMode mode) { m_inputMode = mode; }
    enIntEdit_IOMode OutputMode() const { return m_outputMode; }
    void SetOutputMode(enIntEdit_IOMode mode);
    // Keeps only the first character; an empty text means no fill.
    QString FillChar() const { return m_fillChar; }
    void SetFillChar(const QString& fillChar);
    enIntEdit_FillType FillType() const { return m_fillType; }
    void SetFillType(enIntEdit_FillType type);
    enIntEdit_HexChar HexChar() const { return m_hexChar; }
    void SetHexChar(enIntEdit_HexChar hexChar);
    enIntEdit_Insertion Insertion() const { return m_insertion; }
    void SetInsertion(enIntEdit_Insertion insertion);

    // The value in binary, octal and hexadecimal; setting parses and calls SetInteger.
    QString Bin() const;
    void SetBin(const QString& text);
    QString Oct() const;
    void SetOct(const QString& text);
    QString Hex() const;
    void SetHex(const QString& text);

protected:
    void SetTextEx() override;
    void UpdateNum() override;
    bool wmCharEvent(char32_t ch) override;

private:
    int parse(const QString& text) const;

    QString m_fillChar;
    enIntEdit_FillType m_fillType = ftFillNone;
    enIntEdit_HexChar m_hexChar = hcUpper;
    enIntEdit_Insertion m_insertion = inNone;
    enIntEdit_IOMode m_inputMode = imDec;
    enIntEdit_IOMode m_outputMode = imDec;
};
