#include "window_fixture.h"

#include "click_panel.h"
#include "legibility_window.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

namespace {

// The failing rows end with the nearest passing colour, as a search of all colours finds it.
constexpr char StartTable[] = "TEXT/BGCOLOR\t#FFFFFF\t#008080\t4.77\tAA\n"
                              "LINK/BGCOLOR\t#0000FF\t#008080\t1.80\t×\t#DDFFFF\n"
                              "VLINK/BGCOLOR\t#00FFFF\t#008080\t3.80\tAA大\t#DDFFFE\n"
                              "ALINK/BGCOLOR\t#FF00FF\t#008080\t1.52\t×\t#FEF6FF\n"
                              "LINK/TEXT\t#0000FF\t#FFFFFF\t8.59\t○\n"
                              "VLINK/TEXT\t#00FFFF\t#FFFFFF\t1.25\t×\t#05A5AE\n"
                              "ALINK/TEXT\t#FF00FF\t#FFFFFF\t3.13\t○\n";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray clipboardBytes()
{
    return QGuiApplication::clipboard()->text().toUtf8();
}

} // namespace

class LegibilityTest : public WindowTest {
protected:
    LegibilityWindow* openWindow()
    {
        QTest::keyClick(form.get(), Qt::Key_K, Qt::ControlModifier);
        LegibilityWindow* window = form->findChild<LegibilityWindow*>();
        EXPECT_NE(window, nullptr);
        return window;
    }
    // The first line as the window shows it, cell by cell.
    QString firstRow(LegibilityWindow* window)
    {
        QStringList cells;
        for (const char* name : {"Pair0", "ForeHex0", "BackHex0", "Ratio0", "Verdict0"})
            cells << window->findChild<QLabel*>(QLatin1String(name))->text();
        return cells.join(u'\t');
    }
    void setEditor(int red, int green, int blue)
    {
        find<QSlider>("Rbar")->setValue(red);
        find<QSlider>("Gbar")->setValue(green);
        find<QSlider>("Bbar")->setValue(blue);
    }
    QImage picture() { return form->grab().toImage(); }
};

TEST_F(LegibilityTest, CtrlKThenCtrlCCopiesTheTableOfTheStartColours)
{
    start();
    QMenu* show = find<QMenu>("Show1");
    const QList<QAction*> items = show->actions();
    ASSERT_GE(items.size(), 4);
    EXPECT_EQ(items[2], find<QAction>("Legibility"));
    EXPECT_EQ(items[2]->text(), QStringLiteral("見やすさﾁｪｯｸ(&K)"));
    EXPECT_EQ(items[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    EXPECT_EQ(items[3]->text(), QStringLiteral("色覚ｼﾐｭﾚｰｼｮﾝ(&V)"));
    QStringList radios;
    for (QAction* item : items[3]->menu()->actions()) {
        radios << item->text();
        EXPECT_TRUE(item->isCheckable());
        EXPECT_EQ(item->isChecked(), item == items[3]->menu()->actions().constFirst());
    }
    EXPECT_EQ(radios,
              (QStringList{"なし(&N)", "1型 (P)(&P)", "2型 (D)(&D)", "3型 (T)(&T)", "1色覚(&A)"}));

    LegibilityWindow* window = openWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("見やすさﾁｪｯｸ"));
    EXPECT_EQ(window->CopyBtn->text(), QStringLiteral("コピー"));
    EXPECT_EQ(window->FixAll->text(), QStringLiteral("すべて修正(&F)"));
    EXPECT_EQ(window->FixAA->text(), QStringLiteral("AA(&A)"));
    EXPECT_EQ(window->FixAAA->text(), QStringLiteral("AAA(&E)"));
    EXPECT_TRUE(window->FixAA->isChecked());
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboardBytes(), QByteArray(StartTable));

    // Closed and opened again: the same window, up to date.
    window->close();
    QGuiApplication::clipboard()->clear();
    QApplication::setActiveWindow(form.get());
    EXPECT_EQ(openWindow(), window);
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(window->CopyBtn, Qt::LeftButton);
    EXPECT_EQ(clipboardBytes(), QByteArray(StartTable));
}

