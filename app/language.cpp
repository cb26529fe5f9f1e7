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

bool installTranslation(QCoreApplication& app, const QString& baseName, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(baseName, folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

bool installProgramTranslation(QCoreApplication& app, const QString& language)
{
    return installTranslation(app, TranslationPrefix + language, TranslationFolder);
}
