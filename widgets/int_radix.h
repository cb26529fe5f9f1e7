#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Case of the letters of hexadecimal output.
enum enIntEdit_HexChar : int { hcUpper, hcLower };
// Digit grouping of the display text.
enum enIntEdit_Insertion : int { inNone, inThousand, inTenThousand };
// Radix of typing, parsing and showing an integer field.
enum enIntEdit_IOMode : int { imDec, imBin, imOct, imHex };

// Digits without leading zeros; 0 gives "0". A negative int passed here shows its
// 32-bit two's complement, as the field does.
std::string IntToBinEx(std::uint32_t value);
std::string IntToOctEx(std::uint32_t value);
std::string IntToHexEx(std::uint32_t value, enIntEdit_HexChar hexChar);

// Scans from the first character: multiply by the radix (wrapping at 32 bits), then add
// the digit, or stop at the first character that is not one. The multiplication for the
// stopping character is already made, so "1G" in hexadecimal is 16.
std::uint32_t BinToIntEx(std::string_view text);
std::uint32_t OctToIntEx(std::string_view text);
std::uint32_t HexToIntEx(std::string_view text);

// An optional sign and decimal digits filling the whole text, within the int range;
// anything else, the empty text included, gives 0.
int decimalToInt(std::string_view text);

// The text in the given radix as the field parses it.
int parseInRadix(std::string_view text, enIntEdit_IOMode mode);
// The bare number in the given radix: signed decimal, two's complement otherwise.
std::string renderInRadix(int value, enIntEdit_IOMode mode, enIntEdit_HexChar hexChar);

// Puts group separators into a rendered number: "," every three digits or " " every
// four, counted from the right. In decimal a negative value's leading "-" is not a digit.
std::string InsertionIn(std::string_view text, enIntEdit_Insertion insertion, enIntEdit_IOMode mode,
                        int value);
