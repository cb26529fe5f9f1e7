#include "int_edit_filter.h"

namespace {

TypedCharAction digitRule(const TypedCharContext& field)
{
    const bool inFrontOfMinus =
        field.selectionStart == 0 && field.textStartsWithMinus && !field.hasSelection;
    return inFrontOfMinus ? TypedCharAction::Drop : TypedCharAction::Pass;
}

TypedCharAction minusRule(const TypedCharContext& field)
{
    const bool allowed = field.selectionStart == 0 && field.enableNegative &&
                         (field.hasSelection || !field.textStartsWithMinus);
    return allowed ? TypedCharAction::Pass : TypedCharAction::Drop;
}

// The highest digit the radix takes ('1', '7' or '9'; hexadecimal letters aside).
char32_t highestDecimalDigit(enIntEdit_IOMode mode)
{
    switch (mode) {
    case imBin:
        return U'1';
    case imOct:
        return U'7';
    case imDec:
    case imHex:
        break;
    }
    return U'9';
}

} // namespace

TypedCharAction intEditCharAction(char32_t ch, enIntEdit_IOMode mode, const TypedCharContext& field)
{
    if (ch == 8 || ch == 13 || ch == 127)
        return TypedCharAction::Pass;
    if (ch >= U'0' && ch <= U'9')
        return ch <= highestDecimalDigit(mode) ? digitRule(field) : TypedCharAction::Drop;
    if ((ch >= U'A' && ch <= U'F') || (ch >= U'a' && ch <= U'f'))
        return mode == imHex ? TypedCharAction::Pass : TypedCharAction::Drop;
    if (ch == U'-' && mode == imDec)
        return minusRule(field);
    return TypedCharAction::Drop;
}
