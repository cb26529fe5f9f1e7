#pragma once

#include "stored_numbers.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <utility>
#include <vector>

// The saved window position "flag,left,top": (left, top) when all three numbers
// are there and the flag is nonzero.
std::optional<std::pair<int, int>> readWindowPosition(const QString& value);

// Splits a comma-separated field list: commas and blanks (any character up to
// U+0020) outside quotes separate fields, blanks around separators are skipped,
// a field that begins with a double quote runs to its closing quote with a
// doubled quote standing for one, and two commas in a row give an empty field.
// A comma at the end (blanks after it allowed) gives an empty last field; a
// quote left open runs to the end of the text; a quote inside an unquoted field
// is an ordinary character.
QStringList splitFieldList(const QString& text);

struct StoredFont {
    QString name;
    int pointSize = 0; // 0: leave the size as it is
    bool bold = false;
    bool italic = false;
};

// The stored preview font: more than three fields and a non-empty first one.
// Field 2 sets the size only when it reads as a positive integer; fields 3 and
// 4 turn bold and italic on when they read as nonzero integers.
std::optional<StoredFont> readStoredFont(const QString& value);

// "\"name\",size,bold,italic". Quotes inside the name are doubled so that the
// reader gives the same name back.
QString storedFontText(const StoredFont& font);
