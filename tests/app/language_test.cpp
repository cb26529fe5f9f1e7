#include "window_fixture.h"

#include "language.h"

#include <QAction>
#include <QTranslator>

namespace {

const QString kNextStartBox = QStringLiteral("表示言語は次回の起動から切り替わります。");

struct MenuRow {
    QByteArray fileAtStart; // empty: no settings file
    const char* checkedAtStart;
    const char* chosen;
    bool box;
    QByteArray lineAtClose; // empty: no Language key in the file
    LanguageOption nextStart;
};

const MenuRow kMenuRows[] = {
    {{}, "LanguageAuto", "LanguageEn", true, "Language=2\r\n", LanguageOption::English},
    {{}, "LanguageAuto", "LanguageJa", true, "Language=1\r\n", LanguageOption::Japanese},
    // Choosing what is in effect changes nothing, and the file stays without the key.
    {{}, "LanguageAuto", "LanguageAuto", false, {}, LanguageOption::Automatic},
    {"[Options]\r\nLanguage=2\r\n", "LanguageEn", "LanguageEn", false, "Language=2\r\n",
     LanguageOption::English},
    {"[Options]\r\nLanguage=2\r\n", "LanguageEn", "LanguageAuto", true, "Language=0\r\n",
     LanguageOption::Automatic},
    {"[Options]\r\nLanguage=9\r\n", "LanguageAuto", "LanguageJa", true, "Language=1\r\n",
     LanguageOption::Japanese},
};

// What a run writes: the clipboard's whole copy in both forms, both templates, the preview
// page and the settings file.
struct Output {
    QString bodyCopy, cssCopy;
    QByteArray bodyTemplate, cssTemplate, previewPage, settings;
};

} // namespace

TEST_F(WindowTest, LanguageMenuKeepsTheChoiceForTheNextStartAndSaysSo)
{
    for (const MenuRow& row : kMenuRows) {
        SCOPED_TRACE(row.chosen + (" from " + row.fileAtStart.toStdString()));
        QFile::remove(settingsPath());
        if (!row.fileAtStart.isEmpty()) {
            QFile file(settingsPath());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(row.fileAtStart);
        }
        platform.clearCalls();
        start();
        EXPECT_TRUE(find<QAction>(row.checkedAtStart)->isChecked());
        find<QAction>(row.chosen)->trigger();
        EXPECT_TRUE(find<QAction>(row.chosen)->isChecked());
        EXPECT_EQ(messageTexts(), row.box ? QStringList{kNextStartBox} : QStringList());
        EXPECT_TRUE(form->close());
        form.reset();
        const QByteArray written = readAll(settingsPath());
        EXPECT_EQ(written.count("Language="), row.lineAtClose.isEmpty() ? 0 : 1)
            << written.toStdString();
        EXPECT_TRUE(written.contains(row.lineAtClose)) << written.toStdString();
        EXPECT_EQ(storedLanguageOption(platform), row.nextStart);
    }
}

TEST_F(WindowTest, WhatTheProgramWritesIsTheSameInEnglish)
{
    auto run = [this](const char* copyAllCaption) {
        QFile::remove(settingsPath());
        start();
        EXPECT_EQ(find<QAction>("Acopy")->text(), QString::fromUtf8(copyAllCaption));
        Output out;
        find<QAction>("Cusename")->trigger();
        find<QAction>("Acopy")->trigger();
        out.bodyCopy = QGuiApplication::clipboard()->text();
        platform.saveAnswers.push_back(folder() + QStringLiteral("/body.html"));
        find<QAction>("SaveAs")->trigger();
        out.bodyTemplate = readAll(folder() + QStringLiteral("/body.html"));
        find<QAction>("UseCSS")->trigger();
        find<QAction>("Acopy")->trigger();
        out.cssCopy = QGuiApplication::clipboard()->text();
        platform.saveAnswers.push_back(folder() + QStringLiteral("/css.html"));
        find<QAction>("SaveAs")->trigger();
        out.cssTemplate = readAll(folder() + QStringLiteral("/css.html"));
        find<QAction>("Hview")->trigger();
        out.previewPage = readAll(form->tempPagePath());
        EXPECT_TRUE(form->close());
        form.reset();
        out.settings = readAll(settingsPath());
        return out;
    };
    const Output japanese = run("全体コピー");
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/pagetint_en")));
    QCoreApplication::installTranslator(&english);
    const Output inEnglish = run("Copy All");
    QCoreApplication::removeTranslator(&english);

    EXPECT_TRUE(japanese.bodyCopy.contains(QStringLiteral("BGCOLOR=\"teal\"")));
    EXPECT_EQ(inEnglish.bodyCopy, japanese.bodyCopy);
    EXPECT_EQ(inEnglish.cssCopy, japanese.cssCopy);
    EXPECT_FALSE(japanese.bodyTemplate.isEmpty());
    EXPECT_EQ(inEnglish.bodyTemplate, japanese.bodyTemplate);
    EXPECT_EQ(inEnglish.cssTemplate, japanese.cssTemplate);
    EXPECT_FALSE(japanese.previewPage.isEmpty());
    EXPECT_EQ(inEnglish.previewPage, japanese.previewPage);
    EXPECT_FALSE(japanese.settings.isEmpty());
    EXPECT_EQ(inEnglish.settings, japanese.settings);
}
