#include "window_fixture.h"

#include "click_panel.h"
#include "int_edit.h"
#include "legibility_fix.h"
#include "secondary_windows.h"
#include "settings_store.h"
#include "text_codec.h"
#include "url_label.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

constexpr ColorValue Teal = rgbColor(0, 128, 128);

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList listed(QComboBox* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->itemText(i);
    return names;
}

} // namespace

class SchemeTest : public WindowTest {
public:
    // Adds a scheme through the name dialog, as the user does.
    void addScheme(const QString& name)
    {
        whenDialogShows([name](QDialog* dialog) {
            auto* form2 = static_cast<TForm2*>(dialog);
            EXPECT_EQ(form2->focusWidget(), form2->SetName);
            form2->SetName->setText(name);
            QTest::mouseClick(form2->OkBtn, Qt::LeftButton);
        });
        QTest::mouseClick(find<QPushButton>("AddBtn"), Qt::LeftButton);
    }
    void startWith(const QByteArray& file)
    {
        writeFile(settingsPath(), file);
        start();
    }
    QComboBox* list() { return find<QComboBox>("SetList"); }
    QPoint form2Position() { return form->form2()->pos(); }
};

TEST_F(SchemeTest, EverySettingSurvivesCloseAndStart)
{
    const QByteArray file = encodeFileText(
        QString::fromUtf8("[Options]\r\nPosition=1,40,50\r\nSort=0\r\nUsename=1\r\nColdq="
                          "1\r\nUsecss=1\r\nDigi16=1\r\n"
                          "ImgViewer=/usr/bin/ristretto\r\nFont=\"Noto Sans\",14,1,1\r\n\r\n"
                          "[Color Set]\r\n夏の海=16777215,0,255,65280,16711680\r\n Blank name "
                          "=1,2,3,4,5\r\nMixedCase=6,7,8,9,10\r\n"
                          "_lastend_=65535,16711935,8421504,0,16777215\r\n\r\n"));
    startWith(file);
    EXPECT_EQ(form->pos(), QPoint(40, 50));
    for (const char* item : {"Winpos", "Cusename", "ColDQ", "UseCSS"})
        EXPECT_TRUE(find<QAction>(item)->isChecked()) << item;
    EXPECT_FALSE(find<QAction>("CLsort")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("HexChk")->isChecked());
    EXPECT_EQ(find<TIntEdit>("Rval")->maxLength(), 2);
    EXPECT_EQ(form->viewerPath(), QStringLiteral("/usr/bin/ristretto"));
    const QFont font = find<TURLLabel>("LinkLabel")->font();
    EXPECT_EQ(font.family(), QStringLiteral("Noto Sans"));
    EXPECT_TRUE(font.bold() && font.italic() && font.underline());
    EXPECT_EQ(listed(list()),
              QStringList({QString::fromUtf8("夏の海"), QStringLiteral(" Blank name "),
                           QStringLiteral("MixedCase")}));
    EXPECT_EQ(list()->currentIndex(), 0);
    EXPECT_EQ(list()->toolTip(), QString::fromUtf8("夏の海"));
    EXPECT_EQ(form->bodyColors(), (BodyColorSet{65535, 16711935, 8421504, 0, 16777215}));
    EXPECT_TRUE(form->close());
    EXPECT_EQ(readAll(settingsPath()), file);
}

