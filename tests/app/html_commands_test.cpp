#include "window_fixture.h"

#include "file_paths.h"
#include "secondary_windows.h"
#include "text_codec.h"
#include "url_label.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

const QByteArray kDefaultTemplate =
    "<HTML>\r\n<HEAD>\r\n<TITLE>Pagetint "
    "\x82\xC9\x82\xE6\x82\xE9\x83\x65\x83\x93\x83\x76\x83\x8C\x81\x5B\x83\x67</TITLE>\r\n"
    "</HEAD>\r\n"
    "<BODY BGCOLOR=\"#008080\" TEXT=\"#FFFFFF\" LINK=\"#0000FF\" VLINK=\"#00FFFF\" "
    "ALINK=\"#FF00FF\">\r\n"
    "<P><CENTER><BR><BR>\r\n"
    "<FONT COLOR=\"#FFFFFF\">\x95\xB6\x8E\x9A\x90\x46 TEXT</FONT>\r\n<BR><BR><BR>\r\n"
    "<FONT COLOR=\"#0000FF\">\x83\x8A\x83\x93\x83\x4E\x90\x46 LINK</FONT>\r\n<BR><BR><BR>\r\n"
    "<FONT COLOR=\"#00FFFF\">\x91\x49\x91\xF0\x8D\xCF\x83\x8A\x83\x93\x83\x4E\x90\x46 "
    "VLINK</FONT>\r\n<BR><BR><BR>\r\n"
    "<FONT COLOR=\"#FF00FF\">\x83\x4E\x83\x8A\x83\x62\x83\x4E\x90\x46 "
    "ALINK</FONT>\r\n<BR><BR><BR>\r\n"
    "</CENTER></P>\r\n</BODY>\r\n</HTML>\r\n";

} // namespace

class HtmlCommandTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        start();
    }
};

TEST_F(HtmlCommandTest, CtrlSWritesTheTemplateOfTheShownColours)
{
    const QString path = folder() + QStringLiteral("/page.html");
    platform.saveAnswers.push_back(path);
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(readAll(path), kDefaultTemplate);
    EXPECT_EQ(kDefaultTemplate.count("\r\n"), 17);
    const FakePlatform::FileDialog& dialog = platform.lastDialog;
    EXPECT_EQ(dialog.title, QStringLiteral("HTML テンプレートファイルの保存"));
    EXPECT_EQ(dialog.filter, QStringLiteral("HTML file|*.htm;*.html;*.chtml|全てのファイル|*.*"));
    EXPECT_EQ(dialog.defaultSuffix, QStringLiteral("html"));
    EXPECT_TRUE(dialog.confirmOverwrite);
    EXPECT_TRUE(messageTexts().isEmpty());

    // The dialog offers the name chosen last; a cancel writes nothing.
    QFile::remove(path);
    find<QAction>("SaveAs")->trigger();
    EXPECT_EQ(platform.lastDialog.selectedFile, path);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(HtmlCommandTest, SavingReplacesTheWholeFileAndFollowsTheCssOption)
{
    const QString path = folder() + QStringLiteral("/page.html");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(5000, '@'));
    file.close();
    find<QAction>("UseCSS")->trigger();
    platform.saveAnswers.push_back(path);
    find<QAction>("SaveAs")->trigger();
    const QByteArray bytes = readAll(path);
    EXPECT_EQ(bytes.count("\r\n"), 27);
    EXPECT_FALSE(bytes.contains('@'));
    EXPECT_TRUE(bytes.contains("  background: #008080; color: #ffffff; }\r\n"));
}

