#include "../settings/qstring_print.h"
#include "scheme_order.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <random>

namespace {

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QCollator caseInsensitiveCollator(const QLocale& locale)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

TEST(SchemeOrder, InsertIndexMatchesAFullSort)
{
    const QStringList pool = {
        q("sea"), q("Sea"),  q("SKY"),  q("apple"),    q("Äpfel"), q("zebra"), q("10"),    q("9"),
        q("海"),  q("あお"), q("アオ"), q("ｂｌｕｅ"), q("Blue"),  q(""),      q(" lead"), q("_x")};
    for (const QLocale& locale :
         {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::Japanese)}) {
        SCOPED_TRACE(locale.name().toStdString());
        const QCollator collator = caseInsensitiveCollator(locale);
        std::mt19937 random(3);
        QStringList sorted;
        for (int i = 0; i < 200; ++i) {
            const QString name = pool[random() % pool.size()] + QString::number(random() % 3);
            const int index = sortedInsertIndex(sorted, name, collator);
            sorted.insert(index, name);
            QStringList resorted = sorted;
            sortSchemeNames(resorted, collator);
            ASSERT_EQ(sorted, resorted) << "after inserting " << name.toStdString();
            // After its equals, never before them.
            ASSERT_TRUE(index + 1 == sorted.size() ||
                        collator.compare(name, sorted[index + 1]) < 0);
        }
    }
}

TEST(SchemeOrder, FindsNamesIgnoringCase)
{
    const QStringList names = {q("Sea"), q("ＳＫＹ"), q("Forest "), q("sea")};
    const std::pair<const char*, int> cases[] = {
        {"sea", 0}, {"SEA", 0}, {"ｓｋｙ", 1}, {"Forest ", 2}, {"Forest", -1}, {"Se", -1}, {"", -1},
    };
    for (const auto& [name, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(indexOfNameIgnoringCase(names, q(name)), expected);
    }
}

} // namespace
