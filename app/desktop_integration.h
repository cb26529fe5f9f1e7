#pragma once

#include <QIcon>
#include <QString>

class QCoreApplication;

// The id the desktop knows the program by: its desktop entry, metainfo and theme icon.
QString appId();

// The installed theme's icon when the theme has one, else the built-in picture.
QIcon programWindowIcon();

// Qt's own Japanese texts for its dialogs and standard buttons, whatever the locale, since
// the rest of the interface is Japanese. False when the translation is not installed.
bool installQtTranslation(QCoreApplication& app);