TEST_F(HtmlCommandTest, AFailedSaveSaysSoAndKeepsTheOldFile)
{
    const QByteArray before = readAll(QStringLiteral("/proc/version"));
    const struct {
        QString path;
    } targets[] = {{QStringLiteral("/proc/version")},
                   {folder() + QStringLiteral("/gone/page.html")}};
    for (const auto& target : targets) {
        SCOPED_TRACE(target.path.toStdString());
        platform.clearCalls();
        platform.saveAnswers.push_back(target.path);
        find<QAction>("SaveAs")->trigger();
        const auto calls = platform.callsOf(QStringLiteral("messageBox"));
        ASSERT_EQ(calls.size(), 1);
        EXPECT_EQ(calls[0].args.at(0), QStringLiteral("Pagetint"));
        EXPECT_TRUE(calls[0].args.at(1).startsWith(
            QStringLiteral("ファイルを保存できませんでした。\n") + target.path + u'\n'));
        EXPECT_EQ(calls[0].args.at(2), QStringLiteral("Ok"));
        EXPECT_EQ(calls[0].args.at(3), QStringLiteral("Exclamation"));
    }
    EXPECT_EQ(readAll(QStringLiteral("/proc/version")), before);
}

TEST_F(HtmlCommandTest, PreviewWritesTheBodyPageInAPrivateFolderAndOpensIt)
{
    find<QAction>("UseCSS")->trigger();
    find<QAction>("Hview")->trigger();
    const QString page = form->tempPagePath();
    EXPECT_EQ(QFileInfo(page).fileName(), QStringLiteral("~Pagetinttmp.html"));
    EXPECT_TRUE(page.startsWith(folder() + QStringLiteral("/runtime/")));
    const QByteArray bytes = readAll(page);
    EXPECT_EQ(bytes.count("\r\n"), 19) << "the BODY form, whatever the CSS option says";
    EXPECT_TRUE(bytes.contains("<TABLE WIDTH=\"100%\" HEIGHT=\"100%\">"));
    ASSERT_EQ(platform.callsOf(QStringLiteral("shellOpen")).size(), 1);
    EXPECT_EQ(platform.callsOf(QStringLiteral("shellOpen"))[0].args.at(0), page);
}

TEST_F(HtmlCommandTest, PreviewFallsBackToTheTemporaryFolderWhenTheRuntimeOneIsNotPrivate)
{
    const QString shared = folder() + QStringLiteral("/shared");
    const QString linked = folder() + QStringLiteral("/linked");
    ASSERT_TRUE(QDir(folder()).mkpath(QStringLiteral("shared")));
    ASSERT_TRUE(QFile::link(folder() + QStringLiteral("/runtime"), linked));
    const struct {
        QString runtime;
        QFile::Permissions mode;
    } cases[] = {{shared, QFile::Permissions(0x7777)},
                 {shared, QFile::Permissions(0x7770)},
                 {linked, QFile::Permissions(0x7700)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.runtime.toStdString() + " " + std::to_string(int(c.mode)));
        form.reset();
        platform.clearCalls();
        ASSERT_TRUE(QFile::setPermissions(shared, c.mode));
        qputenv("XDG_RUNTIME_DIR", c.runtime.toLocal8Bit());
        start();
        find<QAction>("Hview")->trigger();
        EXPECT_EQ(messageTexts(), QStringList());
        const QString page = form->tempPagePath();
        EXPECT_TRUE(page.startsWith(platform.tempFolderPath + QStringLiteral("/pagetint-")));
        EXPECT_EQ(readAll(page).count("\r\n"), 19);
        ASSERT_EQ(platform.callsOf(QStringLiteral("shellOpen")).size(), 1);
        EXPECT_EQ(platform.callsOf(QStringLiteral("shellOpen"))[0].args.at(0), page);
    }
}

TEST_F(HtmlCommandTest, PreviewNeverWritesThroughAPlantedLink)
{
    const QString victim = folder() + QStringLiteral("/victim.txt");
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("precious");
    file.close();
    ASSERT_TRUE(QFile::link(victim, form->tempPagePath()));
    find<QAction>("Hview")->trigger();
    EXPECT_EQ(readAll(victim), QByteArray("precious"));
    EXPECT_FALSE(QFileInfo(form->tempPagePath()).isSymLink());
    EXPECT_EQ(readAll(form->tempPagePath()).count("\r\n"), 19);
}

