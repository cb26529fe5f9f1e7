// The integer field's pure parts: the radix scans on any text, every value through every
// radix and back, grouping, the typed-character filter and the display text.

#include "fuzz_support.h"
#include "int_edit_display.h"
#include "int_edit_filter.h"
#include "int_radix.h"
#include "text_codec.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <cinttypes>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

using fuzz::check;
using fuzz::escaped;

constexpr enIntEdit_IOMode Modes[] = {imDec, imBin, imOct, imHex};

// Multiply by the radix first, then add the digit or stop: the multiplication for the
// character that stops the scan is already made.
std::uint32_t referenceRadixScan(std::string_view text, int radix)
{
    std::uint32_t value = 0;
    for (const char c : text) {
        value = static_cast<std::uint32_t>(static_cast<std::uint64_t>(value) * radix);
        const int digit = fuzz::digitIn(static_cast<unsigned char>(c), radix);
        if (digit < 0)
            return value;
        value += static_cast<std::uint32_t>(digit);
    }
    return value;
}

// An optional sign and decimal digits making up the whole text, within the int range.
int referenceDecimal(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == text.size())
        return 0;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!fuzz::isDecimalDigit(static_cast<unsigned char>(text[i])))
            return 0;
        value = value * 10 + (text[i] - '0');
        if (value > 1LL << 31)
            return 0;
    }
    value = negative ? -value : value;
    return value < INT_MIN || value > INT_MAX ? 0 : static_cast<int>(value);
}

std::string printed(const char* format, std::uint32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string referenceBinary(std::uint32_t value)
{
    std::string digits;
    for (int bit = 31; bit >= 0; --bit) {
        if (!digits.empty() || (value >> bit) & 1u)
            digits.push_back((value >> bit) & 1u ? '1' : '0');
    }
    return digits.empty() ? "0" : digits;
}

void checkScans(std::string_view text)
{
    check(BinToIntEx(text) == referenceRadixScan(text, 2), "binary scan", escaped(text));
    check(OctToIntEx(text) == referenceRadixScan(text, 8), "octal scan", escaped(text));
    check(HexToIntEx(text) == referenceRadixScan(text, 16), "hexadecimal scan", escaped(text));
    check(decimalToInt(text) == referenceDecimal(text), "decimal text", escaped(text));
    check(parseInRadix(text, imDec) == decimalToInt(text) &&
              parseInRadix(text, imBin) == static_cast<int>(BinToIntEx(text)) &&
              parseInRadix(text, imOct) == static_cast<int>(OctToIntEx(text)) &&
              parseInRadix(text, imHex) == static_cast<int>(HexToIntEx(text)),
          "the field parses with the scan of its radix", escaped(text));
}

void checkValue(std::uint32_t value)
{
    const std::string bin = IntToBinEx(value);
    const std::string oct = IntToOctEx(value);
    const std::string upper = IntToHexEx(value, hcUpper);
    const std::string lower = IntToHexEx(value, hcLower);
    check(bin == referenceBinary(value), "binary digits", bin);
    check(oct == printed("%" PRIo32, value), "octal digits as %o", oct);
    check(upper == printed("%" PRIX32, value), "hexadecimal digits as %X", upper);
    check(lower == printed("%" PRIx32, value), "hexadecimal digits as %x", lower);
    check(BinToIntEx(bin) == value && OctToIntEx(oct) == value && HexToIntEx(upper) == value &&
              HexToIntEx(lower) == value,
          "every radix reads back its own digits", std::to_string(value));

    const int signedValue = static_cast<int>(value);
    check(renderInRadix(signedValue, imDec, hcUpper) == std::to_string(signedValue),
          "decimal is signed");
    for (const enIntEdit_IOMode mode : Modes) {
        for (const enIntEdit_HexChar hexChar : {hcUpper, hcLower}) {
            const std::string text = renderInRadix(signedValue, mode, hexChar);
            check(parseInRadix(text, mode) == signedValue, "the field reads back what it shows",
                  text);
        }
    }
}

// The grouping as the rule states it: walk from the last character, put a separator after
// every size-th one unless the next place is the first of the result.
std::string referenceInsertion(std::string_view s, enIntEdit_Insertion insertion,
                               enIntEdit_IOMode mode, int value)
{
    if (insertion == inNone)
        return std::string(s);
    const int size = insertion == inThousand ? 3 : 4;
    const char separator = insertion == inThousand ? ',' : ' ';
    const int n = static_cast<int>(s.size());
    const int d = mode == imDec && value < 0 ? n - 1 : n;
    const int extra = d > 1 ? (d - 1) / size : 0;
    std::string result(static_cast<std::size_t>(n + extra), '?');
    int place = n + extra - 1;
    int copied = 0;
    for (int i = n - 1; i >= 0; --i) {
        check(place >= 0, "grouping never runs out of places", escaped(s));
        result[static_cast<std::size_t>(place--)] = s[static_cast<std::size_t>(i)];
        if (++copied % size == 0 && place > 0 && i > 0)
            result[static_cast<std::size_t>(place--)] = separator;
    }
    check(place == -1, "grouping fills every place", escaped(s));
    return result;
}

// Plain digit groups from the right, behind the sign.
std::string groupedNumber(std::string digits, bool negative, int size, char separator)
{
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % static_cast<std::size_t>(size) == 0)
            out.push_back(separator);
        out.push_back(digits[i]);
    }
    return negative ? "-" + out : out;
}

