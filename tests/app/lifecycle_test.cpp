#include "window_fixture.h"

#include <QAction>
#include <QFile>
#include <QPushButton>

#include <functional>

namespace {

const QByteArray kFirstRunFile =
    QByteArray("[Options]\r\n"
               "Position=0,0,0\r\n"
               "Sort=0\r\n"
               "Usename=0\r\n"
               "Coldq=0\r\n"
               "Usecss=0\r\n"
               "Digi16=0\r\n"
               "ImgViewer=\r\n"
               "Font=\"\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E\",11,0,0\r\n"
               "\r\n"
               "[Color Set]\r\n"
               "_lastend_=8421376,16777215,16711680,16776960,16711935\r\n"
               "\r\n");

const QStringList kCloseQuestion = {QStringLiteral("Pagetint"),
                                    QString::fromUtf8("設定を保存せずに終了しますか？"),
                                    QStringLiteral("OkCancel"), QStringLiteral("Question")};

} // namespace

TEST_F(WindowTest, EveryWayOfClosingSavesAndRemovesThePreviewPage)
{
    const struct {
        const char* way;
        std::function<void(WindowTest&)> close;
    } ways[] = {
        {"EndBtn",
         [](WindowTest& t) { QTest::mouseClick(t.find<QPushButton>("EndBtn"), Qt::LeftButton); }},
        {"Exit1", [](WindowTest& t) { t.find<QAction>("Exit1")->trigger(); }},
        {"Ctrl+Q",
         [](WindowTest& t) { QTest::keyClick(t.form.get(), Qt::Key_Q, Qt::ControlModifier); }},
        {"close box", [](WindowTest& t) { t.form->close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        QFile::remove(settingsPath());
        start();
        find<QAction>("Hview")->trigger();
        const QString page = form->tempPagePath();
        ASSERT_TRUE(QFile::exists(page));
        way.close(*this);
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(readAll(settingsPath()), kFirstRunFile);
        EXPECT_FALSE(QFile::exists(page));
        form.reset();
    }
}

TEST_F(WindowTest, FirstRunClosedAtOnceWritesTheDefaultFile)
{
    start();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(readAll(settingsPath()), kFirstRunFile);
}

TEST_F(WindowTest, ClosingWithoutAPreviewReportsNothing)
{
    start();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(platform.callsOf(QStringLiteral("messageBox")).isEmpty());
}

TEST_F(WindowTest, AFailedSettingsWriteKeepsTheWindowOpenAndRetries)
{
    start();
    QDir(folder()).mkdir(QStringLiteral("pagetint.ini")); // a folder where the file should go
    platform.messageAnswers = {Platform::Answer::Ok, Platform::Answer::Cancel};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    const auto messages = platform.callsOf(QStringLiteral("messageBox"));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].args.at(0), QStringLiteral("Pagetint"));
    EXPECT_TRUE(messages[0].args.at(1).startsWith(settingsPath() + QStringLiteral(": ")));
    EXPECT_EQ(messages[0].args.at(3), QStringLiteral("Error"));
    EXPECT_EQ(messages[1].args, kCloseQuestion);
    EXPECT_NE(form->settingsStore(), nullptr);

    // After a failed close the undo stack is empty: undo just turns itself off.
    find<QAction>("Cundo")->setEnabled(true);
    find<QAction>("Cundo")->trigger();
    EXPECT_FALSE(find<QAction>("Cundo")->isEnabled());

    QDir(folder()).rmdir(QStringLiteral("pagetint.ini"));
    EXPECT_TRUE(form->close());
    EXPECT_EQ(readAll(settingsPath()), kFirstRunFile);
}

TEST_F(WindowTest, AFailedSettingsWriteClosesWithoutSavingWhenTheUserSaysSo)
{
    start();
    find<QAction>("Hview")->trigger();
    const QString page = form->tempPagePath();
    ASSERT_TRUE(QFile::exists(page));
    QDir(folder()).mkdir(QStringLiteral("pagetint.ini"));
    const QStringList before = QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    platform.messageAnswers = {Platform::Answer::Ok, Platform::Answer::Ok};
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(messageTexts().size(), 2);
    EXPECT_EQ(platform.callsOf(QStringLiteral("messageBox")).at(1).args, kCloseQuestion);
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_TRUE(QDir(settingsPath()).isEmpty());
    EXPECT_FALSE(QFile::exists(page));
    EXPECT_EQ(form->settingsStore(), nullptr);
}
