#include "stored_numbers.h"

#include <cstdint>
#include <limits>

namespace {

constexpr std::uint64_t IntMagnitudeLimit = 0x80000000u; // |INT_MIN|
constexpr std::uint64_t HexLimit = 0xFFFFFFFFu;          // 32 bits

int hexDigitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool isDecimalDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The C library's white space in the "C" locale.
bool isCSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

std::optional<int> parseHexDigits(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (QChar c : digits) {
        const int d = hexDigitValue(c.unicode());
        if (d < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > HexLimit)
            return std::nullopt;
    }
    return static_cast<int>(static_cast<std::uint32_t>(value));
}

// Digits from `pos` on, with the sign already taken; advances `pos` past them.
// nullopt when there is no digit or the number does not fit an int.
std::optional<int> parseDecimalDigits(QStringView text, qsizetype& pos, bool negative)
{
    const qsizetype start = pos;
    std::uint64_t magnitude = 0;
    bool tooBig = false;
    while (pos < text.size() && isDecimalDigit(text[pos].unicode())) {
        if (!tooBig) {
            magnitude = magnitude * 10 + (text[pos].unicode() - u'0');
            tooBig = magnitude > IntMagnitudeLimit;
        }
        ++pos;
    }
    if (pos == start)
        return std::nullopt;
    if (tooBig || (!negative && magnitude == IntMagnitudeLimit))
        return std::nullopt;
    const auto signedValue = static_cast<std::int64_t>(magnitude);
    return static_cast<int>(negative ? -signedValue : signedValue);
}

} // namespace

std::optional<int> parseIntegerValue(QStringView text)
{
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X'))
        return parseHexDigits(text.mid(2));
    if (!text.isEmpty() && text[0] == u'$')
        return parseHexDigits(text.mid(1));

    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    const std::optional<int> value = parseDecimalDigits(text, pos, negative);
    if (!value || pos != text.size())
        return std::nullopt;
    return value;
}

std::optional<std::vector<int>> scanIntegers(QStringView text, int count)
{
    std::vector<int> numbers;
    numbers.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    qsizetype pos = 0;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != u',')
                return std::nullopt;
            ++pos;
        }
        while (pos < text.size() && isCSpace(text[pos].unicode()))
            ++pos;
        bool negative = false;
        if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
            negative = text[pos] == u'-';
            ++pos;
        }
        const std::optional<int> value = parseDecimalDigits(text, pos, negative);
        if (!value)
            return std::nullopt;
        numbers.push_back(*value);
    }
    return numbers;
}
