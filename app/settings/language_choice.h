#pragma once

#include <QByteArrayView>
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

// "Options"/"Language" as the settings store reads it as an integer (0 when absent), found in
// the settings file's bytes without reading the whole file into a store: the language is
// needed before the window, which reads the file properly, and a big file must not be read
// twice. Only ASCII matters here, and in Shift-JIS as in UTF-8 a line break is never part of
// a character, so every line is found where the store finds it.
int storedLanguageValue(QByteArrayView fileBytes);
