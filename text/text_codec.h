#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The bytes of a file the program writes: Shift-JIS (CP932) when it can hold every
// character, otherwise UTF-8 behind a byte-order mark, so nothing is turned into "?".
QByteArray encodeFileText(const QString& text);

// Reads what encodeFileText wrote, or any hand-edited file: a NUL byte ends the text,
// a leading UTF-8 byte-order mark selects UTF-8, anything else is CP932. Bytes that
// are not valid in the encoding become U+FFFD.
QString decodeFileText(const QByteArray& bytes);

// A style sheet or a page as a browser would take it from a file, as UTF-8: the bytes as
// they are (a leading byte-order mark dropped) when they are valid UTF-8, else read as
// CP932, as the program's own templates are written.
QByteArray sheetTextUtf8(const QByteArray& bytes);

// CP932 bytes as text; invalid bytes become U+FFFD. No NUL or byte-order mark handling.
QString decodeCp932(QByteArray data);

// The CP932 bytes of a text, or nullopt when a character has no CP932 code that reads
// back as the same character.
std::optional<QByteArray> encodeCp932(const QString& text);
