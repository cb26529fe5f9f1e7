// Run by CTest on two offscreen screens side by side (two_screens.json: 1280 x 1024, and
// 1000 x 800 to its right) at each scale factor, the right screen at 1.5 times the left's.
#include "window_fixture.h"

#include "eyedropper_geometry.h"
#include "loupe.h"
#include "qt_platform.h"

#include <QLabel>
#include <QPushButton>

// Every physical pixel of the two screens has its own colour, none black or white.
static std::optional<ColorValue> patternAt(QPoint p)
{
    if (!QRect(0, 0, 1280, 1024).contains(p) && !QRect(1280, 0, 1000, 800).contains(p))
        return std::nullopt;
    return rgbColor(p.x(), p.y(), 0x80 | p.x() >> 8 | (p.y() >> 8) << 4);
}

class EyedropperTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        platform.screen = patternAt;
        start();
        ASSERT_EQ(currentScreenLayout().size(), 2u) << "needs the two-screen configuration";
        form->ColorPending = false;
        QTest::mousePress(find<QPushButton>("BitBtn1"), Qt::LeftButton);
    }
    void moveTo(QPoint physical)
    {
        platform.pointer = physical;
        QTest::mouseMove(form.get(), QPoint(5, 5)); // where Qt thinks the pointer is does not count
    }
    Loupe* loupe() const { return form->findChild<Loupe*>(QStringLiteral("Loupe")); }
};

TEST_F(EyedropperTest, TakesThePhysicalPixelAndShowsItBesideThePointer)
{
    const ScreenLayout layout = currentScreenLayout();
    for (const QPoint p : {QPoint(601, 301), QPoint(333, 77), QPoint(1001, 151), QPoint(0, 0),
                           QPoint(1279, 1023), QPoint(1280, 5), QPoint(2279, 799)}) {
        SCOPED_TRACE(testing::Message() << p.x() << "," << p.y());
        moveTo(p);
        const ColorValue color = *patternAt(p);
        EXPECT_EQ(form->editColor(), color);
        const ScreenArea& screen = layout.at(screenAtPhysical(layout, p).value());
        const QCursor* cursor = QGuiApplication::overrideCursor();
        EXPECT_EQ(cursor->pixmap().width(), 32 * std::max(1, qRound(screen.scale)));
        EXPECT_EQ(cursor->pixmap().toImage().pixel(cursor->hotSpot()), qRgb(0, 0, 0)) << "the tip";

        ASSERT_TRUE(loupe()->isVisible());
        const QRect placed(toPhysical(screen, loupe()->pos()), loupe()->size() * screen.scale);
        EXPECT_TRUE(physicalRect(screen).contains(placed));
        EXPECT_FALSE(placed.adjusted(-24, -24, 24, 24).contains(p));
        // The centre pixel as a square of at least 8 device pixels, framed in white and black.
        const QImage shown = loupe()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QRect square;
        for (int i = 0; i < shown.width() * shown.height(); ++i) {
            const QPoint at(i % shown.width(), i / shown.width());
            if (shown.pixel(at) == qRgb(redOf(color), greenOf(color), blueOf(color)))
                square |= QRect(at, QSize(1, 1));
        }
        EXPECT_GE(square.width(), 8);
        EXPECT_EQ(square.width(), square.height());
        EXPECT_EQ(shown.pixel(square.topLeft() - QPoint(1, 1)), qRgb(255, 255, 255));
        EXPECT_EQ(shown.pixel(square.topLeft() - QPoint(2, 2)), qRgb(0, 0, 0));
    }
    QTest::mouseRelease(form.get(), Qt::LeftButton);
    EXPECT_FALSE(loupe()->isVisible());
}

TEST_F(EyedropperTest, ArrowKeysStepOnePhysicalPixelAndEscapeGivesTheEditorBack)
{
    find<QWidget>("Rval")->setFocus(); // the keys must not go to the focused control
    moveTo({601, 301});
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPoint to;
    } steps[] = {{Qt::Key_Right, {}, {602, 301}},
                 {Qt::Key_Left, Qt::ShiftModifier, {592, 301}},
                 {Qt::Key_Down, Qt::ShiftModifier, {592, 311}},
                 {Qt::Key_Up, {}, {592, 310}}};
    for (const auto& step : steps) {
        QTest::keyClick(form->windowHandle(), step.key, step.modifiers);
        EXPECT_EQ(platform.pointer, step.to);
        EXPECT_EQ(form->editColor(), *patternAt(step.to));
    }
    QTest::keyClick(form->windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_FALSE(loupe()->isVisible());
    EXPECT_EQ(find<QLabel>("ColHex")->text(), QStringLiteral("#008080"));
    EXPECT_FALSE(form->ColorPending);
    QTest::mouseRelease(form.get(), Qt::LeftButton);
    EXPECT_EQ(form->editColor(), rgbColor(0, 128, 128));
}
