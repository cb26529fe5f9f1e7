#include "language_choice.h"

#include <QRegularExpression>

namespace {

const QString Japanese = QStringLiteral("ja");
const QString English = QStringLiteral("en");

// "en-Latn-GB" and "en_GB" are both English.
QString languagePart(const QString& name)
{
    const qsizetype end = name.indexOf(QRegularExpression(QStringLiteral("[-_]")));
    return name.left(end).toLower();
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
