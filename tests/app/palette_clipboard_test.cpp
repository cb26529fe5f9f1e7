#include "window_fixture.h"

#include "int_edit.h"
#include "named_color_table.h"
#include "palette_view.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

QPoint cellPoint(int index)
{
    return QPoint(8 + 11 * (index % 24) + 5, 7 + 11 * (index / 24) + 5);
}

} // namespace

class PaletteTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        start();
        pal = find<PaletteView>("CPallet");
    }
    void hover(QPoint p) { QTest::mouseMove(pal, p); }
    QString colorLabel() { return find<QLabel>("Clabel")->text(); }

    PaletteView* pal = nullptr;
};

TEST_F(PaletteTest, HoverShowsNamesAsTheTableHoldsThem)
{
    hover(QPoint(8, 7));
    EXPECT_EQ(colorLabel(), QStringLiteral("white"));
    hover(QPoint(7, 7));
    EXPECT_EQ(colorLabel(), QString());
    hover(cellPoint(101));
    EXPECT_EQ(colorLabel(), QStringLiteral("cyan/aqua"));
    hover(QPoint(8 + 11 * 18, 7 + 11 * 5));
    EXPECT_EQ(colorLabel(), QStringLiteral("purple"));
    hover(QPoint(8 + 11 * 19 + 3, 7 + 11 * 5 + 3));
    EXPECT_EQ(colorLabel(), QString());
}

TEST_F(PaletteTest, EveryNameFitsTheColourLabelAndItsCaptionClearsIt)
{
    const QLabel* label = find<QLabel>("Clabel");
    for (int i = 0; i < NamedColorTable::Count; ++i) {
        hover(cellPoint(i));
        ASSERT_EQ(colorLabel(), QLatin1String(NamedColorTable::row(i).name));
        EXPECT_LE(label->sizeHint().width(), label->width()) << NamedColorTable::row(i).name.data();
        EXPECT_LE(label->sizeHint().height(), label->height());
    }
    EXPECT_LT(find<QLabel>("Label5")->geometry().right() + 1, label->x());
}

TEST_F(PaletteTest, PickLoadsTheCellAndCopiesIt)
{
    hover(cellPoint(44));
    QTest::mouseClick(pal, Qt::LeftButton, {}, cellPoint(44));
    EXPECT_EQ(form->editColor(), rgbColor(255, 0, 0));
    EXPECT_EQ(find<TIntEdit>("Rval")->Integer(), 255);
    EXPECT_TRUE(form->ColorPending);
    EXPECT_EQ(colorLabel(), QStringLiteral("red")) << "the press changes neither label nor hover";

    find<QAction>("Copy1")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("#FF0000"));
    find<QAction>("Cusename")->trigger();
    find<QAction>("ColDQ")->trigger();
    find<QAction>("Copy1")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("\"red\""));
}

TEST_F(PaletteTest, PressesThatDoNotCountChangeNothing)
{
    form->ColorPending = false;
    QTest::mousePress(pal, Qt::LeftButton, {}, cellPoint(44));
    EXPECT_EQ(form->editColor(), rgbColor(0, 128, 128)) << "no move over the palette yet";
    QTest::mouseRelease(pal, Qt::LeftButton, {}, cellPoint(44));
    hover(cellPoint(44));
    QTest::mouseClick(pal, Qt::RightButton, {}, cellPoint(44));
    QTest::mouseClick(pal, Qt::MiddleButton, {}, cellPoint(44));
    EXPECT_EQ(form->editColor(), rgbColor(0, 128, 128));
    EXPECT_FALSE(form->ColorPending);
}

TEST_F(PaletteTest, PressSentWithItsMovePicksTheCell)
{
    // Through the window, as the system delivers a move and a press in one millisecond:
    // Qt's own event path makes up the move to the press point.
    QWindow* window = form->windowHandle();
    const QPoint cells[] = {pal->mapTo(form.get(), cellPoint(44)),
                            pal->mapTo(form.get(), cellPoint(0))};
    QTest::mouseMove(window, QPoint(5, form->height() - 5));
    QTest::mouseClick(window, Qt::LeftButton, {}, cells[0]);
    EXPECT_EQ(form->editColor(), rgbColor(255, 0, 0)) << "from the margin";
    EXPECT_EQ(colorLabel(), QStringLiteral("red"));
    QTest::mouseClick(window, Qt::LeftButton, {}, cells[1]);
    EXPECT_EQ(form->editColor(), rgbColor(255, 255, 255)) << "from one cell to another";
    EXPECT_EQ(colorLabel(), QStringLiteral("white"));
}

