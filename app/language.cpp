#include "language.h"

#include "file_paths.h"
#include "platform.h"
#include "settings_store.h"
#include "text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

#include <optional>

namespace {

// Built into the program by the build's translation step.
const QString TranslationFolder = QStringLiteral(":/i18n");
const QString TranslationPrefix = QStringLiteral("pagetint_");

} // namespace

LanguageOption storedLanguageOption(Platform& platform)
{
    const SettingsPlace place = chooseSettingsPlace(
        observeSettingsPlaces(platform.executablePath(), platform.configFolder()));
    if (place.readFrom.isEmpty() || !QFileInfo::exists(place.readFrom))
        return LanguageOption::Automatic;
    QString error;
    const std::optional<QString> text = readTextFile(place.readFrom, &error);
    if (!text)
        return LanguageOption::Automatic;
    return languageOptionFromStored(
        SettingsStore::fromText(*text).readInteger(LanguageSection, LanguageKey, 0));
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