TEST_F(HtmlCommandTest, BackgroundImageIsChosenShownAndReleased)
{
    QAction* iview = find<QAction>("Iview");
    QAction* cancel = find<QAction>("CancelBG");
    platform.openAnswers.push_back(std::nullopt);
    find<QAction>("LdBack")->trigger();
    EXPECT_FALSE(iview->isEnabled());
    EXPECT_EQ(platform.lastDialog.filterIndex, 1);
    EXPECT_EQ(platform.lastDialog.title, QStringLiteral("背景画像の選択"));
    EXPECT_TRUE(platform.lastDialog.fileMustExist);

    platform.openAnswers.push_back(QStringLiteral("/srv/img/tile.png"));
    find<QAction>("LdBack")->trigger();
    EXPECT_TRUE(iview->isEnabled() && cancel->isEnabled());

    iview->trigger();
    EXPECT_EQ(platform.callsOf(QStringLiteral("shellOpen")).constLast().args.at(0),
              QStringLiteral("/srv/img/tile.png"));

    const QString path = folder() + QStringLiteral("/bg.html");
    platform.saveAnswers.push_back(path);
    find<QAction>("SaveAs")->trigger();
    EXPECT_TRUE(
        readAll(path).contains("<BODY BACKGROUND=\"/srv/img/tile.png\" BGCOLOR=\"#008080\""));

    cancel->trigger();
    EXPECT_FALSE(iview->isEnabled() || cancel->isEnabled());
    platform.saveAnswers.push_back(path);
    find<QAction>("SaveAs")->trigger();
    EXPECT_FALSE(readAll(path).contains("BACKGROUND"));
}

TEST_F(HtmlCommandTest, ViewerPathChangesOnlyOnOk)
{
    const struct {
        const char* typed;
        bool ok;
        const char* after;
    } steps[] = {{"/usr/bin/feh", true, "/usr/bin/feh"},
                 {"/bin/other", false, "/usr/bin/feh"},
                 {"", true, ""},
                 {"/x\r\nSort=1", true, "/xSort=1"}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.typed);
        whenDialogShows([&step](QDialog* dialog) {
            auto* form4 = static_cast<TForm4*>(dialog);
            form4->IVname->setText(QString::fromUtf8(step.typed));
            QTest::mouseClick(step.ok ? form4->Button1 : form4->Button2, Qt::LeftButton);
        });
        find<QAction>("SetViewer")->trigger();
        EXPECT_EQ(form->viewerPath(), QString::fromUtf8(step.after));
    }

    // Browsing fills the field from the open dialog's program filter.
    platform.openAnswers.push_back(QStringLiteral("/opt/viewer"));
    whenDialogShows([](QDialog* dialog) {
        auto* form4 = static_cast<TForm4*>(dialog);
        QTest::mouseClick(form4->RefBtn, Qt::LeftButton);
        EXPECT_EQ(form4->IVname->text(), QStringLiteral("/opt/viewer"));
        QTest::mouseClick(form4->Button1, Qt::LeftButton);
    });
    find<QAction>("SetViewer")->trigger();
    EXPECT_EQ(platform.lastDialog.filterIndex, 2);
    EXPECT_EQ(form->viewerPath(), QStringLiteral("/opt/viewer"));

    platform.openAnswers.push_back(QStringLiteral("/img/a.png"));
    find<QAction>("LdBack")->trigger();
    find<QAction>("Iview")->trigger();
    const auto starts = platform.callsOf(QStringLiteral("startDetached"));
    ASSERT_EQ(starts.size(), 1);
    EXPECT_EQ(starts[0].args,
              QStringList({QStringLiteral("/opt/viewer"), QStringLiteral("/img/a.png")}));
}