TEST_F(LegibilityTest, FollowsAnApplyAnUndoAPasteAndASchemeChange)
{
    writeFile(settingsPath(),
              "[Color Set]\nsea=255,65280,16711680,0,65535\nink=0,16777215,255,255,255\n");
    start();
    LegibilityWindow* window = openWindow();
    ASSERT_NE(window, nullptr);
    const QString startRow = QStringLiteral("TEXT/BGCOLOR\t#FFFFFF\t#008080\t4.77\tAA");
    // The first scheme is shown at start.
    EXPECT_EQ(firstRow(window), QStringLiteral("TEXT/BGCOLOR\t#00FF00\t#FF0000\t2.91\t×"));
    emit find<QComboBox>("SetList")->activated(1);
    EXPECT_EQ(firstRow(window), QStringLiteral("TEXT/BGCOLOR\t#FFFFFF\t#000000\t21.00\tAAA"));

    form->SetBodyColors({rgbColor(0, 128, 128), rgbColor(255, 255, 255), 0, 0, 0});
    EXPECT_EQ(firstRow(window), startRow);
    form->SelectSlot(TEXT);
    setEditor(0, 0, 0);
    EXPECT_EQ(firstRow(window), startRow) << "looking at a colour applies nothing";
    QTest::mouseClick(find<ClickPanel>("ColBox"), Qt::LeftButton);
    EXPECT_EQ(firstRow(window), QStringLiteral("TEXT/BGCOLOR\t#000000\t#008080\t4.39\tAA大"));
    find<QAction>("Cundo")->trigger();
    EXPECT_EQ(firstRow(window), startRow);

    QGuiApplication::clipboard()->setText(QStringLiteral("<body bgcolor=white text=red>"));
    find<QAction>("Paste1")->setEnabled(true);
    find<QAction>("Paste1")->trigger();
    EXPECT_EQ(firstRow(window), QStringLiteral("TEXT/BGCOLOR\t#FF0000\t#FFFFFF\t3.99\tAA大"));
}

