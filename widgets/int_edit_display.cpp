#include "int_edit_display.h"

QString intDisplayText(int value, const IntDisplayFormat& format)
{
    const std::string digits = renderInRadix(value, format.outputMode, format.hexChar);
    const QString number =
        QString::fromStdString(InsertionIn(digits, format.insertion, format.outputMode, value));

    QString fill;
    const qsizetype count =
        format.maxLength - format.prefix.size() - number.size() - format.suffix.size();
    // An empty fill character would mean NUL characters; no fill is the sound reading.
    if (format.maxLength > 0 && count > 0 && format.fillType != ftFillNone &&
        !format.fillChar.isEmpty())
        fill = format.fillChar.repeated(count);

    auto fillIf = [&](enIntEdit_FillType type) {
        return format.fillType == type ? fill : QString();
    };
    return fillIf(ftLeftFillA) + format.prefix + fillIf(ftLeftFillB) + number +
           fillIf(ftRightFillB) + format.suffix + fillIf(ftRightFillA);
}
