#include "int_edit.h"
#include "up_down.h"
#include "widget_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

namespace {

TIntEdit* newField(FakePlatform& platform, QWidget* parent, const char* name)
{
    auto* field = new TIntEdit(platform, parent);
    field->setObjectName(QString::fromLatin1(name));
    field->SetMax(255);
    field->SetEnableNegative(false);
    field->setEnterKeyToExit(true);
    field->setEscToReset(true);
    field->setMaxLength(3);
    field->SetInteger(0);
    field->Loaded();
    return field;
}

// Fields and an up-down in focus order, with controls between them that Enter passes over:
// a disabled button, a focusable frame holding a label, a hidden check box, a label.
struct FocusWindow {
    FakePlatform platform;
    QWidget window;
    TIntEdit* first = newField(platform, &window, "first");
    QPushButton* disabled = new QPushButton(QStringLiteral("disabled"), &window);
    QFrame* container = new QFrame(&window);
    QLabel* inside = new QLabel(QStringLiteral("inside"), container);
    QCheckBox* hidden = new QCheckBox(QStringLiteral("hidden"), &window);
    QLabel* label = new QLabel(QStringLiteral("label"), &window);
    TIntEdit* second = newField(platform, &window, "second");
    TUpDown* upDown = new TUpDown(&window);
    TIntEdit* last = newField(platform, &window, "last");
    QPushButton* disabledAtEnd = new QPushButton(QStringLiteral("end"), &window);

    FocusWindow()
    {
        disabled->setEnabled(false);
        disabledAtEnd->setEnabled(false);
        container->setFocusPolicy(Qt::StrongFocus);
        int top = 0;
        for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            w->setGeometry(0, top, 80, 23);
            top += 25;
        }
        hidden->hide();
    }
};

// The first field enters with 12, which the user then replaces with 34.
void openAndTypeOver12(FocusWindow& w)
{
    w.first->SetInteger(12);
    showActive(w.window); // the first field takes the focus with the window
    focusOn(*w.first);
    QTest::keyClicks(w.first, QStringLiteral("34"));
    ASSERT_EQ(w.first->text(), "34");
}

TEST(EditFocus, EnterMovesToTheNextControlThatCanTakeTheFocus)
{
    FocusWindow w;
    showActive(w.window);
    struct Step {
        TIntEdit* from;
        QWidget* to;
    };
    const Step steps[] = {{w.first, w.second}, {w.second, w.upDown}, {w.last, w.first}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.from->objectName().toStdString());
        focusOn(*step.from);
        QTest::keyClick(step.from, Qt::Key_Return);
        EXPECT_TRUE(step.to->hasFocus());
    }
}

TEST(EditFocus, EnterRaisesOnEnterKeyThenTheExitOfTheField)
{
    FocusWindow w;
    showActive(w.window);
    focusOn(*w.first);
    QTest::keyClicks(w.first, QStringLiteral("77"));
    QStringList order;
    QObject::connect(w.first, &TCustomEditEx::OnEnterKey, [&] { order << "enter key"; });
    QObject::connect(w.first, &TCustomEditEx::OnExit,
                     [&] { order << "exit " + QString::number(w.first->Integer()); });
    QObject::connect(w.second, &TCustomEditEx::OnEnter, [&] { order << "second entered"; });
    QTest::keyClick(w.first, Qt::Key_Enter); // the keypad's Enter does the same
    EXPECT_EQ(order, QStringList({"enter key", "exit 77", "second entered"}));
    EXPECT_EQ(w.first->text(), "77");
}

TEST(EditFocus, EnterStaysOnAFieldThatIsAlone)
{
    FakePlatform platform;
    QWidget window;
    auto* field = newField(platform, &window, "alone");
    auto* off = new QPushButton(QStringLiteral("off"), &window);
    off->move(0, 30);
    off->setEnabled(false);
    showActive(window);
    focusOn(*field);
    QSignalSpy exits(field, &TCustomEditEx::OnExit);
    QSignalSpy enterKeys(field, &TCustomEditEx::OnEnterKey);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(enterKeys.size(), 1);
    EXPECT_EQ(exits.size(), 0);
}

TEST(EditFocus, EnterNeverReachesTheDefaultButton)
{
    for (const bool enterToExit : {false, true}) {
        SCOPED_TRACE(enterToExit);
        FakePlatform platform;
        QDialog dialog;
        auto* field = newField(platform, &dialog, "field");
        field->setEnterKeyToExit(enterToExit);
        auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->move(0, 30);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        QSignalSpy clicks(ok, &QPushButton::clicked);
        showActive(dialog);
        focusOn(*field);
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(clicks.size(), 0);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(ok->hasFocus(), enterToExit);
    }
}

TEST(EditFocus, EscRestoresTheEntryTextAndKeepsTheFocus)
{
    FocusWindow w;
    openAndTypeOver12(w);
    QTest::keyClick(w.first, Qt::Key_Escape);
    EXPECT_EQ(w.first->text(), "12");
    EXPECT_EQ(w.first->Integer(), 12);
    EXPECT_TRUE(w.first->hasFocus());

    // Without EscToReset Esc does nothing.
    w.first->setEscToReset(false);
    QTest::keyClicks(w.first, QStringLiteral("5"));
    QTest::keyClick(w.first, Qt::Key_Escape);
    EXPECT_EQ(w.first->text(), "125");
    EXPECT_TRUE(w.first->hasFocus());
}

