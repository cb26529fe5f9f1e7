#include "window_fixture.h"

#include "click_panel.h"
#include "int_edit.h"
#include "up_down.h"
#include "url_label.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

namespace {

constexpr ColorValue Red = rgbColor(255, 0, 0);
constexpr ColorValue Blue = rgbColor(0, 0, 255);
constexpr ColorValue White = rgbColor(255, 255, 255);
constexpr ColorValue Teal = rgbColor(0, 128, 128);

} // namespace

class SlotEditorTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        start();
    }

    void clickSwatch() { QTest::mouseClick(find<ClickPanel>("ColBox"), Qt::LeftButton); }
    void clickLabel(const char* name)
    {
        QTest::mouseClick(find<QWidget>(name), Qt::LeftButton, {}, QPoint(3, 3));
    }
    void chooseType(int slot)
    {
        QTest::mouseClick(find<QRadioButton>(qPrintable(QStringLiteral("ColType_%1").arg(slot))),
                          Qt::LeftButton, {}, QPoint(5, 9));
    }
    QString hexCaption() { return find<QLabel>("ColHex")->text(); }
    QString hint() { return find<QLabel>("ColHex")->toolTip(); }
    int undoCount() { return static_cast<int>(form->undoStack().size()); }
};

TEST_F(SlotEditorTest, DraggingTheRedBarUpdatesTheEditorButNotThePreview)
{
    form->SetEditColor(0);
    QSlider* bar = find<QSlider>("Rbar");
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_End);
    EXPECT_EQ(bar->value(), 255);
    EXPECT_EQ(find<TIntEdit>("Rval")->text(), QStringLiteral("255"));
    EXPECT_EQ(find<TUpDown>("Rupdwn")->Position(), 255);
    EXPECT_EQ(hexCaption(), QStringLiteral("#FF0000"));
    EXPECT_EQ(hint(), QStringLiteral("red"));
    EXPECT_EQ(form->editColor(), Red);
    EXPECT_EQ(form->SlotColor(BGCOLOR), Teal);
    EXPECT_TRUE(form->ColorPending);

    find<QCheckBox>("HexChk")->click();
    EXPECT_EQ(find<TIntEdit>("Rval")->text(), QStringLiteral("FF"));
}

TEST_F(SlotEditorTest, ApplyRecordsOnceAndASecondApplyRecordsNothing)
{
    clickLabel("TextLabel");
    form->SetEditColor(Red);
    form->ColorPending = true;
    clickSwatch();
    EXPECT_EQ(form->SlotColor(TEXT), Red);
    EXPECT_EQ(find<TURLLabel>("TextLabel")->fontColor(), Red);
    EXPECT_TRUE(find<QAction>("Cundo")->isEnabled());
    EXPECT_EQ(undoCount(), 1);
    EXPECT_TRUE(form->ColorPending);
    clickSwatch();
    EXPECT_EQ(undoCount(), 1);
    EXPECT_FALSE(form->ColorPending);
}

TEST_F(SlotEditorTest, ChangingTheSlotDiscardsAnEditThatWasNotApplied)
{
    find<QSlider>("Gbar")->setValue(10);
    chooseType(LINK);
    EXPECT_EQ(form->editColor(), Blue);
    EXPECT_EQ(hexCaption(), QStringLiteral("#0000FF"));
    EXPECT_EQ(form->bodyColors(),
              (BodyColorSet{Teal, White, Blue, rgbColor(0, 255, 255), rgbColor(255, 0, 255)}));
}

