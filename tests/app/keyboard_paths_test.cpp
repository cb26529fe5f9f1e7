#include "window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>

namespace {

constexpr ColorValue kDodgerBlue = 0x00FF901E;

// A colour per pixel, so every step of the pointer shows.
std::optional<ColorValue> pattern(QPoint p)
{
    return rgbColor(p.x(), p.y(), 0x40);
}

} // namespace

TEST_F(WindowTest, CtrlReturnAppliesTheEditorColourWhereverTheFocusIs)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("#1E90FF"));
    start();
    const struct {
        const char* focus;
        int slot;
        const char* slotWidget;
    } rows[] = {{"Rval", 1, "TextLabel"}, {"Rbar", 3, "VlinkLabel"}, {"SetList", 0, "BGpanel"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.focus);
        find<QAbstractButton>(("ColType_" + std::to_string(row.slot)).c_str())->click();
        QTest::keyClick(form.get(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(find<QWidget>("ColBox")->accessibleDescription().toStdString(),
                  "#1E90FF dodgerblue");
        QWidget* focus = find<QWidget>(row.focus);
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(form->SlotColor(row.slot), kDodgerBlue);
        EXPECT_EQ(find<QWidget>(row.slotWidget)->accessibleDescription().toStdString(),
                  "#1E90FF dodgerblue");
        EXPECT_TRUE(find<QAction>("Cundo")->isEnabled());
    }
}

TEST_F(WindowTest, CtrlShiftEPicksAtThePointerAndReturnTakesTheColour)
{
    platform.screen = pattern;
    platform.pointer = {301, 201};
    start();
    QTest::keyClick(form.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->editColor(), rgbColor(301, 201, 0x40)) << "sampled at once";
    QTest::keyClick(form.get(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(form.get(), Qt::Key_Up);
    QTest::keyClick(form.get(), Qt::Key_Return);
    EXPECT_EQ(form->editColor(), rgbColor(311, 200, 0x40));
    platform.pointer = {5, 5};
    QTest::mouseMove(form.get(), QPoint(9, 9));
    EXPECT_EQ(form->editColor(), rgbColor(311, 200, 0x40)) << "Return ended the pick";
    EXPECT_TRUE(platform.callsOf(QStringLiteral("pickScreenColor")).isEmpty());

    platform.session = DesktopSession::Wayland;
    QTest::keyClick(form.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(platform.callsOf(QStringLiteral("pickScreenColor")).size(), 1);
}

TEST_F(WindowTest, CtrlPLoadsTheColourChosenByName)
{
    start();
    form->ColorPending = false;
    const struct {
        const char* typed;
        ColorValue loaded; // 0: Return leaves the dialog open and Escape closes it
    } rows[] = {{"dodger", kDodgerBlue}, {"xyzzy", 0}, {"BLUE", 0x00FF0000}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const ColorValue before = form->editColor();
        whenDialogShows([&row](QDialog* dialog) {
            auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("NameFilter"));
            QTest::keyClicks(field, row.typed);
            QTest::keyClick(field, Qt::Key_Return);
            EXPECT_EQ(dialog->isVisible(), row.loaded == 0);
            if (dialog->isVisible())
                QTest::keyClick(field, Qt::Key_Escape);
        });
        QApplication::setActiveWindow(form.get()); // offscreen, nobody gives it back
        QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(form->editColor(), row.loaded ? row.loaded : before);
        EXPECT_EQ(form->colorPending(), row.loaded != 0);
        form->ColorPending = false;
    }
}
