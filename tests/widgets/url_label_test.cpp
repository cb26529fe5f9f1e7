#include "url_label.h"
#include "widget_test_support.h"

#include <QEnterEvent>
#include <QSignalSpy>

namespace {

constexpr ColorValue Normal = 0x00808000; // teal-ish, as a slot colour might be
constexpr ColorValue Hot = 0x00FFFF00;
constexpr ColorValue Pushed = 0x000000FF;

// Counts paints and mouse presses that reach the parent.
class CountingLabel : public TURLLabel {
public:
    using TURLLabel::TURLLabel;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        TURLLabel::paintEvent(event);
    }
};

class PressCounter : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

struct LabelWindow {
    FakePlatform platform;
    PressCounter window;
    CountingLabel* label = new CountingLabel(platform, &window);

    LabelWindow()
    {
        window.resize(200, 100);
        label->setText(QStringLiteral("https://example.org/"));
        label->setGeometry(10, 10, 150, 20);
        label->setFontColor(Normal);
    }

    void enter()
    {
        QEnterEvent event(QPointF(5, 5), QPointF(15, 15), label->mapToGlobal(QPointF(5, 5)));
        QCoreApplication::sendEvent(label, &event);
    }
    void leave()
    {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(label, &event);
    }
    QPoint inside() const { return QPoint(5, 5); }
    QPoint outside() const { return QPoint(170, 50); }
};

enum class Step {
    Enter,
    PressLeft,
    PressRight,
    ReleaseLeftInside,
    ReleaseLeftOutside,
    ReleaseRightInside,
    Leave
};

struct WalkCase {
    const char* what;
    bool hotTrack;
    ColorValue hotColor;
    std::vector<std::pair<Step, ColorValue>> steps; // each step and the colour after it
};

const WalkCase kWalks[] = {
    {"hot tracking, release inside",
     true,
     Hot,
     {{Step::Enter, Hot},
      {Step::PressLeft, Pushed},
      {Step::ReleaseLeftInside, Hot},
      {Step::Leave, Normal}}},
    {"hot tracking, release outside gives the colour saved on entering",
     true,
     Hot,
     {{Step::Enter, Hot},
      {Step::PressLeft, Pushed},
      {Step::ReleaseLeftOutside, Normal},
      {Step::Leave, Normal}}},
    {"hot tracking, right button",
     true,
     Hot,
     {{Step::Enter, Hot},
      {Step::PressRight, Pushed},
      {Step::ReleaseRightInside, Hot},
      {Step::Leave, Normal}}},
    {"hot colour equal to the font colour, as the version dialog's link",
     true,
     Normal,
     {{Step::Enter, Normal},
      {Step::PressLeft, Pushed},
      {Step::ReleaseLeftOutside, Normal},
      {Step::Enter, Normal},
      {Step::PressLeft, Pushed},
      {Step::ReleaseLeftInside, Normal},
      {Step::Leave, Normal}}},
    {"no hot tracking, as the slot labels",
     false,
     Hot,
     {{Step::Enter, Normal},
      {Step::PressLeft, Normal},
      {Step::ReleaseLeftInside, Normal},
      {Step::PressRight, Normal},
      {Step::ReleaseLeftOutside, Normal},
      {Step::Leave, Normal}}},
};

TEST(URLLabel, ColourFollowsThePointerOnlyWithHotTrack)
{
    for (const WalkCase& c : kWalks) {
        SCOPED_TRACE(c.what);
        LabelWindow w;
        w.label->SetHotTrack(c.hotTrack);
        w.label->SetHotColor(c.hotColor);
        showActive(w.window);
        int stepNumber = 0;
        for (const auto& [step, expected] : c.steps) {
            SCOPED_TRACE(stepNumber++);
            switch (step) {
            case Step::Enter:
                w.enter();
                break;
            case Step::Leave:
                w.leave();
                break;
            case Step::PressLeft:
                QTest::mousePress(w.label, Qt::LeftButton, {}, w.inside());
                break;
            case Step::PressRight:
                QTest::mousePress(w.label, Qt::RightButton, {}, w.inside());
                break;
            case Step::ReleaseLeftInside:
                QTest::mouseRelease(w.label, Qt::LeftButton, {}, w.inside());
                break;
            case Step::ReleaseLeftOutside:
                QTest::mouseRelease(w.label, Qt::LeftButton, {}, w.outside());
                break;
            case Step::ReleaseRightInside:
                QTest::mouseRelease(w.label, Qt::RightButton, {}, w.inside());
                break;
            }
            EXPECT_EQ(w.label->fontColor(), expected);
        }
        EXPECT_TRUE(w.platform.calls.isEmpty());
    }
}

