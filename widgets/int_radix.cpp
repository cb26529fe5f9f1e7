#include "int_radix.h"

#include <charconv>
#include <limits>

namespace {

std::string digitsOf(std::uint32_t value, unsigned radix, const char* digitChars)
{
    // 32 binary digits at most.
    char buffer[32];
    char* end = buffer + sizeof buffer;
    char* p = end;
    do {
        *--p = digitChars[value % radix];
        value /= radix;
    } while (value != 0);
    return std::string(p, end);
}

// The value of c as a digit of the radix, or -1.
int digitValue(char c, unsigned radix)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v >= 0 && static_cast<unsigned>(v) < radix ? v : -1;
}

std::uint32_t scan(std::string_view text, unsigned radix)
{
    std::uint32_t value = 0;
    for (const char c : text) {
        value *= radix;
        const int digit = digitValue(c, radix);
        if (digit < 0)
            break;
        value += static_cast<std::uint32_t>(digit);
    }
    return value;
}

} // namespace

std::string IntToBinEx(std::uint32_t value)
{
    return digitsOf(value, 2, "01");
}

std::string IntToOctEx(std::uint32_t value)
{
    return digitsOf(value, 8, "01234567");
}

std::string IntToHexEx(std::uint32_t value, enIntEdit_HexChar hexChar)
{
    return digitsOf(value, 16, hexChar == hcLower ? "0123456789abcdef" : "0123456789ABCDEF");
}

std::uint32_t BinToIntEx(std::string_view text)
{
    return scan(text, 2);
}

std::uint32_t OctToIntEx(std::string_view text)
{
    return scan(text, 8);
}

std::uint32_t HexToIntEx(std::string_view text)
{
    return scan(text, 16);
}

int decimalToInt(std::string_view text)
{
    // from_chars takes "-" but not "+", and stops early on trailing characters.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return 0;
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value, 10);
    if (error != std::errc() || ptr != end)
        return 0;
    return value;
}

int parseInRadix(std::string_view text, enIntEdit_IOMode mode)
{
    switch (mode) {
    case imBin:
        return static_cast<int>(BinToIntEx(text));
    case imOct:
        return static_cast<int>(OctToIntEx(text));
    case imHex:
        return static_cast<int>(HexToIntEx(text));
    case imDec:
        break;
    }
    return decimalToInt(text);
}

std::string renderInRadix(int value, enIntEdit_IOMode mode, enIntEdit_HexChar hexChar)
{
    const auto bits = static_cast<std::uint32_t>(value);
    switch (mode) {
    case imBin:
        return IntToBinEx(bits);
    case imOct:
        return IntToOctEx(bits);
    case imHex:
        return IntToHexEx(bits, hexChar);
    case imDec:
        break;
    }
    return std::to_string(value);
}

std::string InsertionIn(std::string_view text, enIntEdit_Insertion insertion, enIntEdit_IOMode mode,
                        int value)
{
    if (insertion != inThousand && insertion != inTenThousand)
        return std::string(text);
    const int size = insertion == inThousand ? 3 : 4;
    const char separator = insertion == inThousand ? ',' : ' ';

    const int n = static_cast<int>(text.size());
    const int digits = mode == imDec && value < 0 ? n - 1 : n;
    const int separators = digits > 1 ? (digits - 1) / size : 0;

    std::string result(static_cast<std::size_t>(n + separators), separator);
    int place = static_cast<int>(result.size()) - 1;
    int copied = 0;
    // Bounded by both ends, so a text that does not match its value still stays in range.
    for (int i = n - 1; i >= 0 && place >= 0; --i) {
        result[static_cast<std::size_t>(place--)] = text[static_cast<std::size_t>(i)];
        if (++copied % size == 0 && place > 0 && i > 0)
            --place; // the separator already stands there
    }
    if (place >= 0)
        result.erase(0, static_cast<std::size_t>(place + 1));
    return result;
}
