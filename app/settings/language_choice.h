#pragma once

#include <QString>
#include <QStringList>

// The interface language the user chose, as "Options"/"Language" stores it.
enum class LanguageOption { Automatic = 0, Japanese = 1, English = 2 };

// A stored value other than 1 or 2, a damaged one included, means the desktop decides.
LanguageOption languageOptionFromStored(int value);

// The interface's language as a code ("ja", "en"). Japanese is the language the texts are
// written in, so it needs no translation; `translated` names the languages that have one.
// Automatic takes the first of the desktop's languages, most preferred first ("en-GB",
// "de_DE", "ja"), that is Japanese or translated; Japanese when none is. A chosen language
// without its translation also falls back to Japanese.
QString chooseLanguage(LanguageOption option, const QStringList& desktopLanguages,
                       const QStringList& translated);
