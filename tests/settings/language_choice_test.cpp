#include "language_choice.h"

#include <gtest/gtest.h>

namespace {

struct ChoiceRow {
    int stored;             // "Options"/"Language" as read, 0 when absent
    QStringList desktop;    // the desktop's languages, most preferred first
    QStringList translated; // the languages the program has a translation for
    const char* expected;
};

const QStringList English = {QStringLiteral("en")};

const ChoiceRow kRows[] = {
    {0, {QStringLiteral("en-US"), QStringLiteral("en")}, English, "en"},
    {0, {QStringLiteral("en_GB")}, English, "en"},
    {0, {QStringLiteral("ja-JP")}, English, "ja"},
    // The first language with a translation decides, Japanese included.
    {0, {QStringLiteral("de-DE"), QStringLiteral("en-US"), QStringLiteral("ja")}, English, "en"},
    {0, {QStringLiteral("de-DE"), QStringLiteral("ja"), QStringLiteral("en-US")}, English, "ja"},
    {0, {QStringLiteral("EN-Latn-US")}, English, "en"},
    // Nothing the program speaks, or no list at all: Japanese.
    {0, {QStringLiteral("de-DE"), QStringLiteral("fr")}, English, "ja"},
    {0, {QStringLiteral("C")}, English, "ja"},
    {0, {}, English, "ja"},
    {0, {QStringLiteral("en-US")}, {}, "ja"},
    // "eng" is not English's two-letter code.
    {0, {QStringLiteral("eng")}, English, "ja"},
    // A choice wins over the desktop.
    {1, {QStringLiteral("en-US")}, English, "ja"},
    {2, {QStringLiteral("ja-JP")}, English, "en"},
    {2, {QStringLiteral("ja-JP")}, {}, "ja"},
    // A damaged value leaves it to the desktop.
    {3, {QStringLiteral("en-US")}, English, "en"},
    {-1, {QStringLiteral("ja-JP")}, English, "ja"},
};

} // namespace

TEST(LanguageChoice, FollowsTheChoiceElseTheFirstDesktopLanguageWithATranslation)
{
    for (const ChoiceRow& row : kRows) {
        SCOPED_TRACE(testing::Message() << "stored " << row.stored << ", desktop "
                                        << row.desktop.join(u',').toStdString());
        EXPECT_EQ(chooseLanguage(languageOptionFromStored(row.stored), row.desktop, row.translated)
                      .toStdString(),
                  row.expected);
    }
}

TEST(LanguageChoice, StoredValueIsFoundInTheFileAsTheStoreFindsIt)
{
    const std::pair<QByteArray, int> rows[] = {
        {"[Options]\r\nSort=1\r\nLanguage=2\r\n\r\n[Color Set]\r\n", 2},
        {"[options]\nlanguage=0x1\n", 1},
        {"[Options]\rLanguage=2\r", 2},
        {QByteArray("\xEF\xBB\xBF[Options]\r\nLanguage=2\r\n"), 2},
        {"[Options]\r\nLanguage=2\r\nLanguage=1\r\n", 2},
        {"[Options]\r\nLanguage=English\r\n", 0},
        {"[Options]\r\nLanguage =2\r\n", 0},
        {"Language=2\r\n[Options]\r\n", 0},
        {"[Color Set]\r\nLanguage=2\r\n", 0},
        // The first section of a name is the one that counts.
        {"[Options]\r\nSort=0\r\n[OPTIONS]\r\nLanguage=2\r\n", 0},
        {QByteArray("[Options]\r\n\0Language=2\r\n", 22), 0},
        // A Shift-JIS character before the key makes it another key.
        {"[Options]\r\n\x83\x41Language=2\r\n", 0},
        {"", 0},
    };
    for (const auto& [file, expected] : rows) {
        SCOPED_TRACE(file.toStdString());
        EXPECT_EQ(storedLanguageValue(file), expected);
    }
}
