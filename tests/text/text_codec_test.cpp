#include "text_codec.h"
#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The Japanese texts the program writes into its files or shows, which must survive CP932.
const char* const kJapaneseTexts[] = {
    "ＭＳ Ｐゴシック",
    "ＭＳ ゴシック",
    "ＭＳ 明朝",
    "<TITLE>Pagetint によるテンプレート</TITLE>",
    "文字色 TEXT",
    "リンク色 LINK",
    "選択済リンク色 VLINK",
    "クリック色 ALINK",
    "ﾌｧｲﾙ(&F)",
    "ﾃﾝﾌﾟﾚｰﾄ保存",
    "単色コピー時\"\"付",
    "配色名のｿｰﾄ",
    "画像ﾋﾞｭｰﾜ指定",
    "フォント設定...",
    "この配色をリストから削除します。\nよろしいですか？",
    "この配色名はすでに使われています。",
    "Undoバッファが取得できませんでした",
    "ファイルを保存できませんでした。",
    "終 了",
    "16進",
    "背景画像の選択",
    "画像ファイル|*.gif;*.jpg;*.jpeg;*.png|実行ファイル|*.exe;*.com|全てのファイル|*.*",
    "Pagetint画像ビューワ指定",
    "ﾊﾞｰｼﾞｮﾝ情報",
    "E-mail：",
    "URL：",
    "色セット登録名の入力",
};

} // namespace

TEST(TextCodec, JapaneseTextsRoundTripThroughCp932)
{
    for (const char* utf8 : kJapaneseTexts) {
        SCOPED_TRACE(utf8);
        const QString text = QString::fromUtf8(utf8);
        const std::optional<QByteArray> cp932 = encodeCp932(text);
        ASSERT_TRUE(cp932.has_value());
        EXPECT_EQ(encodeFileText(text), *cp932) << "CP932 text must not get a byte-order mark";
        EXPECT_EQ(decodeFileText(*cp932), text);
    }
}

TEST(TextCodec, KnownCp932Bytes)
{
    // "ＭＳ Ｐゴシック" as Windows writes it.
    EXPECT_EQ(encodeCp932(QString::fromUtf8("ＭＳ Ｐゴシック")),
              QByteArray("\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"));
    EXPECT_EQ(encodeCp932(QString::fromUtf8("ﾌｧｲﾙ")), QByteArray("\xCC\xA7\xB2\xD9"));
    EXPECT_EQ(encodeCp932(QStringLiteral("C:\\web~")), QByteArray("C:\\web~"));
}

TEST(TextCodec, TextOutsideCp932GoesToUtf8WithByteOrderMark)
{
    // The last ones have a CP932 code that reads back as another character.
    for (const char* utf8 : {"/home/rené/viewer", "scheme 🎨", "ÀÉÎ", "£1", "¥100", "a〜b", "x—y",
                             "‖", "¬", "¢", "−5"}) {
        SCOPED_TRACE(utf8);
        const QString text = QString::fromUtf8(utf8);
        EXPECT_FALSE(encodeCp932(text).has_value());
        const QByteArray bytes = encodeFileText(text);
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        EXPECT_EQ(decodeFileText(bytes), text);
    }
}

TEST(TextCodec, LeadingByteOrderMarkCharacterSurvivesTheUtf8Form)
{
    const QString text = QStringLiteral("\uFEFF\uFEFFname é");
    EXPECT_EQ(decodeFileText(encodeFileText(text)), text);
}

TEST(TextCodec, ReadingStopsAtNulAndSurvivesInvalidBytes)
{
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {QByteArray("abc\0def", 7), QStringLiteral("abc")},
        {QByteArray("\0abc", 4), QString()},
        {QByteArray("\xEF\xBB\xBF"
                    "a\0b",
                    6),
         QStringLiteral("a")},
        {QByteArray("a\x80"
                    "b"),
         QStringLiteral("a\uFFFDb")},
        {QByteArray("a\xFF\xFD"
                    "b"),
         QStringLiteral("a\uFFFD\uFFFDb")},
        {QByteArray("x\x82"), QStringLiteral("x\uFFFD")}, // a lead byte cut off at the end
        {QByteArray(), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        EXPECT_EQ(decodeFileText(c.bytes), c.text);
    }
}

TEST(TextFile, WritesCrLfAfterEveryLineAndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ini"));
    QString error;
    ASSERT_TRUE(writeTextLines(path,
                               {QStringLiteral("[Options]"),
                                QString::fromUtf8("Font=\"ＭＳ Ｐゴシック\",11,0,0"), QString()},
                               &error));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        file.readAll(),
        QByteArray(
            "[Options]\r\nFont=\"\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E\",11,"
            "0,0\r\n\r\n"));
    EXPECT_EQ(readTextFile(path, &error),
              QString::fromUtf8("[Options]\r\nFont=\"ＭＳ Ｐゴシック\",11,0,0\r\n\r\n"));
}

TEST(TextFile, FailedWriteLeavesOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(writeTextLines(dir.filePath(QStringLiteral("missing/a.ini")),
                                {QStringLiteral("x")}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(readTextFile(dir.filePath(QStringLiteral("nothing.ini")), &error).has_value());
    EXPECT_FALSE(error.isEmpty());

    // A file in a folder where nothing can be created, not even by root: the write fails
    // before the old file is touched.
    QFile old(QStringLiteral("/proc/version"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QByteArray before = old.readAll();
    old.close();
    error.clear();
    EXPECT_FALSE(writeTextLines(QStringLiteral("/proc/version"), {QStringLiteral("x")}, &error));
    EXPECT_FALSE(error.isEmpty());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), before);
}