void checkInsertion(std::string_view text, enIntEdit_Insertion insertion, enIntEdit_IOMode mode,
                    int value)
{
    const std::string got = InsertionIn(text, insertion, mode, value);
    check(got == referenceInsertion(text, insertion, mode, value), "grouping follows its rule",
          "text \"" + escaped(text) + "\" got \"" + escaped(got) + "\"");
    // Whatever the text, taking the added separators out gives it back.
    const char separator = insertion == inThousand ? ',' : ' ';
    std::size_t matched = 0;
    for (const char c : got) {
        if (matched < text.size() && c == text[matched])
            ++matched;
        else
            check(insertion != inNone && c == separator, "grouping only adds separators",
                  "text \"" + escaped(text) + "\" got \"" + escaped(got) + "\"");
    }
    check(matched == text.size(), "grouping keeps every character", escaped(text));
}

void checkGroupedValue(int value, enIntEdit_Insertion insertion, enIntEdit_IOMode mode,
                       enIntEdit_HexChar hexChar)
{
    const std::string text = renderInRadix(value, mode, hexChar);
    checkInsertion(text, insertion, mode, value);
    if (insertion == inNone)
        return;
    const bool negative = mode == imDec && value < 0;
    const std::string expected =
        groupedNumber(negative ? text.substr(1) : text, negative, insertion == inThousand ? 3 : 4,
                      insertion == inThousand ? ',' : ' ');
    check(InsertionIn(text, insertion, mode, value) == expected,
          "a number is grouped from the right behind its sign", text);
}

TypedCharAction referenceCharAction(char32_t ch, enIntEdit_IOMode mode,
                                    const TypedCharContext& field)
{
    const TypedCharAction digitRule =
        field.selectionStart == 0 && field.textStartsWithMinus && !field.hasSelection
            ? TypedCharAction::Drop
            : TypedCharAction::Pass;
    if (ch == 8 || ch == 13 || ch == 127)
        return TypedCharAction::Pass;
    if (ch == U'0' || ch == U'1')
        return digitRule;
    if (ch >= U'2' && ch <= U'7')
        return mode == imBin ? TypedCharAction::Drop : digitRule;
    if (ch == U'8' || ch == U'9')
        return mode == imDec || mode == imHex ? digitRule : TypedCharAction::Drop;
    if ((ch >= U'A' && ch <= U'F') || (ch >= U'a' && ch <= U'f'))
        return mode == imHex ? TypedCharAction::Pass : TypedCharAction::Drop;
    if (ch == U'-' && mode == imDec) {
        const bool allowed = field.selectionStart == 0 && field.enableNegative &&
                             (field.hasSelection || !field.textStartsWithMinus);
        return allowed ? TypedCharAction::Pass : TypedCharAction::Drop;
    }
    return TypedCharAction::Drop;
}