TEST_F(SlotEditorTest, UpDownStopsAtItsLimits)
{
    form->SetEditColor(rgbColor(255, 0, 0));
    TUpDown* red = find<TUpDown>("Rupdwn");
    QTest::mouseClick(red, Qt::LeftButton, {}, QPoint(8, 4));
    EXPECT_EQ(find<TIntEdit>("Rval")->Integer(), 255);
    TUpDown* green = find<TUpDown>("Gupdwn");
    QTest::mouseClick(green, Qt::LeftButton, {}, QPoint(8, 19));
    EXPECT_EQ(find<TIntEdit>("Gval")->Integer(), 0);
    QTest::mouseClick(green, Qt::LeftButton, {}, QPoint(8, 4));
    EXPECT_EQ(find<TIntEdit>("Gval")->Integer(), 1);
    EXPECT_EQ(find<QSlider>("Gbar")->value(), 1);
    EXPECT_EQ(hexCaption(), QStringLiteral("#FF0100"));
}

TEST_F(SlotEditorTest, TypingOutOfRangeIsRepairedEverywhere)
{
    TIntEdit* field = find<TIntEdit>("Rval");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("300"));
    EXPECT_EQ(field->Integer(), 255);
    EXPECT_EQ(find<QSlider>("Rbar")->value(), 255);
    EXPECT_EQ(find<TUpDown>("Rupdwn")->Position(), 255);
    const auto messages = platform.callsOf(QStringLiteral("messageBox"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].args.at(1), QStringLiteral("255"));
}

TEST_F(SlotEditorTest, HexadecimalDisplaySwitchesAllThreeFields)
{
    form->SetEditColor(rgbColor(10, 255, 0));
    find<QCheckBox>("HexChk")->click();
    EXPECT_EQ(find<TIntEdit>("Rval")->text(), QStringLiteral("A"));
    EXPECT_EQ(find<TIntEdit>("Gval")->text(), QStringLiteral("FF"));
    EXPECT_EQ(find<TIntEdit>("Rval")->maxLength(), 2);
    find<QCheckBox>("HexChk")->click();
    EXPECT_EQ(find<TIntEdit>("Rval")->text(), QStringLiteral("10"));
    EXPECT_EQ(find<TIntEdit>("Gval")->text(), QStringLiteral("255"));
    EXPECT_EQ(find<TIntEdit>("Rval")->maxLength(), 3);
    EXPECT_EQ(form->editColor(), rgbColor(10, 255, 0));
}

TEST_F(SlotEditorTest, HintNamesTheEditorColour)
{
    const struct {
        ColorValue color;
        const char* hint;
    } cases[] = {{rgbColor(0, 255, 255), "cyan"},
                 {rgbColor(255, 0, 255), "magenta"},
                 {rgbColor(0x12, 0x34, 0x56), "#123456"},
                 {White, "white"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hint);
        form->SetEditColor(c.color);
        EXPECT_EQ(hint(), QString::fromLatin1(c.hint));
    }
}

TEST_F(SlotEditorTest, LoadingTheShownColourChangesNothing)
{
    form->SetEditColor(Red);
    form->ColorPending = false;
    find<QLabel>("ColHex")->setToolTip(QStringLiteral("marker"));
    form->SetEditColor(Red);
    EXPECT_FALSE(form->ColorPending);
    EXPECT_EQ(hint(), QStringLiteral("marker"));
}

TEST_F(SlotEditorTest, ClickingASelectedLabelReloadsItsColour)
{
    clickLabel("LinkLabel");
    find<QSlider>("Bbar")->setValue(3);
    clickLabel("LinkLabel");
    EXPECT_EQ(find<QRadioButton>("ColType_2")->isChecked(), true);
    EXPECT_EQ(form->editColor(), Blue);
    clickLabel("BGpanel");
    EXPECT_EQ(form->editColor(), Teal);
    EXPECT_TRUE(find<QRadioButton>("ColType_0")->isChecked());
}

