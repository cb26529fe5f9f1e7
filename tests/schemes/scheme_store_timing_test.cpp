#include "scheme_order.h"
#include "scheme_value.h"
#include "settings_store.h"

#include <QElapsedTimer>
#include <QLocale>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr int SchemeCount = 10000;
constexpr qint64 GenerousBoundNs = 1'000'000'000; // far above the target; catches only blow-ups

TEST(SchemeStoreTiming, TenThousandSchemes)
{
    QString file = QStringLiteral("[Color Set]\r\n");
    for (int i = 0; i < SchemeCount; ++i)
        file += QStringLiteral("Scheme %1=%1,1,2,3,4\r\n").arg(i);
    file += QStringLiteral("_lastend_=1,2,3,4,5\r\n");
    QCollator collator(QLocale(QLocale::Japanese));
    collator.setCaseSensitivity(Qt::CaseInsensitive);

    QElapsedTimer timer;
    timer.start();
    SettingsStore store = SettingsStore::fromText(file);
    QStringList names = store.listKeys(SchemeSection);
    names.removeAll(LastEndKey);
    // Start-up reads the exit colours, which indexes the section.
    EXPECT_TRUE(readSchemeColors(store.readText(SchemeSection, LastEndKey, NoneMarker)));
    const qint64 loadNs = timer.nsecsElapsed();
    sortSchemeNames(names, collator);

    const QString added = QStringLiteral("scheme 5000x");
    timer.start();
    EXPECT_EQ(indexOfNameIgnoringCase(names, added), -1);
    names.insert(sortedInsertIndex(names, added, collator), added);
    store.writeText(SchemeSection, added, schemeValueText({1, 2, 3, 4, 5}));
    const qint64 addNs = timer.nsecsElapsed();

    timer.start();
    for (int i = 0; i < SchemeCount; ++i) {
        store.writeText(SchemeSection, QStringLiteral("SCHEME %1").arg(i),
                        QStringLiteral("9,9,9,9,9"));
        store.writeText(SchemeSection, QStringLiteral("new %1").arg(i),
                        QStringLiteral("1,1,1,1,1"));
    }
    const qint64 writesNs = timer.nsecsElapsed();

    std::printf("load+list %.3f ms, one add %.3f ms, %d writes %.3f ms\n", loadNs / 1e6,
                addNs / 1e6, 2 * SchemeCount, writesNs / 1e6);
    EXPECT_LT(loadNs, GenerousBoundNs);
    EXPECT_LT(addNs, GenerousBoundNs);
    EXPECT_LT(writesNs, GenerousBoundNs);
    EXPECT_EQ(store.readText(SchemeSection, QStringLiteral("scheme 42"), QString()),
              QStringLiteral("9,9,9,9,9"));
    EXPECT_EQ(store.listKeys(SchemeSection).size(), 2 * SchemeCount + 2);
}

} // namespace
