#include "up_down.h"
#include "widget_test_support.h"

#include <QSignalSpy>

namespace {

struct UpDownWindow {
    QWidget window;
    TUpDown* upDown = new TUpDown(&window);

    UpDownWindow()
    {
        upDown->setGeometry(10, 10, 16, 23);
        upDown->setMin(0);
        upDown->setMax(255);
    }

    QPoint upArrow() const { return QPoint(8, 5); }
    QPoint downArrow() const { return QPoint(8, 18); }
};

QList<int> clicksOf(const QSignalSpy& spy)
{
    QList<int> buttons;
    for (const QList<QVariant>& args : spy)
        buttons << args.at(0).value<TUDBtnType>();
    return buttons;
}

TEST(UpDown, HasNoChildWidgetsAndTakesTheFocus)
{
    TUpDown upDown;
    EXPECT_TRUE(upDown.findChildren<QWidget*>().isEmpty());
    EXPECT_EQ(upDown.focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(upDown.Min(), 0);
    EXPECT_EQ(upDown.Max(), 100);
    EXPECT_EQ(upDown.Position(), 0);
    EXPECT_FALSE(upDown.Wrap());
}

// From a start position, one user step and what follows.
struct StepCase {
    const char* what;
    int start;
    bool up;
    bool byKey;
    bool wrap;
    int expectedPosition;
    QList<int> expectedClicks;
};

const StepCase kSteps[] = {
    {"up by click", 10, true, false, false, 11, {btNext}},
    {"down by click", 10, false, false, false, 9, {btPrev}},
    {"up by key", 10, true, true, false, 11, {btNext}},
    {"down by key", 10, false, true, false, 9, {btPrev}},
    {"up at the top", 255, true, false, false, 255, {}},
    {"down at the bottom", 0, false, false, false, 0, {}},
    {"up key at the top", 255, true, true, false, 255, {}},
    {"down key at the bottom", 0, false, true, false, 0, {}},
    {"up at the top, wrapping", 255, true, false, true, 0, {btNext}},
    {"down at the bottom, wrapping", 0, false, true, true, 255, {btPrev}},
};

TEST(UpDown, StepsByOneAndRaisesOnlyWhenItMoved)
{
    for (const StepCase& c : kSteps) {
        SCOPED_TRACE(c.what);
        UpDownWindow w;
        w.upDown->setWrap(c.wrap);
        w.upDown->setPosition(c.start);
        showActive(w.window);
        focusOn(*w.upDown);
        QSignalSpy clicks(w.upDown, &TUpDown::OnClick);
        if (c.byKey) {
            QTest::keyClick(w.upDown, c.up ? Qt::Key_Up : Qt::Key_Down);
        } else {
            QTest::mouseClick(w.upDown, Qt::LeftButton, {}, c.up ? w.upArrow() : w.downArrow());
        }
        EXPECT_EQ(w.upDown->Position(), c.expectedPosition);
        EXPECT_EQ(clicksOf(clicks), c.expectedClicks);
    }
}

TEST(UpDown, SettingFromCodeRaisesNothingAndKeepsTheRange)
{
    UpDownWindow w;
    QSignalSpy clicks(w.upDown, &TUpDown::OnClick);
    w.upDown->setPosition(17);
    EXPECT_EQ(w.upDown->Position(), 17);
    w.upDown->setPosition(300);
    EXPECT_EQ(w.upDown->Position(), 255);
    w.upDown->setPosition(-4);
    EXPECT_EQ(w.upDown->Position(), 0);
    w.upDown->setPosition(200);
    w.upDown->setMax(100);
    EXPECT_EQ(w.upDown->Position(), 100);
    w.upDown->setMin(150);
    EXPECT_EQ(w.upDown->Max(), 150);
    EXPECT_EQ(w.upDown->Position(), 150);
    EXPECT_TRUE(clicks.isEmpty());
}

TEST(UpDown, OnlyTheLeftButtonStepsAndADisabledOneDoesNothing)
{
    UpDownWindow w;
    w.upDown->setPosition(5);
    showActive(w.window);
    QSignalSpy clicks(w.upDown, &TUpDown::OnClick);
    QTest::mouseClick(w.upDown, Qt::RightButton, {}, w.upArrow());
    QTest::mouseClick(w.upDown, Qt::MiddleButton, {}, w.downArrow());
    EXPECT_EQ(w.upDown->Position(), 5);
    w.upDown->setEnabled(false);
    QTest::mouseClick(w.upDown, Qt::LeftButton, {}, w.upArrow());
    EXPECT_EQ(w.upDown->Position(), 5);
    EXPECT_TRUE(clicks.isEmpty());
}

TEST(UpDown, HeldArrowRepeatsUntilReleased)
{
    UpDownWindow w;
    w.upDown->setPosition(0);
    showActive(w.window);
    QSignalSpy clicks(w.upDown, &TUpDown::OnClick);
    QTest::mousePress(w.upDown, Qt::LeftButton, {}, w.upArrow());
    EXPECT_EQ(w.upDown->Position(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.upDown->Position() >= 3; }, 3000));
    QTest::mouseRelease(w.upDown, Qt::LeftButton, {}, w.upArrow());
    const int released = w.upDown->Position();
    QTest::qWait(200);
    EXPECT_EQ(w.upDown->Position(), released);
    EXPECT_EQ(clicks.size(), released);
}

} // namespace