TEST_F(HtmlCommandTest, PreviewFontFollowsTheDialogButKeepsUnderlinesAndColours)
{
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSize(12);
    chosen.setBold(true);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    chosen.setStrikeOut(true);
    platform.fontAnswers.push_back(chosen);
    find<QAction>("FontSet")->trigger();
    const char* labels[] = {"TextLabel", "LinkLabel", "VlinkLabel", "AlinkLabel"};
    for (const char* name : labels) {
        SCOPED_TRACE(name);
        const TURLLabel* label = find<TURLLabel>(name);
        EXPECT_EQ(label->font().family(), QStringLiteral("DejaVu Serif"));
        EXPECT_EQ(label->font().pixelSize(), 16);
        EXPECT_TRUE(label->font().bold() && label->font().italic() && label->font().strikeOut());
        EXPECT_EQ(label->font().underline(), std::string(name) != "TextLabel");
        EXPECT_EQ(label->x(), centredLabelLeft(find<QWidget>("BGpanel")->contentsRect().width(),
                                               label->width()));
    }
    EXPECT_EQ(find<TURLLabel>("TextLabel")->fontColor(), rgbColor(255, 255, 255));
    EXPECT_EQ(centredLabelLeft(238, 85), 80);

    find<QAction>("Hview")->trigger();
    const QByteArray page = readAll(form->tempPagePath());
    EXPECT_TRUE(page.contains("<FONT size=5><B><I>\r\n"));
    EXPECT_TRUE(page.contains("</I></B></FONT>\r\n"));

    platform.fontAnswers.push_back(std::nullopt);
    find<QAction>("FontSet")->trigger();
    EXPECT_EQ(find<TURLLabel>("TextLabel")->font().family(), QStringLiteral("DejaVu Serif"));

    EXPECT_TRUE(form->close());
    EXPECT_TRUE(readAll(settingsPath()).contains("Font=\"DejaVu Serif\",12,1,1\r\n"));
}

TEST_F(HtmlCommandTest, LatinOnlyPreviewFontKeepsTheJapaneseSamplesDrawn)
{
    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSize(10);
    chosen.setItalic(true);
    platform.fontAnswers.push_back(chosen);
    find<QAction>("FontSet")->trigger();
    for (int run = 0; run < 2; ++run) {
        for (const char* name : {"TextLabel", "LinkLabel", "VlinkLabel", "AlinkLabel"}) {
            SCOPED_TRACE(std::string(name) + (run ? " after a restart" : ""));
            const TURLLabel* label = find<TURLLabel>(name);
            EXPECT_EQ(label->font().family(), QStringLiteral("DejaVu Sans"));
            EXPECT_TRUE(label->font().italic());
            const QFontMetrics metrics(label->font());
            for (char32_t c : label->text().toUcs4())
                EXPECT_TRUE(metrics.inFontUcs4(c)) << std::hex << unsigned(c);
        }
        EXPECT_TRUE(form->close());
        EXPECT_TRUE(readAll(settingsPath()).contains("Font=\"DejaVu Sans\",10,0,1\r\n"));
        form.reset();
        start();
    }
}