TEST(URLLabel, DefaultsAndTheHandCursor)
{
    FakePlatform platform;
    TURLLabel label(platform);
    EXPECT_TRUE(label.HotTrack());
    EXPECT_EQ(label.HotColor(), 0x00FFFF00u);
    EXPECT_EQ(label.PushedColor(), 0x000000FFu);
    EXPECT_FALSE(label.Executable());
    EXPECT_EQ(label.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(label.cursor().hotSpot(), QPoint(7, 1));
    EXPECT_FALSE(label.cursor().pixmap().isNull());
    label.setFontColor(0x00123456);
    EXPECT_EQ(label.fontColor(), 0x00123456u);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0x56, 0x34, 0x12));
}

TEST(URLLabel, ExecutableOpensTheCaptionOncePerPressWithAnyButton)
{
    LabelWindow w;
    w.label->setExecutable(true);
    showActive(w.window);
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(w.label, button, {}, w.inside());
        QTest::mouseRelease(w.label, button, {}, w.inside());
    }
    // Pressed, then dragged off before the release: opened on the press all the same.
    QTest::mousePress(w.label, Qt::LeftButton, {}, w.inside());
    QTest::mouseRelease(w.label, Qt::LeftButton, {}, w.outside());
    const auto opens = w.platform.callsOf(QStringLiteral("shellOpen"));
    ASSERT_EQ(opens.size(), 4);
    for (const FakePlatform::Call& call : opens)
        EXPECT_EQ(call.args, QStringList({"https://example.org/"}));

    w.label->setExecutable(false);
    QTest::mouseClick(w.label, Qt::LeftButton, {}, w.inside());
    EXPECT_EQ(w.platform.callsOf(QStringLiteral("shellOpen")).size(), 4);
}

TEST(URLLabel, ClickIsALeftPressAndReleaseOnTheLabel)
{
    LabelWindow w;
    w.label->SetHotTrack(false);
    showActive(w.window);
    QSignalSpy clicks(w.label, &TURLLabel::clicked);
    QTest::mouseClick(w.label, Qt::LeftButton, {}, w.inside());
    EXPECT_EQ(clicks.size(), 1);
    QTest::mouseClick(w.label, Qt::RightButton, {}, w.inside());
    EXPECT_EQ(clicks.size(), 1);
    QTest::mousePress(w.label, Qt::LeftButton, {}, w.inside());
    QTest::mouseRelease(w.label, Qt::LeftButton, {}, w.outside());
    EXPECT_EQ(clicks.size(), 1);
    // A press on the label is not a press on the panel behind it.
    EXPECT_EQ(w.window.presses, 0);
}

TEST(URLLabel, SettersRepaintOnlyOnChange)
{
    LabelWindow w;
    showActive(w.window);
    QTest::qWait(20);
    using Setter = void (*)(TURLLabel&, bool changed);
    const std::pair<const char*, Setter> setters[] = {
        {"HotColor",
         [](TURLLabel& l, bool changed) { l.SetHotColor(changed ? 0x00111111 : l.HotColor()); }},
        {"PushedColor",
         [](TURLLabel& l, bool changed) {
             l.SetPushedColor(changed ? 0x00222222 : l.PushedColor());
         }},
        {"HotTrack",
         [](TURLLabel& l, bool changed) { l.SetHotTrack(changed ? !l.HotTrack() : l.HotTrack()); }},
    };
    for (const auto& [name, set] : setters) {
        SCOPED_TRACE(name);
        QCoreApplication::processEvents();
        w.label->paints = 0;
        set(*w.label, false);
        QCoreApplication::processEvents();
        EXPECT_EQ(w.label->paints, 0);
        set(*w.label, true);
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.label->paints > 0; }, 1000));
    }
    EXPECT_EQ(w.label->HotColor(), 0x00111111u);
    EXPECT_EQ(w.label->PushedColor(), 0x00222222u);
    EXPECT_FALSE(w.label->HotTrack());
}

} // namespace

TEST(URLLabel, AnAddressTheShellCannotOpenIsNamedInABox)
{
    LabelWindow w;
    w.label->setExecutable(true);
    w.platform.shellResult = false;
    showActive(w.window);
    QTest::mousePress(w.label, Qt::LeftButton, {}, w.inside());
    QTest::mouseRelease(w.label, Qt::LeftButton, {}, w.inside());
    const auto boxes = w.platform.callsOf(QStringLiteral("messageBox"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].args,
              QStringList({QStringLiteral("Pagetint"),
                           QStringLiteral("次のファイルまたはアドレスを開けませんでした。\n"
                                          "https://example.org/"),
                           QStringLiteral("Ok"), QStringLiteral("Exclamation")}));
}
