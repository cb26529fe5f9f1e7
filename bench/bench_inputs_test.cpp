#include "bench_inputs.h"

#include "css_reader.h"
#include "paste_parser.h"
#include "scheme_value.h"
#include "settings_store.h"
#include "text_file.h"

#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::size_t findIgnoringCase(const std::string& text, std::string_view word)
{
    const auto it =
        std::search(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) ==
                   std::tolower(static_cast<unsigned char>(b));
        });
    return it == text.end() ? std::string::npos : static_cast<std::size_t>(it - text.begin());
}

struct PageCase {
    std::size_t bytes;
    BodyColorSet colors;
};

TEST(GeneratedPage, HasTheExactSizeAndOneBodyTagAtTheEnd)
{
    const PageCase cases[] = {
        {1'000, DocumentColors},
        {4'097,
         {rgbColor(1, 2, 3), rgbColor(0xAB, 0xCD, 0xEF), 0, rgbColor(255, 255, 255),
          rgbColor(9, 8, 7)}},
        {1'000'000, DocumentColors},
        {10'000'000, DocumentColors},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.bytes);
        const std::string page = htmlDocumentWithBodyAtEnd(c.bytes, c.colors);
        EXPECT_EQ(page.size(), c.bytes);
        EXPECT_EQ(page.front(), '<');
        const std::size_t body = findIgnoringCase(page, "body");
        ASSERT_NE(body, std::string::npos);
        // The first "body" in any case opens the tag, and only "</html>" follows the tag.
        const std::string tail = "<body BGCOLOR=\"" + colorHex(c.colors[BGCOLOR]) + "\" TEXT=\"" +
                                 colorHex(c.colors[TEXT]) + "\" LINK=\"" +
                                 colorHex(c.colors[LINK]) + "\" VLINK=\"" +
                                 colorHex(c.colors[VLINK]) + "\" ALINK=\"" +
                                 colorHex(c.colors[ALINK]) + "\">\n</html>\n";
        EXPECT_EQ(page.substr(body - 1), tail);

        const PasteResult parsed = parsePaste(page);
        EXPECT_EQ(parsed.kind, PasteResult::Kind::BodyColors);
        EXPECT_EQ(parsed.bodyColors, c.colors);
        EXPECT_TRUE(parsed.anyAttributeRead);
    }
}

TEST(GeneratedPage, GrowsWhenAskedForLessThanItsHeadAndTail)
{
    const std::string page = htmlDocumentWithBodyAtEnd(10, DocumentColors);
    EXPECT_GT(page.size(), 10u);
    EXPECT_EQ(parsePaste(page).bodyColors, DocumentColors);
}

SettingsStore writtenAndReadBack(const QStringList& lines, qint64* fileSize)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pagetint.ini"));
    QString error;
    EXPECT_TRUE(writeTextLines(path, lines, &error)) << error.toStdString();
    *fileSize = QFileInfo(path).size();
    const std::optional<QString> text = readTextFile(path, &error);
    EXPECT_TRUE(text.has_value()) << error.toStdString();
    return SettingsStore::fromText(text.value_or(QString()));
}

TEST(GeneratedStyleSheet, HasTheExactSizeAndReadsToItsColours)
{
    const BodyColorSet colors = {rgbColor(1, 2, 3), rgbColor(0xAB, 0xCD, 0xEF), 0,
                                 rgbColor(255, 255, 255), rgbColor(9, 8, 7)};
    for (const std::size_t bytes :
         {std::size_t(2'000), std::size_t(4'097), std::size_t(1'000'000)}) {
        SCOPED_TRACE(bytes);
        const std::string sheet = styleSheetWithBodyAtEnd(bytes, colors);
        EXPECT_EQ(sheet.size(), bytes);
        const CssPasteResult result = readCssPaste(sheet);
        ASSERT_EQ(result.kind, CssPasteResult::Kind::SlotColors);
        for (int slot = 0; slot < SlotCount; ++slot)
            EXPECT_EQ(result.slotColors[slot], colors[slot]) << slot;
        EXPECT_GT(sheet.rfind("body {"), sheet.rfind("}\n@media")) << "the body rule comes last";
    }
}

TEST(GeneratedSettings, TenThousandSchemesReadBackWhole)
{
    for (const bool sorted : {false, true}) {
        SCOPED_TRACE(sorted);
        qint64 size = 0;
        const SettingsStore store = writtenAndReadBack(settingsFileLines(10'000, sorted), &size);
        EXPECT_EQ(store.readInteger(QStringLiteral("Options"), QStringLiteral("Sort"), -1),
                  sorted ? 1 : 0);
        EXPECT_EQ(store.readText(SchemeSection, LastEndKey, NoneMarker),
                  QStringLiteral("8421376,16777215,16711680,16776960,16711935"));

        QStringList keys = store.listKeys(SchemeSection);
        ASSERT_EQ(keys.size(), 10'001);
        EXPECT_EQ(keys.last(), LastEndKey);
        keys.removeLast();

        QSet<QString> expected;
        QSet<QString> folded;
        for (int i = 0; i < 10'000; ++i) {
            expected.insert(generatedSchemeName(i));
            folded.insert(generatedSchemeName(i).toCaseFolded());
        }
        EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()), expected);
        EXPECT_EQ(folded.size(), 10'000) << "names must differ without regard to case";

        // The stored order is shuffled, so sorting at start has real work to do.
        EXPECT_FALSE(std::is_sorted(keys.begin(), keys.end()));
        for (const QString& key : keys) {
            ASSERT_TRUE(isStorableSchemeName(key)) << key.toStdString();
            ASSERT_TRUE(readSchemeColors(store.readText(SchemeSection, key, NoneMarker)))
                << key.toStdString();
        }
    }
}

TEST(GeneratedSettings, NoSchemesIsAnEmptyFile)
{
    qint64 size = -1;
    const SettingsStore store = writtenAndReadBack(settingsFileLines(0, false), &size);
    EXPECT_EQ(size, 0);
    EXPECT_TRUE(store.listKeys(SchemeSection).isEmpty());
    EXPECT_TRUE(store.toText().isEmpty());
}

} // namespace