void checkDisplay(int value, const IntDisplayFormat& format)
{
    const QString number =
        QString::fromStdString(InsertionIn(renderInRadix(value, format.outputMode, format.hexChar),
                                           format.insertion, format.outputMode, value));
    // The text is stored whole in CP932, or whole in UTF-8 when CP932 cannot hold it.
    const std::optional<QByteArray> cp932 =
        encodeCp932(format.prefix + format.suffix + format.fillChar);
    const auto bytes = [&cp932](const QString& text) {
        return cp932 ? encodeCp932(text)->size() : text.toUtf8().size();
    };
    const qsizetype count =
        format.maxLength - bytes(format.prefix) - number.size() - bytes(format.suffix);
    QString fill;
    if (format.maxLength > 0 && count > 0 && format.fillType != ftFillNone &&
        !format.fillChar.isEmpty())
        fill = QString(count, format.fillChar[0]);
    const auto at = [&](enIntEdit_FillType type) {
        return format.fillType == type ? fill : QString();
    };
    const QString expected = at(ftLeftFillA) + format.prefix + at(ftLeftFillB) + number +
                             at(ftRightFillB) + format.suffix + at(ftRightFillA);
    const QString got = intDisplayText(value, format);
    check(got == expected, "the display text is fill, prefix, number, suffix in order",
          "got \"" + escaped(got) + "\" expected \"" + escaped(expected) + "\"");
    if (!fill.isEmpty() && format.fillChar[0].unicode() < 0x80)
        check(bytes(got) == format.maxLength, "a filled display text is as long as allowed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view whole(reinterpret_cast<const char*>(data), size);
    checkScans(whole);

    FuzzedDataProvider provider(data, size);
    const auto value = provider.ConsumeIntegral<std::uint32_t>();
    checkValue(value);
    checkValue(~value);
    checkValue(value & 0xFFu);

    const auto insertion = static_cast<enIntEdit_Insertion>(provider.ConsumeIntegralInRange(0, 2));
    const auto mode = Modes[provider.ConsumeIntegralInRange(0, 3)];
    const auto hexChar = provider.ConsumeBool() ? hcLower : hcUpper;
    const int signedValue = static_cast<int>(value);
    checkGroupedValue(signedValue, insertion, mode, hexChar);
    checkGroupedValue(INT_MIN, insertion, mode, hexChar);
    checkGroupedValue(-(signedValue / 7), insertion, mode, hexChar);

    TypedCharContext field;
    field.textStartsWithMinus = provider.ConsumeBool();
    field.selectionStart = provider.ConsumeIntegralInRange(0, 3);
    field.hasSelection = provider.ConsumeBool();
    field.enableNegative = provider.ConsumeBool();
    const auto ch = provider.ConsumeIntegral<char32_t>() % 0x110000u;
    for (const char32_t c : {ch, ch & 0x7Fu}) {
        check(intEditCharAction(c, mode, field) == referenceCharAction(c, mode, field),
              "the typed-character filter follows its table", std::to_string(c));
    }

    IntDisplayFormat format;
    format.outputMode = mode;
    format.hexChar = hexChar;
    format.insertion = insertion;
    format.fillType = static_cast<enIntEdit_FillType>(provider.ConsumeIntegralInRange(0, 4));
    format.maxLength = provider.ConsumeIntegralInRange(0, 40);
    format.fillChar = QString::fromUtf8(provider.ConsumeBytesAsString(1));
    format.prefix = QString::fromUtf8(provider.ConsumeRandomLengthString(4));
    format.suffix = QString::fromUtf8(provider.ConsumeRandomLengthString(4));
    checkDisplay(signedValue, format);

    // Grouping of any text, matching its value or not.
    const std::string text = provider.ConsumeRemainingBytesAsString();
    checkInsertion(text, insertion, mode, signedValue);
    checkInsertion(text, insertion, imDec, -1);
    return 0;
}
