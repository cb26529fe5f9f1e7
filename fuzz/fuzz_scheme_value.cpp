// Stored scheme values and names: any value reads as the C library would read
// "%d,%d,%d,%d,%d", every colour it gives fits 24 bits, and what is written reads back.
// A name the store accepts survives the settings text; the name order keeps its promises.

#include "fuzz_support.h"
#include "reference_scan.h"
#include "scheme_order.h"
#include "scheme_value.h"
#include "settings_store.h"

#include <QByteArray>
#include <QCollator>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace {

using fuzz::check;
using fuzz::escaped;

std::optional<BodyColorSet> expectedColors(const std::optional<std::vector<int>>& numbers)
{
    if (!numbers)
        return std::nullopt;
    BodyColorSet colors{};
    for (std::size_t i = 0; i < colors.size(); ++i)
        colors[i] = static_cast<std::uint32_t>((*numbers)[i]) & fuzz::ColorMask;
    return colors;
}

std::string describe(const std::optional<BodyColorSet>& colors)
{
    if (!colors)
        return "none";
    std::string s;
    for (const ColorValue c : *colors)
        s += std::to_string(c) + " ";
    return s;
}

// Five plain decimal numbers between 0 and 16777215, joined by single commas.
bool isWrittenForm(const QString& text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != SlotCount)
        return false;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 8 || (part.size() > 1 && part[0] == u'0'))
            return false;
        for (const QChar c : part) {
            if (!fuzz::isDecimalDigit(c.unicode()))
                return false;
        }
        if (part.toLong() > static_cast<long>(fuzz::ColorMask))
            return false;
    }
    return true;
}

void checkValue(const QString& value, const std::optional<BodyColorSet>& expected)
{
    const auto colors = readSchemeColors(value);
    check(colors == expected, "a scheme value reads as five %d numbers",
          "value \"" + escaped(value) + "\" got " + describe(colors) + "expected " +
              describe(expected));
    if (!colors)
        return;
    for (const ColorValue c : *colors)
        check(c <= fuzz::ColorMask, "a scheme colour fits 24 bits");
    const QString written = schemeValueText(*colors);
    check(isWrittenForm(written), "a scheme value is written as five numbers", escaped(written));
    check(readSchemeColors(written) == colors, "a written scheme value reads back",
          escaped(written));
}

void checkName(const QString& name)
{
    const bool expected =
        !name.startsWith(u';') && !name.contains(u'=') && !name.contains(u'\r') &&
        !name.contains(u'\n') && !name.contains(QChar(u'\0')) &&
        QString::compare(name, QLatin1String("_lastend_"), Qt::CaseInsensitive) != 0;
    check(isStorableSchemeName(name) == expected, "storable names are exactly the safe ones",
          escaped(name));
    if (!expected || name.isEmpty())
        return;

    // The name goes into a store beside the exit colours and another scheme, and the
    // settings text is read again, as at the next start.
    SettingsStore store;
    store.writeText(SchemeSection, LastEndKey, QStringLiteral("1,2,3,4,5"));
    store.writeText(SchemeSection, QStringLiteral("other"), QStringLiteral("6,7,8,9,10"));
    const QString value = schemeValueText({0x808000, 0xFFFFFF, 0xFF0000, 0xFFFF00, 0xFF00FF});
    store.writeText(SchemeSection, name, value);
    const SettingsStore reread = SettingsStore::fromText(store.toText());
    const QStringList keys = reread.listKeys(SchemeSection);
    check(keys.contains(name), "a storable name is listed again after a restart", escaped(name));
    check(reread.readText(SchemeSection, name, NoneMarker) == value,
          "a storable name finds its value after a restart", escaped(name));
    check(reread.readText(SchemeSection, LastEndKey, NoneMarker) == QStringLiteral("1,2,3,4,5"),
          "a scheme never takes the place of the exit colours", escaped(name));
}

void checkOrder(const QStringList& names)
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Japanese, QLocale::Japan));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    QStringList sorted = names;
    sortSchemeNames(sorted, collator);

    QStringList a = names;
    QStringList b = sorted;
    a.sort();
    b.sort();
    check(a == b, "sorting keeps every name");
    for (qsizetype i = 1; i < sorted.size(); ++i)
        check(collator.compare(sorted[i - 1], sorted[i]) <= 0, "sorted names are in order",
              escaped(sorted[i - 1]) + " | " + escaped(sorted[i]));

    // Insertion one by one after every name that does not sort after the new one: the
    // order the list shows when names are added with sorting on, and a stable sort.
    QStringList inserted;
    for (const QString& name : names) {
        qsizetype at = inserted.size();
        while (at > 0 && collator.compare(inserted[at - 1], name) > 0)
            --at;
        inserted.insert(at, name);
    }
    check(inserted == sorted, "sorting is stable and agrees with adding one by one");

    for (const QString& name : {names.value(0), names.value(names.size() / 2) + u'x'}) {
        const int at = sortedInsertIndex(sorted, name, collator);
        check(at >= 0 && at <= sorted.size(), "the insert place lies in the list");
        for (qsizetype i = 0; i < at; ++i)
            check(collator.compare(sorted[i], name) <= 0,
                  "a new name goes after every name that does not sort after it");
        for (qsizetype i = at; i < sorted.size(); ++i)
            check(collator.compare(sorted[i], name) > 0,
                  "a new name goes before every name that sorts after it");

        int expected = -1;
        for (qsizetype i = 0; i < names.size() && expected < 0; ++i) {
            if (QString::compare(names[i], name, Qt::CaseInsensitive) == 0)
                expected = static_cast<int>(i);
        }
        check(indexOfNameIgnoringCase(names, name) == expected,
              "a name is found again without regard to case", escaped(name));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // As bytes, where the C library can give its opinion too.
    const QString latin1 = QString::fromLatin1(bytes);
    const auto reference = fuzz::referenceScan(latin1, SlotCount);
    if (const auto libc = fuzz::libcScan(bytes, SlotCount))
        check(*libc == reference, "the reference scan agrees with sscanf",
              escaped(bytes.toStdString()));
    checkValue(latin1, expectedColors(reference));

    // As the UTF-8 text a settings file gives.
    const QString text = QString::fromUtf8(bytes);
    checkValue(text, expectedColors(fuzz::referenceScan(text, SlotCount)));

    checkName(text);
    if (const qsizetype nul = text.indexOf(QChar(u'\0')); nul >= 0)
        checkName(text.left(nul));

    // The collator is slow; a few dozen names are plenty.
    if (const QStringList names = text.split(u'\n'); names.size() <= 64)
        checkOrder(names);
    return 0;
}
