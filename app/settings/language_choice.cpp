#include "language_choice.h"

#include "stored_numbers.h"

#include <algorithm>

namespace {

const QString Japanese = QStringLiteral("ja");
const QString English = QStringLiteral("en");

// "en-Latn-GB" and "en_GB" are both English. (A plain scan: a regular expression here cost
// the start a compile of its own.)
QString languagePart(const QString& name)
{
    const auto end =
        std::find_if(name.begin(), name.end(), [](QChar c) { return c == u'-' || c == u'_'; });
    return name.first(end - name.begin()).toLower();
}

// The line that starts at `pos`, which moves past its break: CR LF, a lone LF or a lone CR.
QByteArrayView nextLine(QByteArrayView bytes, qsizetype& pos)
{
    const qsizetype start = pos;
    while (pos < bytes.size() && bytes[pos] != '\r' && bytes[pos] != '\n')
        ++pos;
    const QByteArrayView line = bytes.sliced(start, pos - start);
    if (pos < bytes.size() && bytes[pos++] == '\r' && pos < bytes.size() && bytes[pos] == '\n')
        ++pos;
    return line;
}

} // namespace

LanguageOption languageOptionFromStored(int value)
{
    switch (value) {
    case 1:
        return LanguageOption::Japanese;
    case 2:
        return LanguageOption::English;
    default:
        return LanguageOption::Automatic;
    }
}

QString chooseLanguage(LanguageOption option, const QStringList& desktopLanguages,
                       const QStringList& translated)
{
    switch (option) {
    case LanguageOption::Japanese:
        return Japanese;
    case LanguageOption::English:
        return translated.contains(English) ? English : Japanese;
    case LanguageOption::Automatic:
        break;
    }
    for (const QString& name : desktopLanguages) {
        const QString language = languagePart(name);
        if (language == Japanese || translated.contains(language))
            return language;
    }
    return Japanese;
}

int storedLanguageValue(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        bytes = bytes.first(nul);
    bool inOptions = false;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        const QByteArrayView line = nextLine(bytes, pos);
        if (line.isEmpty() || line.front() == ';')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            // Only the first section of the name counts.
            if (inOptions)
                return 0;
            inOptions =
                line.sliced(1, line.size() - 2).compare("Options", Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (inOptions && equals >= 0 &&
            line.first(equals).compare("Language", Qt::CaseInsensitive) == 0)
            return parseIntegerValue(QString::fromLatin1(line.sliced(equals + 1))).value_or(0);
    }
    return 0;
}