TEST_F(LegibilityTest, SimulationRedrawsThePreviewAlone)
{
    start();
    LegibilityWindow* window = openWindow();
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(form.get());
    const QImage before = picture();
    const QRect panel(find<QWidget>("BGpanel")->mapTo(form.get(), QPoint(0, 0)),
                      find<QWidget>("BGpanel")->size());
    const QPoint blank = panel.topLeft() + QPoint(10, 10);
    ASSERT_EQ(before.pixelColor(blank), QColor(0, 128, 128));

    find<QAction>("VisionP")->trigger();
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Pagetint - 1型色覚シミュレーション"));
    const QImage after = picture();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.pixelColor(blank), QColor(0x77, 0x79, 0x80)) << "#008080 seen without L cones";
    int changedOutside = 0;
    int changedInside = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y))
                ++(panel.contains(x, y) ? changedInside : changedOutside);
        }
    }
    EXPECT_EQ(changedOutside, 0);
    EXPECT_GT(changedInside, panel.width() * panel.height() / 2);

    // Everything else keeps the true colours.
    EXPECT_EQ(find<QLabel>("ColHex")->text(), QStringLiteral("#008080"));
    EXPECT_EQ(form->SlotColor(BGCOLOR), rgbColor(0, 128, 128));
    find<QAction>("Acopy")->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(u"BGCOLOR=\"#008080\""));
    EXPECT_EQ(window->tableText().toUtf8(), QByteArray(StartTable));

    // A colour applied while it is on is drawn simulated too.
    find<QAction>("VisionA")->trigger();
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Pagetint - 1色覚シミュレーション"));
    form->SetSlotColor(BGCOLOR, rgbColor(255, 0, 0));
    EXPECT_EQ(picture().pixelColor(blank), QColor(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(form->SlotColor(BGCOLOR), rgbColor(255, 0, 0));
    form->SetSlotColor(BGCOLOR, rgbColor(0, 128, 128));

    find<QAction>("VisionD")->trigger();
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Pagetint - 2型色覚シミュレーション"));
    find<QAction>("VisionT")->trigger();
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Pagetint - 3型色覚シミュレーション"));
    find<QAction>("VisionNone")->trigger();
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Pagetint"));
    EXPECT_EQ(picture(), before);
}

TEST_F(LegibilityTest, ASuggestionIsLoadedForTheSwatchToApply)
{
    start();
    LegibilityWindow* window = openWindow();
    ASSERT_NE(window, nullptr);
    auto* suggestion = window->findChild<QToolButton*>(QStringLiteral("Suggest1"));
    EXPECT_FALSE(window->findChild<QToolButton*>(QStringLiteral("Suggest0"))->isVisible());
    EXPECT_EQ(suggestion->text(), QStringLiteral("#DDFFFF"));
    QTest::mouseClick(suggestion, Qt::LeftButton);
    EXPECT_TRUE(find<QRadioButton>("ColType_2")->isChecked());
    EXPECT_EQ(find<QLabel>("ColHex")->text(), QStringLiteral("#DDFFFF"));
    EXPECT_TRUE(form->ColorPending);
    EXPECT_EQ(form->SlotColor(LINK), rgbColor(0, 0, 255)) << "nothing applied yet";
    QTest::mouseClick(find<ClickPanel>("ColBox"), Qt::LeftButton);
    EXPECT_EQ(form->SlotColor(LINK), rgbColor(0xDD, 0xFF, 0xFF));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Verdict1"))->text(), QStringLiteral("AA"));
    EXPECT_FALSE(suggestion->isVisible());

    // At AAA the text's 4.77 fails too, and the level stays when the window closes.
    window->FixAAA->click();
    EXPECT_TRUE(window->findChild<QToolButton*>(QStringLiteral("Suggest0"))->isVisible());
    window->close();
    EXPECT_EQ(openWindow(), window);
    EXPECT_TRUE(window->FixAAA->isChecked());
}

TEST_F(LegibilityTest, FixAllAppliesEachSlotWithItsUndo)
{
    start();
    const BodyColorSet colors = {rgbColor(255, 255, 255), 0, rgbColor(0, 0, 255),
                                 rgbColor(128, 0, 128), rgbColor(255, 0, 0)};
    form->SetBodyColors(colors);
    form->SelectSlot(BGCOLOR);
    LegibilityWindow* window = openWindow();
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window->FixAll, Qt::LeftButton);
    for (int row = 0; row < LegibilityRowCount; ++row) {
        const QString verdict =
            window->findChild<QLabel*>(QStringLiteral("Verdict%1").arg(row))->text();
        EXPECT_TRUE(verdict == u"AA" || verdict == u"AAA" || verdict == u"○") << row;
    }
    EXPECT_EQ(form->SlotColor(TEXT), 0u) << "black text stays";
    EXPECT_TRUE(find<QRadioButton>("ColType_0")->isChecked());
    EXPECT_EQ(find<QLabel>("ColHex")->text(), QStringLiteral("#FFFFFF"));
    EXPECT_TRUE(platform.callsOf(QStringLiteral("messageBox")).isEmpty());
    for (const ColorSlot slot : {ALINK, VLINK, LINK}) {
        EXPECT_NE(form->SlotColor(slot), colors[slot]);
        QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(form->SlotColor(slot), colors[slot]);
    }
    EXPECT_EQ(form->bodyColors(), colors);
    EXPECT_FALSE(find<QAction>("Cundo")->isEnabled());

    // A mid grey leaves no room at AA: the nearest background that does is offered, with
    // its colours; Cancel changes nothing, OK applies each changed slot with its undo entry.
    form->SetSlotColor(BGCOLOR, rgbColor(0x77, 0x77, 0x77));
    const BodyColorSet grey = form->bodyColors();
    platform.messageAnswers = {Platform::Answer::Cancel};
    QTest::mouseClick(window->FixAll, Qt::LeftButton);
    EXPECT_EQ(form->bodyColors(), grey);
    EXPECT_FALSE(find<QAction>("Cundo")->isEnabled());
    QTest::mouseClick(window->FixAll, Qt::LeftButton);
    const auto boxes = platform.callsOf(QStringLiteral("messageBox"));
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(
        boxes[1].args,
        (QStringList{"Pagetint",
                     "この背景色では、7 つの組み合わせをすべて AA に届かせる文字色とリンク色が"
                     "ありません。背景色を #767676 に変えて、文字色とリンク色も合わせますか？",
                     "OkCancel", "Question"}));
    EXPECT_EQ(form->SlotColor(BGCOLOR), rgbColor(0x76, 0x76, 0x76));
    for (int row = 0; row < LegibilityRowCount; ++row) {
        const QString verdict =
            window->findChild<QLabel*>(QStringLiteral("Verdict%1").arg(row))->text();
        EXPECT_TRUE(verdict == u"AA" || verdict == u"AAA" || verdict == u"○") << row;
    }
    while (find<QAction>("Cundo")->isEnabled())
        QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->bodyColors(), grey);
}
