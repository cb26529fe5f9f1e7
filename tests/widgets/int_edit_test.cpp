#include "int_edit.h"
#include "widget_test_support.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QSignalSpy>

#include <climits>
#include <cmath>
#include <memory>
#include <optional>

namespace {

// A window holding a button, which takes the focus when the window opens, and one field.
struct FieldWindow {
    FakePlatform platform;
    QWidget window;
    QPushButton* other = new QPushButton(QStringLiteral("other"), &window);
    TIntEdit* field = new TIntEdit(platform, &window);

    FieldWindow()
    {
        field->setGeometry(0, 0, 80, 23);
        other->setGeometry(0, 30, 80, 23);
    }
};

// The red field of the main window.
void configureAsRval(TIntEdit& field)
{
    field.SetAlignment(taRightJustify);
    field.setEnterKeyToExit(true);
    field.setEscToReset(true);
    field.SetEnableNegative(false);
    field.SetMax(255);
    field.setMaxLength(3);
    field.SetInteger(0);
    field.Loaded();
}

void switchToHex(TIntEdit& field)
{
    field.SetInputMode(imHex);
    field.SetOutputMode(imHex);
    field.SetFillChar(QStringLiteral("0"));
    field.setMaxLength(2);
}

TEST(IntEdit, RvalTypingKeepsTheRange)
{
    FieldWindow w;
    configureAsRval(*w.field);
    showActive(w.window);
    EXPECT_EQ(w.field->text(), "0");
    EXPECT_EQ(w.field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    focusOn(*w.field);

    QTest::keyClicks(w.field, QStringLiteral("300"));
    EXPECT_EQ(w.field->Integer(), 255);
    EXPECT_EQ(w.field->text(), "255");
    ASSERT_EQ(w.platform.callsOf(QStringLiteral("messageBox")).size(), 1);
    EXPECT_EQ(w.platform.calls.front().args,
              QStringList({QStringLiteral("Pagetint"), QStringLiteral("255"), QStringLiteral("Ok"),
                           QStringLiteral("None")}));

    w.field->selectAll();
    QTest::keyClicks(w.field, QStringLiteral("30"));
    EXPECT_EQ(w.field->Integer(), 30);
    EXPECT_EQ(w.field->text(), "30");
    EXPECT_EQ(w.platform.callsOf(QStringLiteral("messageBox")).size(), 1);

    // No minus sign, at the start or anywhere, and no fourth digit.
    w.field->selectAll();
    QTest::keyClicks(w.field, QStringLiteral("25"));
    w.field->home(false);
    QTest::keyClick(w.field, Qt::Key_Minus);
    w.field->end(false);
    QTest::keyClick(w.field, Qt::Key_Minus);
    QTest::keyClicks(w.field, QStringLiteral("56"));
    EXPECT_EQ(w.field->text(), "255");
    EXPECT_EQ(w.field->Integer(), 255);
    EXPECT_EQ(messageTexts(w.platform), QStringList({"255"}));
}

TEST(IntEdit, RvalInHexadecimalTakesTwoDigits)
{
    FieldWindow w;
    configureAsRval(*w.field);
    w.field->SetInteger(255);
    switchToHex(*w.field);
    EXPECT_EQ(w.field->text(), "FF");
    showActive(w.window);
    focusOn(*w.field);
    EXPECT_EQ(w.field->selectedText(), "FF");

    QTest::keyClicks(w.field, QStringLiteral("g1g.-a2 c"));
    EXPECT_EQ(w.field->text(), "1a");
    EXPECT_EQ(w.field->Integer(), 0x1A);
    EXPECT_TRUE(w.platform.calls.isEmpty());

    // Without the focus the value shows in upper case; MaxLength 2 leaves no room to fill.
    focusOn(*w.other);
    EXPECT_EQ(w.field->text(), "1A");

    // Back to decimal: three digits fit again, and the value is shown whole.
    w.field->SetInteger(255);
    w.field->SetInputMode(imDec);
    w.field->SetOutputMode(imDec);
    w.field->SetFillChar(QString());
    w.field->setMaxLength(3);
    EXPECT_EQ(w.field->text(), "255");
}

// A range repair, typed into a field with Min..Max of 0..255 whose entry text is "12".
struct RepairCase {
    const char* what;
    QString typed;
    double min = 0;
    double max = 255;
    bool negatives = false;
    std::optional<int> handlerMode; // nullopt: no handler assigned
    std::optional<double> handlerNum;
    int expectedInteger;
    QString expectedText;
    QStringList expectedMessages;
    double expectedNumSeen = 0;
};

const RepairCase kRepairs[] = {
    {"in range, no handler", "30", 0, 255, false, {}, {}, 30, "30", {}},
    {"above, no handler: the limit", "300", 0, 255, false, {}, {}, 255, "255", {"255"}},
    {"above, rmLimit", "300", 0, 255, false, rmLimit, {}, 255, "255", {"255"}, 300},
    {"above, rmRestore: the entry value",
     "300",
     0,
     255,
     false,
     rmRestore,
     {},
     12,
     "12",
     {"12"},
     300},
    {"above, rmKeep with 7", "300", 0, 255, false, rmKeep, 7, 7, "7", {"7"}, 300},
    {"above, rmKeep unchanged", "300", 0, 255, false, rmKeep, {}, 300, "300", {"300"}, 300},
    {"above, an out-of-enum mode acts as rmRestore",
     "300",
     0,
     255,
     false,
     5,
     {},
     12,
     "12",
     {"12"},
     300},
    {"above, a negative mode acts as rmRestore",
     "300",
     0,
     255,
     false,
     -1,
     {},
     12,
     "12",
     {"12"},
     300},
    {"below, no handler", "-20", -10, 255, true, {}, {}, -10, "-10", {"-10"}},
    {"below a fractional Min: truncated", "-9", -5.5, 255, true, {}, {}, -5, "-5", {"-5"}},
    {"above a fractional Max: truncated", "150", 0, 99.9, false, {}, {}, 99, "99", {"99"}},
    // The kept value is out of range again once shown, so the handler runs twice.
    {"rmKeep beyond the int range is held at its end",
     "300",
     0,
     255,
     false,
     rmKeep,
     1e12,
     INT_MAX,
     "2147483647",
     {"2147483647", "2147483647"},
     300},
};

TEST(IntEdit, RangeRepairByModeAndHandler)
{
    for (const RepairCase& c : kRepairs) {
        SCOPED_TRACE(c.what);
        FieldWindow w;
        w.field->SetMin(c.min);
        w.field->SetMax(c.max);
        w.field->SetEnableNegative(c.negatives);
        w.field->SetInteger(12);
        w.field->Loaded();
        double numSeen = 0;
        int handlerCalls = 0;
        if (c.handlerMode) {
            w.field->OnOutOfRange = [&](TCustomNumEdit& sender, double& num, int& repairMode) {
                EXPECT_EQ(&sender, w.field);
                EXPECT_EQ(repairMode, rmLimit);
                if (handlerCalls++ == 0)
                    numSeen = num;
                repairMode = *c.handlerMode;
                if (c.handlerNum)
                    num = *c.handlerNum;
            };
        }
        showActive(w.window);
        focusOn(*w.field);
        EXPECT_EQ(w.field->selectedText(), "12");
        QTest::keyClicks(w.field, c.typed);

        EXPECT_EQ(w.field->Integer(), c.expectedInteger);
        EXPECT_EQ(w.field->text(), c.expectedText);
        EXPECT_EQ(messageTexts(w.platform), c.expectedMessages);
        if (c.handlerMode && !c.expectedMessages.isEmpty()) {
            EXPECT_EQ(numSeen, c.expectedNumSeen);
            EXPECT_EQ(handlerCalls, c.expectedMessages.size());
        } else {
            EXPECT_EQ(handlerCalls, 0);
        }
        for (const FakePlatform::Call& call : w.platform.calls)
            EXPECT_EQ(call.args, QStringList({"Pagetint", call.args.value(1), "Ok", "None"}));
    }
}

TEST(IntEdit, LoadedWidensOnlyAnUnsetRange)
{
    FieldWindow unset;
    unset.field->Loaded();
    EXPECT_EQ(unset.field->Max(), 9999999999.999998);
    EXPECT_EQ(std::nextafter(unset.field->Max(), 2e10), 1e10); // the largest double below 1e10
    EXPECT_EQ(unset.field->Min(), -9999999999.999998);
    showActive(unset.window);
    focusOn(*unset.field);
    QTest::keyClicks(unset.field, QStringLiteral("2147483647"));
    EXPECT_EQ(unset.field->Integer(), INT_MAX);
    QTest::keyClick(unset.field, Qt::Key_A, Qt::ControlModifier); // dropped
    unset.field->selectAll();
    QTest::keyClicks(unset.field, QStringLiteral("-2147483648"));
    EXPECT_EQ(unset.field->Integer(), INT_MIN);
    EXPECT_TRUE(unset.platform.calls.isEmpty());

    // Without Loaded a range of 0..0 holds every typed value at 0.
    FieldWindow zero;
    showActive(zero.window);
    focusOn(*zero.field);
    QTest::keyClicks(zero.field, QStringLiteral("5"));
    EXPECT_EQ(zero.field->Integer(), 0);
    EXPECT_EQ(zero.field->text(), "0");
    EXPECT_EQ(messageTexts(zero.platform), QStringList({"0"}));

    FieldWindow set;
    set.field->SetMax(255);
    set.field->Loaded();
    EXPECT_EQ(set.field->Min(), 0);
    EXPECT_EQ(set.field->Max(), 255);
}

TEST(IntEdit, SettingTheValueChecksNoRangeAndChangesOnlyOnNewText)
{
    FieldWindow w;
    configureAsRval(*w.field);
    QSignalSpy changes(w.field, &TCustomEditEx::OnChange);
    w.field->SetInteger(0);
    EXPECT_EQ(changes.size(), 0);
    w.field->SetInteger(300);
    EXPECT_EQ(changes.size(), 1);
    EXPECT_EQ(w.field->Integer(), 300);
    EXPECT_EQ(w.field->text(), "300");
    EXPECT_TRUE(w.platform.calls.isEmpty());
    w.field->SetReal(7.9);
    EXPECT_EQ(w.field->Integer(), 7);
    EXPECT_EQ(w.field->Real(), 7.9);
    EXPECT_EQ(w.field->text(), "7");
}

TEST(IntEdit, DisplayTextWhenUnfocusedAndBareNumberWhileEditing)
{
    FieldWindow w;
    w.field->Loaded();
    w.field->setMaxLength(8);
    w.field->SetPrefix(QStringLiteral("<"));
    w.field->SetSuffix(QStringLiteral(">"));
    w.field->SetFillChar(QStringLiteral("0"));
    w.field->SetInteger(42);
    EXPECT_EQ(w.field->text(), "<42>");

    const std::pair<enIntEdit_FillType, const char*> fills[] = {{ftLeftFillA, "0000<42>"},
                                                                {ftLeftFillB, "<000042>"},
                                                                {ftRightFillB, "<420000>"},
                                                                {ftRightFillA, "<42>0000"},
                                                                {ftFillNone, "<42>"}};
    for (const auto& [type, text] : fills) {
        SCOPED_TRACE(text);
        w.field->SetFillType(type);
        EXPECT_EQ(w.field->text(), QString::fromLatin1(text));
    }

    w.field->SetFillType(ftRightFillA);
    w.field->SetFillChar(QStringLiteral("*#")); // only the first character counts
    EXPECT_EQ(w.field->FillChar(), "*");
    EXPECT_EQ(w.field->text(), "<42>****");
    w.field->SetOutputMode(imHex);
    w.field->SetHexChar(hcLower);
    w.field->SetInteger(0xABCD);
    EXPECT_EQ(w.field->text(), "<abcd>**");
    w.field->SetInsertion(inThousand);
    w.field->SetOutputMode(imDec);
    EXPECT_EQ(w.field->text(), "<43,981>");
    EXPECT_EQ(w.field->Hex(), "abcd");
    EXPECT_EQ(w.field->Oct(), "125715");
    EXPECT_EQ(w.field->Bin(), "1010101111001101");

    showActive(w.window);
    QSignalSpy entered(w.field, &TCustomEditEx::OnEnter);
    QSignalSpy exited(w.field, &TCustomEditEx::OnExit);
    focusOn(*w.field);
    EXPECT_EQ(entered.size(), 1);
    EXPECT_EQ(w.field->text(), "43981");
    EXPECT_EQ(w.field->selectedText(), "43981");
    QTest::keyClicks(w.field, QStringLiteral("12"));
    focusOn(*w.other);
    EXPECT_EQ(exited.size(), 1);
    EXPECT_EQ(w.field->Integer(), 12);
    EXPECT_EQ(w.field->text(), "<12>****");
}

TEST(IntEdit, RadixViewsParseAndSet)
{
    FieldWindow w;
    w.field->SetHex(QStringLiteral("1G"));
    EXPECT_EQ(w.field->Integer(), 16);
    w.field->SetOct(QStringLiteral("19"));
    EXPECT_EQ(w.field->Integer(), 8);
    w.field->SetBin(QStringLiteral("101"));
    EXPECT_EQ(w.field->Integer(), 5);
    EXPECT_EQ(w.field->text(), "5");
    w.field->SetHex(QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(w.field->Integer(), -1);
    EXPECT_EQ(w.field->text(), "-1");
    EXPECT_EQ(w.field->Hex(), "FFFFFFFF");
}

TEST(IntEdit, EditingTextFollowsTheInputRadix)
{
    FieldWindow w;
    w.field->Loaded();
    w.field->SetInteger(10);
    w.field->SetInputMode(imBin);
    showActive(w.window);
    focusOn(*w.field);
    EXPECT_EQ(w.field->text(), "1010");
    QTest::keyClicks(w.field, QStringLiteral("12")); // "2" is no binary digit
    EXPECT_EQ(w.field->text(), "1");
    QTest::keyClicks(w.field, QStringLiteral("10"));
    EXPECT_EQ(w.field->Integer(), 6);
    focusOn(*w.other);
    EXPECT_EQ(w.field->text(), "6");
}

TEST(IntEdit, ClearStartShowsNothingUntilTheUserChangesTheField)
{
    FieldWindow w;
    w.field->Loaded();
    w.field->SetInteger(42);
    w.field->SetClearStart(true);
    EXPECT_EQ(w.field->text(), "");
    EXPECT_EQ(w.field->Integer(), 42);
    showActive(w.window);

    focusOn(*w.field);
    EXPECT_EQ(w.field->text(), "42");
    focusOn(*w.other);
    EXPECT_EQ(w.field->text(), ""); // not modified: still clear

    focusOn(*w.field);
    QTest::keyClicks(w.field, QStringLiteral("7"));
    focusOn(*w.other);
    EXPECT_EQ(w.field->text(), "7");

    w.field->Clear();
    EXPECT_EQ(w.field->text(), "");
    EXPECT_EQ(w.field->Integer(), 7);
}

// Where the caret and the selection are decides for digits and the minus sign.
struct CaretCase {
    const char* what;
    QString text;
    int selectionStart;
    int selectionLength;
    Qt::Key key;
    QString expected;
};

const CaretCase kCarets[] = {
    {"digit in front of the minus", "-5", 0, 0, Qt::Key_3, "-5"},
    {"digit after the minus", "-5", 1, 0, Qt::Key_3, "-35"},
    {"digit over the selected minus", "-5", 0, 1, Qt::Key_3, "35"},
    {"second minus after the first", "-", 1, 0, Qt::Key_Minus, "-"},
    {"minus over the selected minus", "-5", 0, 1, Qt::Key_Minus, "-5"},
    {"minus in front of digits", "5", 0, 0, Qt::Key_Minus, "-5"},
    {"minus over selected digits", "57", 0, 2, Qt::Key_Minus, "-"},
    {"minus over digits selected from the right", "57", 2, -2, Qt::Key_Minus, "-"},
    {"minus after digits", "5", 1, 0, Qt::Key_Minus, "5"},
    {"minus into the empty field", "", 0, 0, Qt::Key_Minus, "-"},
    {"a letter", "5", 1, 0, Qt::Key_A, "5"},
    {"a point", "5", 1, 0, Qt::Key_Period, "5"},
    {"a space", "5", 1, 0, Qt::Key_Space, "5"},
    {"backspace", "57", 2, 0, Qt::Key_Backspace, "5"},
};

TEST(IntEdit, TypedCharactersFollowCaretAndSelection)
{
    FieldWindow w;
    w.field->Loaded();
    showActive(w.window);
    focusOn(*w.field);
    for (const CaretCase& c : kCarets) {
        SCOPED_TRACE(c.what);
        w.field->setText(c.text);
        w.field->setSelection(c.selectionStart, c.selectionLength);
        if (c.selectionLength == 0)
            w.field->setCursorPosition(c.selectionStart);
        QTest::keyClick(w.field, c.key);
        EXPECT_EQ(w.field->text(), c.expected);
    }
    EXPECT_TRUE(w.platform.calls.isEmpty());
}

TEST(IntEdit, PasteIsNotFilteredButParsed)
{
    FieldWindow w;
    configureAsRval(*w.field);
    showActive(w.window);
    focusOn(*w.field);
    QGuiApplication::clipboard()->setText(QStringLiteral("-1"));
    w.field->selectAll();
    w.field->paste(); // as the context menu's Paste does
    EXPECT_EQ(w.field->Integer(), 0);
    EXPECT_EQ(w.field->text(), "0");
    EXPECT_EQ(messageTexts(w.platform), QStringList({"0"}));

    // A paste longer than the limit is refused whole.
    QGuiApplication::clipboard()->setText(QStringLiteral("1234"));
    w.field->selectAll();
    w.field->paste();
    EXPECT_EQ(w.field->text(), "0");
    QGuiApplication::clipboard()->setText(QStringLiteral("12"));
    w.field->paste();
    EXPECT_EQ(w.field->text(), "12");
}

TEST(IntEdit, ProgramTextIsNeverCutToTheTypingLimit)
{
    FieldWindow w;
    w.field->Loaded();
    w.field->setMaxLength(2);
    w.field->SetInputMode(imHex);
    w.field->SetOutputMode(imHex);
    w.field->SetInteger(-1);
    EXPECT_EQ(w.field->text(), "FFFFFFFF");
    showActive(w.window);
    focusOn(*w.field);
    EXPECT_EQ(w.field->Integer(), -1);
    // The user may shorten it, not lengthen it.
    w.field->end(false);
    QTest::keyClick(w.field, Qt::Key_1);
    EXPECT_EQ(w.field->text(), "FFFFFFFF");
    QTest::keyClick(w.field, Qt::Key_Backspace);
    EXPECT_EQ(w.field->text(), "FFFFFFF");
    EXPECT_EQ(w.field->Integer(), 0x0FFFFFFF);
}

} // namespace