// Each row starts from a known state and names the event and the flag after it.
TEST_F(SlotEditorTest, ColorPendingFollowsItsTable)
{
    EXPECT_FALSE(form->ColorPending) << "after start-up";

    find<QSlider>("Rbar")->setValue(40);
    EXPECT_TRUE(form->ColorPending) << "a bar moved";

    form->ColorPending = false;
    form->SetEditColor(rgbColor(10, 2, 3));
    EXPECT_TRUE(form->ColorPending) << "a reload that changes a component";

    form->ColorPending = false;
    find<QCheckBox>("HexChk")->click();
    EXPECT_TRUE(form->ColorPending) << "hexadecimal switch that changed a text";
    find<QCheckBox>("HexChk")->click();

    clickSwatch();
    EXPECT_TRUE(form->ColorPending) << "an apply stays true";
    clickSwatch();
    EXPECT_FALSE(form->ColorPending) << "an apply that finds the slot holding the colour";

    form->SetEditColor(Red);
    form->ColorPending = true;
    clickSwatch();
    find<QAction>("Cundo")->trigger();
    EXPECT_TRUE(form->ColorPending)
        << "undo leaving an entry, after a reload that changed the editor";
    find<QAction>("Cundo")->trigger();
    EXPECT_FALSE(form->ColorPending) << "undo emptying the stack";
}

TEST_F(SlotEditorTest, UndoRestoresNewestFirst)
{
    clickLabel("TextLabel");
    form->SetEditColor(Red);
    clickSwatch();
    clickLabel("LinkLabel");
    form->SetEditColor(rgbColor(0, 0, 128));
    clickSwatch();
    QAction* undo = find<QAction>("Cundo");

    undo->trigger();
    EXPECT_EQ(form->SlotColor(LINK), Blue);
    EXPECT_EQ(form->SlotColor(TEXT), Red);
    EXPECT_TRUE(find<QRadioButton>("ColType_2")->isChecked());
    EXPECT_EQ(form->editColor(), Blue);
    EXPECT_TRUE(undo->isEnabled());

    chooseType(BGCOLOR);
    undo->trigger();
    EXPECT_EQ(form->SlotColor(TEXT), White);
    EXPECT_TRUE(find<QRadioButton>("ColType_1")->isChecked());
    EXPECT_EQ(form->editColor(), White);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(form->ColorPending);
}

TEST_F(SlotEditorTest, AHundredAppliesAreUndoneNewestFirst)
{
    clickLabel("BGpanel");
    for (int i = 1; i <= 100; ++i) {
        form->SetEditColor(rgbColor(i, 0, 0));
        clickSwatch();
    }
    ASSERT_EQ(undoCount(), 100);
    for (int i = 99; i >= 0; --i) {
        find<QAction>("Cundo")->trigger();
        EXPECT_EQ(form->SlotColor(BGCOLOR), i == 0 ? Teal : rgbColor(i, 0, 0));
    }
    EXPECT_FALSE(find<QAction>("Cundo")->isEnabled());
}

TEST_F(SlotEditorTest, CtrlZDoesNothingWhileUndoIsDisabled)
{
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->bodyColors()[BGCOLOR], Teal);
    EXPECT_EQ(undoCount(), 0);
}

TEST_F(SlotEditorTest, ApplyWithoutMemoryForUndoChangesNothing)
{
    form->undoStack().setEntryLimit(0);
    form->SetEditColor(Red);
    clickSwatch();
    EXPECT_EQ(form->SlotColor(BGCOLOR), Teal);
    EXPECT_FALSE(find<QAction>("Cundo")->isEnabled());
    EXPECT_TRUE(form->ColorPending);
    const auto messages = platform.callsOf(QStringLiteral("messageBox"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].args, QStringList({QStringLiteral("Pagetint"),
                                             QStringLiteral("Undoバッファが取得できませんでした"),
                                             QStringLiteral("Ok"), QStringLiteral("Exclamation")}));
}

TEST_F(SlotEditorTest, MenuShortcutsWinOverAFocusedField)
{
    TIntEdit* field = find<TIntEdit>("Gval");
    field->setFocus();
    form->SetEditColor(Red);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("#FF0000"));
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        QStringLiteral("<BODY BGCOLOR=\"#008080\"")));
    clickSwatch();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->SlotColor(BGCOLOR), Teal) << "Ctrl+Z ran the colour undo";
}
