#pragma once

#include <QStringView>

#include <optional>
#include <vector>

// Numbers as the program's stored files have always held them: the settings file's options
// and its colour lists.

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