TEST_F(SchemeTest, HandEditedLinesTakeTheirDocumentedEffect)
{
    const struct {
        const char* file;
        std::function<void(SchemeTest&)> check;
    } cases[] = {
        {"[options]\nposition=1,10,10\n",
         [](SchemeTest& t) { EXPECT_EQ(t.form->pos(), QPoint(10, 10)); }},
        {"[Options]\nPosition = 1,10,10\n",
         [](SchemeTest& t) { EXPECT_FALSE(t.find<QAction>("Winpos")->isChecked()); }},
        {"[Options]\nPosition=1,300\n",
         [](SchemeTest& t) { EXPECT_FALSE(t.find<QAction>("Winpos")->isChecked()); }},
        {"[Options]\nSort=0x1\n",
         [](SchemeTest& t) { EXPECT_TRUE(t.find<QAction>("CLsort")->isChecked()); }},
        {"[Options]\nSort=yes\n",
         [](SchemeTest& t) { EXPECT_FALSE(t.find<QAction>("CLsort")->isChecked()); }},
        {"[Options]\nFont=Arial,12,1\n",
         [](SchemeTest& t) {
             EXPECT_EQ(t.find<TURLLabel>("TextLabel")->font().family(),
                       QStringLiteral("ＭＳ Ｐゴシック"));
         }},
        {"[Options]\nFont=Arial,big,0,0\n",
         [](SchemeTest& t) {
             EXPECT_EQ(t.find<TURLLabel>("TextLabel")->font().family(), QStringLiteral("Arial"));
             EXPECT_EQ(t.find<TURLLabel>("TextLabel")->font().pixelSize(), 15);
         }},
        {"[Color Set]\n_lastend_=1,2,3\nfirst=5,5,5,5,5\n",
         [](SchemeTest& t) {
             EXPECT_EQ(t.form->SlotColor(BGCOLOR), Teal) << "no scheme is tried instead";
         }},
        {"[Color Set]\nfirst=5,5,5,5,5\n",
         [](SchemeTest& t) { EXPECT_EQ(t.form->SlotColor(BGCOLOR), 5u); }},
        {"[Color Set]\n_lastend_=-1,16777216,33554431,0,0\n",
         [](SchemeTest& t) {
             EXPECT_EQ(t.form->SlotColor(BGCOLOR), 0xFFFFFFu) << "masked to 24 bits";
             EXPECT_EQ(t.form->SlotColor(TEXT), 0u);
             EXPECT_EQ(t.form->SlotColor(LINK), 0xFFFFFFu);
         }},
        {"[Color Set]\nno equals sign\n",
         [](SchemeTest& t) {
             EXPECT_EQ(listed(t.list()), QStringList({QString()}));
             t.list()->setCurrentIndex(0);
             emit t.list()->activated(0);
             EXPECT_EQ(t.form->SlotColor(BGCOLOR), Teal);
         }},
        {"; comment\nstray\n[Options]\n;gone\nSort=1\n",
         [](SchemeTest& t) {
             EXPECT_TRUE(t.form->close());
             const QByteArray bytes = readAll(t.settingsPath());
             EXPECT_FALSE(bytes.contains("comment") || bytes.contains("stray") ||
                          bytes.contains("gone"));
             EXPECT_TRUE(bytes.startsWith("[Options]\r\nSort=1\r\nPosition=0,0,0\r\n"));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        startWith(c.file);
        c.check(*this);
        form.reset();
    }
}

TEST_F(SchemeTest, HandEditedExitColoursKeyIsNoSchemeInAnyCase)
{
    for (const char* key : {"_LASTEND_", "_LastEnd_"}) {
        SCOPED_TRACE(key);
        startWith(QByteArray("[Color Set]\r\n") + key + "=255,0,0,0,0\r\nfirst=5,5,5,5,5\r\n");
        EXPECT_EQ(listed(list()), QStringList({QStringLiteral("first")}));
        EXPECT_EQ(form->SlotColor(BGCOLOR), 255u) << "its colours still load";
        form.reset();
    }
}

TEST_F(SchemeTest, GarbageFilesStartWithDefaults)
{
    QRandomGenerator random(42);
    QByteArray noise(1 << 20, Qt::Uninitialized);
    for (char& c : noise)
        c = static_cast<char>(random.generate());
    QByteArray big;
    while (big.size() < 10 * 1024 * 1024)
        big += "[Color Set]\r\nscheme" + QByteArray::number(big.size()) + "=1,2,3,4,5\r\n";
    const QByteArray files[] = {
        noise, big,
        QByteArray("[Options]\r\nSort=1\x81\x20\r\n\xFF\xFE[Color Set]\r\na=1,2,3,4,5\r\n"),
        QByteArray("[Options]\r\nUsename=1\0Sort=1\r\n", 30)};
    for (const QByteArray& file : files) {
        SCOPED_TRACE(file.size());
        startWith(file);
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->close());
        form.reset();
    }
}

TEST_F(SchemeTest, UnreadableFileStopsTheStart)
{
    QDir(folder()).mkdir(QStringLiteral("pagetint.ini"));
    EXPECT_THROW(TForm1 window(platform), std::exception);
}

TEST_F(SchemeTest, AddReplaceDeleteAndSort)
{
    start();
    EXPECT_FALSE(find<QPushButton>("UpdBtn")->isEnabled());
    EXPECT_EQ(list()->toolTip(), QString());
    addScheme(QStringLiteral("beta"));
    addScheme(QStringLiteral("Alpha"));
    addScheme(QStringLiteral("ALPHA"));
    EXPECT_EQ(messageTexts(), QStringList({QStringLiteral("この配色名はすでに使われています。")}));
    EXPECT_EQ(listed(list()), QStringList({QStringLiteral("beta"), QStringLiteral("Alpha")}));
    EXPECT_EQ(list()->currentText(), QStringLiteral("Alpha"));
    EXPECT_TRUE(find<QPushButton>("DelBtn")->isEnabled());
    EXPECT_EQ(form2Position(), form->pos() + QPoint(4, 256));

    find<QAction>("CLsort")->trigger();
    EXPECT_EQ(listed(list()), QStringList({QStringLiteral("Alpha"), QStringLiteral("beta")}));
    EXPECT_EQ(list()->currentText(), QStringLiteral("Alpha"));
    addScheme(QStringLiteral("Bar"));
    EXPECT_EQ(listed(list()), QStringList({QStringLiteral("Alpha"), QStringLiteral("Bar"),
                                           QStringLiteral("beta")}));
    EXPECT_EQ(list()->currentIndex(), 1);
    find<QAction>("CLsort")->trigger();
    EXPECT_FALSE(find<QAction>("CLsort")->isChecked());
    addScheme(QStringLiteral("aaa"));
    EXPECT_EQ(listed(list()).last(), QStringLiteral("aaa"));

    // Replacing stores the preview colours, not an edit that was not applied.
    form->SetEditColor(rgbColor(1, 2, 3));
    list()->setCurrentIndex(0);
    platform.messageAnswers = {Platform::Answer::Cancel};
    QTest::mouseClick(find<QPushButton>("UpdBtn"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>("UpdBtn"), Qt::LeftButton);
    EXPECT_EQ(form->settingsStore()->readText(QStringLiteral("Color Set"), QStringLiteral("alpha"),
                                              QString()),
              QStringLiteral("8421376,16777215,16711680,16776960,16711935"));
}

TEST_F(SchemeTest, DeletingSelectsTheNeighbourAndShowsIt)
{
    startWith("[Color Set]\none=1,1,1,1,1\ntwo=2,2,2,2,2\nthree=3,3,3,3,3\n_lastend_=9,9,9,9,9\n");
    QPushButton* del = find<QPushButton>("DelBtn");
    list()->setCurrentIndex(2);
    QTest::mouseClick(del, Qt::LeftButton);
    EXPECT_EQ(list()->currentText(), QStringLiteral("two"));
    EXPECT_EQ(form->SlotColor(BGCOLOR), 2u);
    EXPECT_TRUE(find<QRadioButton>("ColType_0")->isChecked());
    EXPECT_FALSE(form->ColorPending);

    list()->setCurrentIndex(0);
    QTest::mouseClick(del, Qt::LeftButton);
    EXPECT_EQ(list()->currentText(), QStringLiteral("two"));
    EXPECT_EQ(form->SlotColor(TEXT), 2u);

    QTest::mouseClick(del, Qt::LeftButton);
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(list()->toolTip(), QString());
    EXPECT_EQ(form->SlotColor(BGCOLOR), 9u) << "the exit colours come back";
    EXPECT_FALSE(del->isEnabled());
    EXPECT_FALSE(find<QPushButton>("UpdBtn")->isEnabled());
    EXPECT_FALSE(form->settingsStore()->hasKey(QStringLiteral("Color Set"), QStringLiteral("two")));
}

TEST_F(SchemeTest, ChoosingASchemeReturnsToTheBackgroundSlot)
{
    startWith("[Color Set]\nsea=255,65280,16711680,0,65535\n");
    find<QRadioButton>("ColType_3")->click();
    find<QAction>("Cundo")->setEnabled(true);
    const QSignalSpy changes(form.get(), &TForm1::bodyColorsChanged);
    emit list()->activated(0);
    EXPECT_EQ(changes.count(), 1) << "one change for the five colours";
    EXPECT_TRUE(find<QRadioButton>("ColType_0")->isChecked());
    EXPECT_EQ(form->editColor(), 255u);
    EXPECT_FALSE(form->ColorPending);
    EXPECT_FALSE(find<QAction>("Cundo")->isEnabled());
}

TEST_F(SchemeTest, NamesTheFileCannotKeepAreRefused)
{
    start();
    for (const char* name : {"a=b", ";comment", "_LASTEND_", "_lastend_"})
        addScheme(QString::fromUtf8(name));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(messageTexts().size(), 4);
    EXPECT_EQ(messageTexts().constFirst(), QStringLiteral("この配色名は使用できません。"));
    addScheme(QString());
    EXPECT_EQ(messageTexts().size(), 4) << "an empty name is dropped silently";
    addScheme(QString::fromUtf8("rené ✓"));
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(readAll(settingsPath()).startsWith("\xEF\xBB\xBF"));
    form.reset();
    start();
    EXPECT_EQ(listed(list()), QStringList({QString::fromUtf8("rené ✓")}));
}

TEST_F(SchemeTest, TheDarkSetIsDerivedShownCopiedStoredAndBroughtBackWithItsScheme)
{
    start();
    const BodyColorSet light = form->bodyColors();
    QAction* dark = find<QAction>("DarkScheme");
    dark->trigger();
    ASSERT_TRUE(form->colorSets().darkShown());
    const BodyColorSet night = form->bodyColors();
    EXPECT_TRUE(allPairsPass(night, FixLevel::AA));
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Pagetint - ダーク"));
    find<QAction>("CopyVars")->trigger();
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    ASSERT_EQ(lines.size(), 23); // 22 lines, each ended by LF
    EXPECT_EQ(lines.mid(0, 3),
              (QStringList{":root {", "  color-scheme: light dark;", "  --bgcolor: #008080;"}));
    EXPECT_EQ(
        lines.mid(8, 3),
        (QStringList{"@media (prefers-color-scheme: dark) {", "  :root {",
                     "    --bgcolor: " + QString::fromStdString(colorHexLower(night[0])) + ";"}));
    addScheme(QStringLiteral("Night"));
    dark->trigger();
    EXPECT_EQ(form->bodyColors(), light);
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Pagetint"));
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(readAll(settingsPath()).contains("[Color Set Dark]\r\nNight="));

    // The next start brings both sets back with the light one shown; a scheme without a dark
    // set takes it away, and choosing the one with it brings it back.
    start();
    EXPECT_EQ(form->colorSets().dark(), night);
    EXPECT_FALSE(form->colorSets().darkShown());
    EXPECT_EQ(form->bodyColors(), light);
    find<QAction>("DarkDelete")->trigger();
    EXPECT_FALSE(form->colorSets().hasDark());
    EXPECT_FALSE(find<QAction>("DarkDelete")->isEnabled());
    addScheme(QStringLiteral("Day"));
    for (const auto& [index, expected] : {std::pair{0, std::optional(night)}, {1, {}}}) {
        list()->setCurrentIndex(index);
        emit list()->activated(index);
        EXPECT_EQ(form->colorSets().dark(), expected) << index;
    }
}

TEST_F(SchemeTest, UndoShowsTheSetItsEntryBelongsTo)
{
    start();
    const BodyColorSet light = form->bodyColors();
    const auto apply = [&](int slot, ColorValue color) {
        form->SelectSlot(slot);
        form->SetEditColor(color);
        QTest::mouseClick(find<ClickPanel>("ColBox"), Qt::LeftButton);
    };
    apply(BGCOLOR, rgbColor(255, 0, 0));
    QAction* dark = find<QAction>("DarkScheme");
    dark->trigger();
    const BodyColorSet night = form->bodyColors();
    apply(TEXT, rgbColor(0, 0, 255));
    dark->trigger();
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(form->colorSets().darkShown());
    EXPECT_EQ(form->bodyColors(), night);
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(form->colorSets().darkShown());
    EXPECT_EQ(form->bodyColors(), light);
    EXPECT_FALSE(find<QAction>("Cundo")->isEnabled());
}

TEST_F(SchemeTest, DarkLinesOfGoneSchemesOrDamagedValuesAreNeitherLoadedNorWrittenBack)
{
    const struct {
        const char* dark;    // the file's dark section
        const char* written; // what close writes of it
        bool loaded;         // the exit colours come with a dark set
    } rows[] = {
        {"[Color Set Dark]\r\nSea=5,4,3,2,1\r\nGone=5,4,3,2,1\r\n_lastend_=1,2,3\r\n",
         "[Color Set Dark]\r\nSea=5,4,3,2,1\r\n\r\n", false},
        {"[Color Set Dark]\r\nGone=5,4,3,2,1\r\n_lastend_=9,9,9,9,9x\r\n", "", false},
        {"[Color Set Dark]\r\n_lastend_=9,9,9,9,9\r\n",
         "[Color Set Dark]\r\n_lastend_=9,9,9,9,9\r\n\r\n", true},
    };
    const QByteArray schemes = "[Color Set]\r\nSea=1,2,3,4,5\r\n_lastend_=6,7,8,9,10\r\n\r\n";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dark);
        startWith(schemes + row.dark);
        EXPECT_EQ(form->colorSets().hasDark(), row.loaded);
        EXPECT_TRUE(form->close());
        const QByteArray written = readAll(settingsPath());
        EXPECT_EQ(written.left(written.indexOf("[Options]")), schemes + row.written);
    }
}
