#pragma once

#include <QIcon>
#include <QString>

class QCoreApplication;

// The id the desktop knows the program by: its desktop entry, metainfo and theme icon.
QString appId();

// The icon theme's picture when the program was installed with its icon (the same icon as
// the menu entry, or the user's theme's own), else the built-in picture.
QIcon programWindowIcon(const QString& executablePath);

// Qt's own texts for its dialogs and standard buttons in the interface's language ("ja",
// "en"), whatever the locale says. False when the translation is not installed.
bool installQtTranslation(QCoreApplication& app, const QString& language = QStringLiteral("ja"));