TEST(EditFocus, EscToExitRestoresAndMovesOn)
{
    FocusWindow w;
    w.first->setEscToReset(false);
    w.first->setEscToExit(true);
    EXPECT_TRUE(w.first->EscToReset());
    w.first->setEscToExit(false);
    EXPECT_TRUE(w.first->EscToReset()); // turning it off leaves the reset alone
    w.first->setEscToExit(true);

    openAndTypeOver12(w);
    QTest::keyClick(w.first, Qt::Key_Escape);
    EXPECT_TRUE(w.second->hasFocus());
    EXPECT_EQ(w.first->Integer(), 12);
    EXPECT_EQ(w.first->text(), "12");
}

TEST(EditFocus, EscapeHandlerDecidesResetAndExit)
{
    FocusWindow w;
    openAndTypeOver12(w);
    bool offeredReset = false;
    bool offeredExit = true;
    QObject::connect(w.first, &TCustomEditEx::OnEscapeKey, [&](bool& canReset, bool& canExit) {
        offeredReset = canReset;
        offeredExit = canExit;
        canReset = false;
        canExit = true;
    });
    QTest::keyClick(w.first, Qt::Key_Escape);
    EXPECT_TRUE(offeredReset);
    EXPECT_FALSE(offeredExit);
    EXPECT_EQ(w.first->Integer(), 34);
    EXPECT_TRUE(w.second->hasFocus());
}

TEST(EditFocus, TabMovesOnOnlyWithTabKeyToExit)
{
    FocusWindow w;
    showActive(w.window);
    focusOn(*w.first);
    QSignalSpy tabs(w.first, &TCustomEditEx::OnTabKey);
    QTest::keyClick(w.first, Qt::Key_Tab);
    EXPECT_EQ(tabs.size(), 1);
    EXPECT_FALSE(w.first->hasFocus());

    focusOn(*w.first);
    w.first->setTabKeyToExit(false);
    QTest::keyClicks(w.first, QStringLiteral("9"));
    QTest::keyClick(w.first, Qt::Key_Tab);
    QTest::keyClick(w.first, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(tabs.size(), 3);
    EXPECT_TRUE(w.first->hasFocus());
    EXPECT_EQ(w.first->text(), "9");
}

TEST(EditFocus, ArrowsAreReportedAndStillMoveTheCaret)
{
    FocusWindow w;
    showActive(w.window);
    w.first->SetInteger(123);
    focusOn(*w.first);
    QList<int> keys;
    QObject::connect(w.first, &TCustomEditEx::OnCursorKey, [&](int& key) {
        keys << key;
        key = Qt::Key_Right; // ignored
    });
    w.first->end(false);
    QTest::keyClick(w.first, Qt::Key_Left);
    QTest::keyClick(w.first, Qt::Key_Left);
    EXPECT_EQ(w.first->cursorPosition(), 1);
    QTest::keyClick(w.first, Qt::Key_Right);
    QTest::keyClick(w.first, Qt::Key_Up);
    QTest::keyClick(w.first, Qt::Key_Down);
    EXPECT_EQ(keys,
              QList<int>({Qt::Key_Left, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}));
    EXPECT_EQ(w.first->text(), "123");
}

// The window's menu shortcuts with these keys run while the field has the focus.
TEST(EditFocus, MenuShortcutsWinAndLeaveTheTextAlone)
{
    const Qt::Key keys[] = {Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z};
    for (const Qt::Key key : keys) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        FocusWindow w;
        auto* action = new QAction(&w.window);
        action->setShortcut(QKeySequence(Qt::CTRL | key));
        w.window.addAction(action);
        QSignalSpy triggered(action, &QAction::triggered);
        showActive(w.window);
        QGuiApplication::clipboard()->setText(QStringLiteral("99"));
        w.first->SetInteger(12);
        focusOn(*w.first);
        w.first->end(false);
        QTest::keyClick(w.first, key, Qt::ControlModifier);
        EXPECT_EQ(triggered.size(), 1);
        EXPECT_EQ(w.first->text(), "12");

        // With no such menu item the key still does nothing to the field.
        w.window.removeAction(action);
        w.first->selectAll();
        QTest::keyClick(w.first, key, Qt::ControlModifier);
        EXPECT_EQ(w.first->text(), "12");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "99");
    }
}

TEST(EditFocus, ContextMenuDoesNotEndTheEdit)
{
    FocusWindow w;
    showActive(w.window);
    focusOn(*w.first);
    QSignalSpy exits(w.first, &TCustomEditEx::OnExit);
    QSignalSpy enters(w.first, &TCustomEditEx::OnEnter);
    QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(w.first, &out);
    QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(w.first, &in);
    EXPECT_EQ(exits.size(), 0);
    EXPECT_EQ(enters.size(), 0);
}

} // namespace
