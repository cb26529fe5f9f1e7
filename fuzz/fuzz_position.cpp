// The saved window position and the option numbers: any value reads as the C library
// reads "%d,%d,%d" (or not at all), and what the program writes reads back.

#include "fuzz_support.h"
#include "reference_scan.h"
#include "settings_store.h"
#include "settings_values.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

namespace {

using fuzz::check;
using fuzz::escaped;

std::string describe(const std::optional<std::pair<int, int>>& p)
{
    return p ? std::to_string(p->first) + "," + std::to_string(p->second) : "none";
}

void checkPosition(const QString& value, const std::optional<std::vector<int>>& numbers)
{
    std::optional<std::pair<int, int>> expected;
    if (numbers && (*numbers)[0] != 0)
        expected = std::make_pair((*numbers)[1], (*numbers)[2]);
    const auto position = readWindowPosition(value);
    check(position == expected, "a position reads as \"%d,%d,%d\" with a nonzero flag",
          "value \"" + escaped(value) + "\" got " + describe(position) + " expected " +
              describe(expected));
    check(scanIntegers(value, 3) == numbers, "scanIntegers reads as \"%d,%d,%d\"", escaped(value));
}

void checkWrittenPosition(int left, int top)
{
    // What the close writes when the position is kept, and when it is not.
    const QString kept = QStringLiteral("1,%1,%2").arg(left).arg(top);
    check(readWindowPosition(kept) == std::make_pair(left, top), "a written position reads back",
          escaped(kept));
    check(!readWindowPosition(QStringLiteral("0,0,0")), "\"0,0,0\" places nothing");

    SettingsStore store;
    store.writeText(QStringLiteral("Options"), QStringLiteral("Position"), kept);
    const SettingsStore reread = SettingsStore::fromText(store.toText());
    check(readWindowPosition(reread.readText(QStringLiteral("options"), QStringLiteral("POSITION"),
                                             QStringLiteral("0,0,0"))) == std::make_pair(left, top),
          "a written position survives the settings text");
}

void checkOptionNumber(const QString& value)
{
    const auto expected = fuzz::referenceIntegerValue(value);
    const auto got = parseIntegerValue(value);
    check(got == expected, "an option number reads by its rules",
          "value \"" + escaped(value) + "\" got " + (got ? std::to_string(*got) : "none") +
              " expected " + (expected ? std::to_string(*expected) : "none"));
    if (got) {
        check(parseIntegerValue(QString::number(*got)) == got, "a decimal option reads back");
        check(parseIntegerValue(QStringLiteral("0x") +
                                QString::number(static_cast<std::uint32_t>(*got), 16)) == got,
              "a hexadecimal option reads back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QString latin1 = QString::fromLatin1(bytes);
    const auto numbers = fuzz::referenceScan(latin1, 3);
    if (const auto libc = fuzz::libcScan(bytes, 3))
        check(*libc == numbers, "the reference scan agrees with sscanf",
              escaped(bytes.toStdString()));
    checkPosition(latin1, numbers);
    checkOptionNumber(latin1);

    const QString text = QString::fromUtf8(bytes);
    checkPosition(text, fuzz::referenceScan(text, 3));
    checkOptionNumber(text);

    if (size >= 8) {
        int left = 0;
        int top = 0;
        std::memcpy(&left, data, sizeof left);
        std::memcpy(&top, data + 4, sizeof top);
        checkWrittenPosition(left, top);
    }
    return 0;
}
