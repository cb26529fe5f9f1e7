#include "settings_values.h"

std::optional<std::pair<int, int>> readWindowPosition(const QString& value)
{
    const auto numbers = scanIntegers(value, 3);
    if (!numbers || (*numbers)[0] == 0)
        return std::nullopt;
    return std::make_pair((*numbers)[1], (*numbers)[2]);
}

QStringList splitFieldList(const QString& text)
{
    // Blanks are every control character and the space; NUL ends the text.
    const qsizetype end = [&] {
        const qsizetype nul = text.indexOf(QChar(u'\0'));
        return nul < 0 ? text.size() : nul;
    }();
    const auto isBlank = [](QChar c) { return c.unicode() <= u' '; };

    QStringList fields;
    qsizetype pos = 0;
    const auto skipBlanks = [&] {
        while (pos < end && isBlank(text[pos]))
            ++pos;
    };

    skipBlanks();
    while (pos < end) {
        QString field;
        if (text[pos] == u'"') {
            ++pos;
            while (pos < end) {
                if (text[pos] == u'"') {
                    if (pos + 1 < end && text[pos + 1] == u'"') {
                        field += u'"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                field += text[pos++];
            }
        } else {
            const qsizetype start = pos;
            while (pos < end && !isBlank(text[pos]) && text[pos] != u',')
                ++pos;
            field = text.mid(start, pos - start);
        }
        fields.append(field);

        skipBlanks();
        if (pos < end && text[pos] == u',') {
            ++pos;
            skipBlanks();
            if (pos == end)
                fields.append(QString());
        }
    }
    return fields;
}

std::optional<StoredFont> readStoredFont(const QString& value)
{
    const QStringList fields = splitFieldList(value);
    if (fields.size() <= 3 || fields[0].isEmpty())
        return std::nullopt;

    StoredFont font;
    font.name = fields[0];
    // A size of zero or below cannot be a font size; it leaves the size alone.
    const int size = parseIntegerValue(fields[1]).value_or(0);
    font.pointSize = size > 0 ? size : 0;
    font.bold = parseIntegerValue(fields[2]).value_or(0) != 0;
    font.italic = parseIntegerValue(fields[3]).value_or(0) != 0;
    return font;
}

QString storedFontText(const StoredFont& font)
{
    QString name = font.name;
    name.replace(u'"', QStringLiteral("\"\""));
    // Concatenated, not arg()-chained: a "%2" inside the name must stay text.
    return u'"' + name + u'"' + u',' + QString::number(font.pointSize) + u',' +
           QString::number(font.bold ? 1 : 0) + u',' + QString::number(font.italic ? 1 : 0);
}
