// The stored preview font: the field list splits as its rules say, quoted fields give
// back what was quoted, and a font that was read is written so that it reads the same.

#include "fuzz_support.h"
#include "reference_scan.h"
#include "settings_store.h"
#include "settings_values.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace {

using fuzz::check;
using fuzz::escaped;

// A character-by-character reading of the field list: blanks are the control characters
// and the space; commas and blanks outside quotes separate; "" inside quotes is one quote;
// a comma with only blanks after it ends the list with an empty field.
QStringList referenceSplit(const QString& input)
{
    const QString text = input.left(input.indexOf(QChar(u'\0')));
    const auto blank = [&](qsizetype i) { return i < text.size() && text[i].unicode() <= 0x20; };
    QStringList fields;
    qsizetype i = 0;
    while (blank(i))
        ++i;
    while (i < text.size()) {
        QString field;
        if (text[i] == u'"') {
            for (++i; i < text.size(); ++i) {
                if (text[i] != u'"') {
                    field += text[i];
                } else if (i + 1 < text.size() && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
        } else {
            while (i < text.size() && !blank(i) && text[i] != u',')
                field += text[i++];
        }
        fields.append(field);
        while (blank(i))
            ++i;
        if (i < text.size() && text[i] == u',') {
            ++i;
            while (blank(i))
                ++i;
            if (i == text.size())
                fields.append(QString());
        }
    }
    return fields;
}

std::string describe(const QStringList& list)
{
    std::string s;
    for (const QString& item : list)
        s += "[" + escaped(item) + "]";
    return s;
}

std::string describe(const std::optional<StoredFont>& font)
{
    if (!font)
        return "none";
    return "[" + escaped(font->name) + "] " + std::to_string(font->pointSize) + " " +
           std::to_string(font->bold) + " " + std::to_string(font->italic);
}

bool sameFont(const std::optional<StoredFont>& a, const std::optional<StoredFont>& b)
{
    if (!a || !b)
        return !a && !b;
    return a->name == b->name && a->pointSize == b->pointSize && a->bold == b->bold &&
           a->italic == b->italic;
}

std::optional<StoredFont> referenceFont(const QStringList& fields)
{
    if (fields.size() < 4 || fields[0].isEmpty())
        return std::nullopt;
    StoredFont font;
    font.name = fields[0];
    // Only a real size changes the size; bold and italic are switched on, never off.
    font.pointSize = std::max(0, fuzz::referenceIntegerValue(fields[1]).value_or(0));
    font.bold = fuzz::referenceIntegerValue(fields[2]).value_or(0) != 0;
    font.italic = fuzz::referenceIntegerValue(fields[3]).value_or(0) != 0;
    return font;
}

QString quoted(QString field)
{
    field.replace(u'"', QLatin1String("\"\""));
    return u'"' + field + u'"';
}

void checkValue(const QString& value)
{
    const QStringList fields = splitFieldList(value);
    check(fields == referenceSplit(value), "a field list splits by its rules",
          "value \"" + escaped(value) + "\" got " + describe(fields) + " expected " +
              describe(referenceSplit(value)));

    const auto font = readStoredFont(value);
    check(sameFont(font, referenceFont(fields)), "a stored font reads by its rules",
          "value \"" + escaped(value) + "\" got " + describe(font));
    if (!font)
        return;
    check(font->pointSize >= 0, "a font size read is never negative");

    const QString written = storedFontText(*font);
    check(sameFont(readStoredFont(written), font), "a written font reads back the same",
          "font " + describe(font) + " written \"" + escaped(written) + "\"");

    // The way it really travels: as the value of "Options"/"Font" in the settings text.
    // A family name never holds a line break, so those are left out.
    if (font->name.contains(u'\r') || font->name.contains(u'\n'))
        return;
    SettingsStore store;
    store.writeText(QStringLiteral("Options"), QStringLiteral("Font"), written);
    const SettingsStore reread = SettingsStore::fromText(store.toText());
    check(sameFont(readStoredFont(reread.readText(QStringLiteral("Options"), QStringLiteral("Font"),
                                                  QString())),
                   font),
          "a written font survives the settings text", describe(font));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = QString::fromUtf8(bytes);
    checkValue(text);
    checkValue(QString::fromLatin1(bytes));

    // Any fields, each quoted with its quotes doubled, split back into themselves: cut
    // the text at NUL-free '\x01' marks into pieces and join them as a quoted list.
    const QString cutHere = QString(QChar(u'\x01'));
    const QStringList pieces = text.left(text.indexOf(QChar(u'\0'))).split(cutHere);
    QStringList quotedPieces;
    for (const QString& piece : pieces)
        quotedPieces.append(quoted(piece));
    for (const QString& separator :
         {QStringLiteral(","), QStringLiteral(" , "), QStringLiteral(" "), QStringLiteral("\t,")}) {
        const QString joined = quotedPieces.join(separator);
        check(splitFieldList(joined) == pieces, "quoted fields split back into themselves",
              "joined \"" + escaped(joined) + "\" got " + describe(splitFieldList(joined)));
    }
    return 0;
}