TEST_F(PaletteTest, QuickSecondPressStartsTheEyedropper)
{
    QPushButton* dropper = find<QPushButton>("BitBtn1");
    QTest::mousePress(dropper, Qt::LeftButton);
    QTest::mouseRelease(form.get(), Qt::LeftButton);
    ASSERT_EQ(QWidget::mouseGrabber(), nullptr);
    // The second press of a quick pair arrives as a double-click.
    QTest::mouseDClick(dropper, Qt::LeftButton);
    EXPECT_EQ(QWidget::mouseGrabber(), form.get());
    QTest::mouseRelease(form.get(), Qt::LeftButton);
}

TEST_F(PaletteTest, ColourDialogStartsOnTheEditorColourAndOkAlwaysMarksPending)
{
    QToolButton* button = find<QToolButton>("ColBtn");
    platform.colorAnswers.push_back(std::nullopt);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(platform.callsOf(QStringLiteral("chooseColor")).at(0).args.at(0),
              QString::number(rgbColor(0, 128, 128)));
    EXPECT_FALSE(form->ColorPending);

    platform.colorAnswers.push_back(rgbColor(0, 128, 128));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(form->ColorPending) << "OK with the unchanged colour";

    platform.colorAnswers.push_back(rgbColor(1, 2, 3));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(form->editColor(), rgbColor(1, 2, 3));
}

TEST_F(PaletteTest, EyedropperFollowsThePointerUntilTheRelease)
{
    // The screen's red is a tenth of x; x 120 has no pixel. The pointer is the platform's.
    platform.screen = [](QPoint p) -> std::optional<ColorValue> {
        return p.x() == 120 ? std::nullopt : std::optional<ColorValue>(rgbColor(p.x() / 10, 0, 0));
    };
    const auto moveTo = [&](int x) {
        platform.pointer = QPoint(x, 100);
        QTest::mouseMove(form.get(), QPoint(x, 100));
    };
    const auto samples = [&] { return platform.callsOf(QStringLiteral("screenRegion")).size(); };
    QPushButton* dropper = find<QPushButton>("BitBtn1");

    QTest::mousePress(dropper, Qt::RightButton);
    moveTo(100);
    EXPECT_EQ(samples(), 0) << "only the left button starts a pick";
    QTest::mouseRelease(dropper, Qt::RightButton);

    QTest::mousePress(dropper, Qt::LeftButton);
    EXPECT_EQ(QWidget::mouseGrabber(), form.get());
    moveTo(100);
    EXPECT_EQ(form->editColor(), rgbColor(10, 0, 0));
    moveTo(120);
    EXPECT_EQ(form->editColor(), rgbColor(10, 0, 0)) << "a point without a pixel is skipped";
    moveTo(140);
    EXPECT_EQ(form->editColor(), rgbColor(14, 0, 0));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(140, 100));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(samples(), 3) << "the release takes no sample";

    moveTo(150);
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_EQ(samples(), 3) << "no pick in progress";
}

TEST_F(PaletteTest, PastingABodyTagThenCopyingItGivesTheTagBack)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("<body bgcolor=white text=black>"));
    find<QAction>("Paste1")->setEnabled(true);
    find<QAction>("Paste1")->trigger();
    EXPECT_TRUE(find<QRadioButton>("ColType_0")->isChecked());
    EXPECT_EQ(form->editColor(), rgbColor(255, 255, 255));
    find<QAction>("Acopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#000000\" "
                             "VLINK=\"#000000\" ALINK=\"#000000\">"));
    EXPECT_TRUE(form->undoStack().empty()) << "a paste records no undo";
}

TEST_F(PaletteTest, PastingASingleColourLoadsTheEditorOnly)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("  \"#0a0B0c\""));
    form->ColorPending = false;
    find<QAction>("Paste1")->setEnabled(true);
    find<QAction>("Paste1")->trigger();
    EXPECT_EQ(form->editColor(), rgbColor(10, 11, 12));
    EXPECT_TRUE(form->ColorPending);
    EXPECT_EQ(form->SlotColor(BGCOLOR), rgbColor(0, 128, 128));

    QGuiApplication::clipboard()->clear();
    find<QAction>("Paste1")->trigger();
    EXPECT_EQ(form->editColor(), rgbColor(10, 11, 12)) << "no text on the clipboard";
}