// The executable in <folder>/bin, so that the installed help (../share/doc/pagetint/help)
// stays inside the test's folder.
TEST_F(WindowTest, HelpOpensOnlyAnExistingFile)
{
    const QString bin = folder() + QStringLiteral("/bin");
    const QString chm = bin + QStringLiteral("/pagetint.chm");
    const QString built = bin + QStringLiteral("/help/index.html");
    const QString installed = folder() + QStringLiteral("/share/doc/pagetint/help/index.html");
    ASSERT_TRUE(QDir().mkpath(bin + QStringLiteral("/help")));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(installed).path()));
    platform.executableFilePath = bin + QStringLiteral("/pagetint");
    start();
    auto* helpMenu = find<QMenu>("Help1");
    auto* contents = find<QAction>("Contents1");

    struct Row {
        QStringList present;
        QString opened; // empty: the item is disabled and nothing opens
    };
    const Row rows[] = {
        {{}, {}},
        {{installed}, installed},
        {{built, installed}, built},
        {{chm, built, installed}, chm},
        {{chm}, chm},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.present.join(u' ').toStdString());
        for (const QString& path : {chm, built, installed})
            QFile::remove(path);
        for (const QString& path : row.present) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        platform.clearCalls();
        emit helpMenu->aboutToShow();
        EXPECT_EQ(contents->isEnabled(), !row.opened.isEmpty());
        contents->trigger();
        const auto opens = platform.callsOf(QStringLiteral("shellOpen"));
        if (row.opened.isEmpty()) {
            EXPECT_TRUE(opens.isEmpty());
        } else {
            ASSERT_EQ(opens.size(), 1);
            EXPECT_EQ(QFileInfo(opens[0].args.at(0)).absoluteFilePath(), row.opened);
        }
    }
}

TEST_F(HtmlCommandTest, WhatTheShellCannotOpenIsNamedInABox)
{
    const QString image = folder() + QStringLiteral("/tile.png");
    platform.openAnswers.push_back(image);
    find<QAction>("LdBack")->trigger();
    const QString help = folder() + QStringLiteral("/pagetint.chm");
    QFile(help).open(QIODevice::WriteOnly);
    emit find<QMenu>("Help1")->aboutToShow();
    const QString viewer = QStringLiteral("/opt/viewer");
    const QString cannotOpen = QStringLiteral("次のファイルまたはアドレスを開けませんでした。\n");
    const QString cannotStart = QStringLiteral("次のプログラムを起動できませんでした。\n");

    struct Row {
        const char* action;
        QString viewerPath;
        QString message;
    };
    const Row rows[] = {
        {"Hview", {}, cannotOpen + form->tempPagePath()},
        {"Iview", {}, cannotOpen + image},
        {"Iview", viewer, cannotStart + viewer},
        {"Contents1", {}, cannotOpen + help},
    };
    platform.shellResult = false;
    platform.startResult = false;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.action);
        platform.clearCalls();
        whenDialogShows([&](QDialog* dialog) {
            static_cast<TForm4*>(dialog)->IVname->setText(row.viewerPath);
            dialog->accept();
        });
        find<QAction>("SetViewer")->trigger();
        find<QAction>(row.action)->trigger();
        const auto boxes = platform.callsOf(QStringLiteral("messageBox"));
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].args,
                  QStringList({QStringLiteral("Pagetint"), row.message, QStringLiteral("Ok"),
                               QStringLiteral("Exclamation")}));
    }

    // A shell that opens it shows nothing.
    platform.shellResult = true;
    platform.clearCalls();
    find<QAction>("Contents1")->trigger();
    EXPECT_TRUE(messageTexts().isEmpty());
}

TEST_F(HtmlCommandTest, VersionDialogShowsItsTextsAndOpensTheHomePage)
{
    whenDialogShows([this](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("Version"))->text(),
                  QStringLiteral("Version 1.31"));
        auto* link = dialog->findChild<TURLLabel*>(QStringLiteral("URLLabel1"));
        ASSERT_NE(link, nullptr);
        QTest::mousePress(link, Qt::RightButton, {}, QPoint(2, 2));
        QTest::mouseRelease(link, Qt::RightButton, {}, QPoint(2, 2));
        EXPECT_EQ(platform.callsOf(QStringLiteral("shellOpen")).size(), 1);
        EXPECT_EQ(platform.callsOf(QStringLiteral("shellOpen"))[0].args.at(0), link->text());
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKButton")),
                          Qt::LeftButton);
    });
    find<QAction>("About1")->trigger();
    EXPECT_FALSE(form->aboutBox()->isVisible());
}
