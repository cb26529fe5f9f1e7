#include "int_edit_display.h"

#include "text_codec.h"

#include <algorithm>

namespace {

bool isAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

QString intDisplayText(int value, const IntDisplayFormat& format)
{
    const std::string digits = renderInRadix(value, format.outputMode, format.hexChar);
    const QString number =
        QString::fromStdString(InsertionIn(digits, format.insertion, format.outputMode, value));

    // Lengths are bytes of the stored text: CP932, or UTF-8 where CP932 cannot hold the text.
    const QString framing = format.prefix + format.suffix + format.fillChar;
    const bool cp932 = isAscii(framing) || encodeCp932(framing).has_value();
    const auto storedLength = [cp932](const QString& text) {
        if (isAscii(text))
            return text.size();
        return cp932 ? encodeCp932(text)->size() : text.toUtf8().size();
    };
    QString fill;
    const qsizetype count = format.maxLength - storedLength(format.prefix) - number.size() -
                            storedLength(format.suffix);
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
