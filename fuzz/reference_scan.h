#pragma once

#include "fuzz_support.h"

#include <QByteArray>
#include <QStringView>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

namespace fuzz {

// A second, deliberately plain reading of "%d,%d,...": optional C white space and a sign
// before each number, one comma between numbers, anything after the last one ignored.
// A number outside the int range makes the whole text unusable. Leading zeros are
// stripped and digits counted, so no arithmetic can overflow here.
inline std::optional<std::vector<int>> referenceScan(QStringView text, int count)
{
    std::vector<int> numbers;
    qsizetype pos = 0;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            if (pos == text.size() || text[pos] != u',')
                return std::nullopt;
            ++pos;
        }
        while (pos < text.size() && isCSpace(text[pos].unicode()))
            ++pos;
        bool negative = false;
        if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+'))
            negative = text[pos++] == u'-';
        const qsizetype digitsStart = pos;
        while (pos < text.size() && isDecimalDigit(text[pos].unicode()))
            ++pos;
        if (pos == digitsStart)
            return std::nullopt;
        qsizetype significant = digitsStart;
        while (significant < pos - 1 && text[significant] == u'0')
            ++significant;
        if (pos - significant > 10)
            return std::nullopt;
        std::int64_t magnitude = 0;
        for (qsizetype k = significant; k < pos; ++k)
            magnitude = magnitude * 10 + (text[k].unicode() - u'0');
        const std::int64_t value = negative ? -magnitude : magnitude;
        if (value < INT_MIN || value > INT_MAX)
            return std::nullopt;
        numbers.push_back(static_cast<int>(value));
    }
    return numbers;
}

// The C library itself as a third opinion, for byte texts whose digit runs are short
// enough that "%lld" cannot overflow. nullopt when the oracle does not apply.
inline std::optional<std::optional<std::vector<int>>> libcScan(const QByteArray& latin1, int count)
{
    int run = 0;
    for (const char c : latin1) {
        run = isDecimalDigit(static_cast<unsigned char>(c)) ? run + 1 : 0;
        if (run > 18)
            return std::nullopt;
    }
    long long v[5] = {};
    int read = 0;
    if (count == 3)
        read = std::sscanf(latin1.constData(), "%lld,%lld,%lld", &v[0], &v[1], &v[2]);
    else if (count == 5)
        read = std::sscanf(latin1.constData(), "%lld,%lld,%lld,%lld,%lld", &v[0], &v[1], &v[2],
                           &v[3], &v[4]);
    else
        return std::nullopt;
    if (read < count)
        return std::optional<std::vector<int>>();
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i) {
        if (v[i] < INT_MIN || v[i] > INT_MAX)
            return std::optional<std::vector<int>>();
        numbers.push_back(static_cast<int>(v[i]));
    }
    return std::optional<std::vector<int>>(numbers);
}

// The stored option integer: more than two characters starting "0x"/"0X", or a leading
// "$", hold up to 32 hexadecimal bits taken as two's complement; anything else is a whole
// signed decimal int. Every other text, the empty one included, is no number.
inline std::optional<int> referenceIntegerValue(QStringView text)
{
    QStringView hexDigits;
    bool hex = false;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        hexDigits = text.mid(2);
        hex = true;
    } else if (!text.isEmpty() && text[0] == u'$') {
        hexDigits = text.mid(1);
        hex = true;
    }
    if (hex) {
        if (hexDigits.isEmpty())
            return std::nullopt;
        qsizetype start = 0;
        while (start < hexDigits.size() - 1 && hexDigits[start] == u'0')
            ++start;
        if (hexDigits.size() - start > 8)
            return std::nullopt;
        std::uint32_t value = 0;
        for (qsizetype k = start; k < hexDigits.size(); ++k) {
            const int d = digitIn(hexDigits[k].unicode(), 16);
            if (d < 0)
                return std::nullopt;
            value = value * 16 + static_cast<std::uint32_t>(d);
        }
        return static_cast<int>(value);
    }
    const auto numbers = referenceScan(text, 1);
    // referenceScan skips leading blanks and ignores what follows; a whole-text number
    // has neither.
    if (!numbers || text.isEmpty() || isCSpace(text[0].unicode()))
        return std::nullopt;
    qsizetype end = 0;
    if (text[0] == u'-' || text[0] == u'+')
        ++end;
    while (end < text.size() && isDecimalDigit(text[end].unicode()))
        ++end;
    if (end != text.size())
        return std::nullopt;
    return numbers->front();
}

} // namespace fuzz
