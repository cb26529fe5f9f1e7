#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <utility>
#include <vector>

// A stored integer option, the way the settings file has always been read:
// more than two characters beginning "0x"/"0X", or a leading "$", mark
// hexadecimal; anything else is decimal with an optional sign. The whole text
// must be the number: no blanks, no trailing junk, not empty.
// Decimal must fit a signed 32-bit int. Hexadecimal takes up to 32 bits and is
// read as their two's complement ("0xFFFFFFFF" is -1); more bits are rejected.
// A sign is never allowed together with "$" or "0x" ("-$1" is rejected).
std::optional<int> parseIntegerValue(QStringView text);

// Reads `count` integers as sscanf("%d,%d,...") does: each may have leading C
// white space and a sign; exactly one comma between numbers; whatever follows
// the last number is ignored. Fewer numbers gives nullopt. A number that does
// not fit an int makes the text unusable (nullopt) rather than wrapping.
std::optional<std::vector<int>> scanIntegers(QStringView text, int count);

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
