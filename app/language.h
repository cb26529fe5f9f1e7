#pragma once

#include "language_choice.h"

#include <QString>
#include <QStringList>

class Platform;
class QCoreApplication;

// Where the interface language is kept in the settings file; absent until the user chooses.
inline const QString LanguageSection = QStringLiteral("Options");
inline const QString LanguageKey = QStringLiteral("Language");

// The stored choice, read before the main window exists, since the window looks its texts
// up as it builds them. A file that cannot be read counts as no choice: the window, which
// reads the file again, reports it.
LanguageOption storedLanguageOption(Platform& platform);

// The languages the program carries a translation for; Japanese, the texts' own, needs none.
QStringList translatedLanguages();

// Installs the program's translation for language ("en"); false when it has none.
bool installProgramTranslation(QCoreApplication& app, const QString& language);

// Loads `baseName`.qm from `folder` and installs it; false when there is no such file.
bool installTranslation(QCoreApplication& app, const QString& baseName, const QString& folder);
