#include "language.h"

#include "file_paths.h"
#include "platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTranslator>

namespace {

// Built into the program by the build's translation step.
const QString TranslationFolder = QStringLiteral(":/i18n");
const QString TranslationPrefix = QStringLiteral("pagetint_");

} // namespace

LanguageOption storedLanguageOption(Platform& platform)
{
    const SettingsPlace place = chooseSettingsPlace(
        observeSettingsPlaces(platform.executablePath(), platform.configFolder()));
    QFile file(place.readFrom);
    if (place.readFrom.isEmpty() || !file.open(QIODevice::ReadOnly))
        return LanguageOption::Automatic;
    return languageOptionFromStored(storedLanguageValue(file.readAll()));
}

QStringList translatedLanguages()
{
    QStringList languages;
    const QStringList files =
        QDir(TranslationFolder).entryList({TranslationPrefix + QStringLiteral("*.qm")});
    for (const QString& file : files)
        languages << file.sliced(TranslationPrefix.size()).chopped(3);
    return languages;
}

bool installProgramTranslation(QCoreApplication& app, const QString& language)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(TranslationPrefix + language, TranslationFolder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
