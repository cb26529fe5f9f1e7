#include "window_fixture.h"

#include "click_panel.h"
#include "int_edit.h"
#include "palette_view.h"
#include "up_down.h"
#include "url_label.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

namespace {

struct ControlRow {
    const char* name;
    const char* kind; // the Qt or program class
    QRect bounds;     // width or height -1: sized to its text
};

const ControlRow kControls[] = {
    {"Bevel1", "QFrame", {3, 232, 309, 47}},        {"Bevel3", "QFrame", {426, 244, 167, 45}},
    {"Label1", "QLabel", {15, 237, -1, -1}},        {"Label2", "QLabel", {356, 122, -1, -1}},
    {"Label3", "QLabel", {356, 156, -1, -1}},       {"Label4", "QLabel", {356, 192, -1, -1}},
    {"CPallet", "PaletteView", {308, 2, 282, 94}},  {"Label5", "QLabel", {393, 80, -1, -1}},
    {"Clabel", "QLabel", {455, 78, 127, 17}},       {"ColBtn", "QToolButton", {370, 217, 20, 20}},
    {"BitBtn1", "QPushButton", {396, 217, 20, 20}}, {"BGpanel", "ClickPanel", {5, 8, 242, 214}},
    {"TextLabel", "TURLLabel", {80, 29, -1, -1}},   {"LinkLabel", "TURLLabel", {78, 72, -1, -1}},
    {"VlinkLabel", "TURLLabel", {51, 116, -1, -1}}, {"AlinkLabel", "TURLLabel", {68, 162, -1, -1}},
    {"ColBox", "ClickPanel", {252, 8, 55, 52}},     {"ColHex", "QLabel", {252, 63, 55, 16}},
    {"ColType", "QGroupBox", {254, 92, 90, 130}},   {"HexChk", "QCheckBox", {368, 98, 53, 17}},
    {"Rval", "TIntEdit", {369, 119, 36, 23}},       {"Gval", "TIntEdit", {369, 153, 36, 23}},
    {"Bval", "TIntEdit", {369, 188, 36, 23}},       {"Rupdwn", "TUpDown", {405, 119, 16, 23}},
    {"Gupdwn", "TUpDown", {405, 153, 16, 23}},      {"Bupdwn", "TUpDown", {405, 188, 16, 23}},
    {"Rbar", "QSlider", {420, 116, 160, 28}},       {"Gbar", "QSlider", {420, 150, 160, 28}},
    {"Bbar", "QSlider", {420, 186, 160, 28}},       {"SetList", "QComboBox", {10, 251, 172, -1}},
    {"AddBtn", "QPushButton", {190, 252, 34, 19}},  {"UpdBtn", "QPushButton", {229, 252, 34, 19}},
    {"DelBtn", "QPushButton", {269, 252, 34, 19}},  {"EndBtn", "QPushButton", {483, 257, 58, 23}},
};

struct MenuRow {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    bool checkable;
    bool enabled;
};

const MenuRow kMenu[] = {
    {"OpenCss", "CSS/HTMLを開く(&O)...", QKeySequence(Qt::CTRL | Qt::Key_O), false, true},
    {"LdBack", "背景画像...", {}, false, true},
    {"SaveAs", "ﾃﾝﾌﾟﾚｰﾄ保存", QKeySequence(Qt::CTRL | Qt::Key_S), false, true},
    {"Exit1", "終了(&X)", QKeySequence(Qt::CTRL | Qt::Key_Q), false, true},
    {"Cundo", "色を戻す", QKeySequence(Qt::CTRL | Qt::Key_Z), false, false},
    {"Copy1", "単色コピー", QKeySequence(Qt::CTRL | Qt::Key_C), false, true},
    {"Acopy", "全体コピー", QKeySequence(Qt::CTRL | Qt::Key_A), false, true},
    {"Paste1", "貼り付け", QKeySequence(Qt::CTRL | Qt::Key_V), false, false},
    {"CopyVars", "CSS変数でｺﾋﾟｰ", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), false, true},
    {"CopyAs", "単色を形式でｺﾋﾟｰ(&F)", {}, false, true},
    {"CopyRgb", "rgb()(&R)", {}, false, true},
    {"CopyHsl", "hsl()(&H)", {}, false, true},
    {"CopyOklch", "oklch()(&O)", {}, false, true},
    {"PasteCss", "CSSから貼り付け", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), false, false},
    {"CancelBG", "背景画像の解除", {}, false, false},
    {"ApplyColor", "色を適用(&Y)", QKeySequence(Qt::CTRL | Qt::Key_Return), false, true},
    {"PickNamed", "名前で色を選ぶ(&N)...", QKeySequence(Qt::CTRL | Qt::Key_P), false, true},
    {"PickScreen", "スポイト(&S)", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), false, true},
    {"Hview", "HTMLﾌﾟﾚﾋﾞｭｰ(&H)", {}, false, true},
    {"Iview", "画像ﾌﾟﾚﾋﾞｭｰ(&I)", {}, false, false},
    {"Cusename", "ｶﾗｰ名の使用", {}, true, true},
    {"ColDQ", "単色コピー時\"\"付", {}, true, true},
    {"UseCSS", "CSS形式の使用", {}, true, true},
    {"CLsort", "配色名のｿｰﾄ", {}, true, true},
    {"Winpos", "表示位置保存", {}, true, true},
    {"SetViewer", "画像ﾋﾞｭｰﾜ指定", {}, false, true},
    {"FontSet", "フォント設定...", {}, false, true},
    // The test's executable folder holds no help, so the item starts disabled.
    {"Contents1", "ヘルプ(&H)", {}, false, false},
    {"About1", "ﾊﾞｰｼﾞｮﾝ(&A)", {}, false, true},
};

} // namespace

TEST_F(WindowTest, EveryControlStandsWhereTheLayoutPutsIt)
{
    start();
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        QWidget* widget = form->findChild<QWidget*>(QLatin1String(row.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->inherits(row.kind)) << widget->metaObject()->className();
        EXPECT_EQ(widget->x(), row.bounds.x());
        EXPECT_EQ(widget->y(), row.bounds.y());
        if (row.bounds.width() >= 0) {
            EXPECT_EQ(widget->width(), row.bounds.width());
        }
        if (row.bounds.height() >= 0) {
            EXPECT_EQ(widget->height(), row.bounds.height());
        }
    }
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Pagetint"));
    EXPECT_EQ(form->centralWidget()->size(), QSize(589, 286));
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the window has a fixed size";
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(WindowTest, ControlsCarryTheirTextsAndStartValues)
{
    start();
    EXPECT_EQ(find<QLabel>("ColHex")->text(), QStringLiteral("#008080"));
    EXPECT_EQ(find<QGroupBox>("ColType")->title(), QStringLiteral("TYPE"));
    EXPECT_EQ(find<QCheckBox>("HexChk")->text(), QStringLiteral("16進"));
    EXPECT_EQ(find<QPushButton>("EndBtn")->text(), QStringLiteral("終 了"));
    EXPECT_EQ(find<QToolButton>("ColBtn")->toolTip(), QStringLiteral("ｶﾗｰﾀﾞｲｱﾛｸﾞ"));
    EXPECT_EQ(find<QToolButton>("ColBtn")->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(find<TURLLabel>("TextLabel")->text(), QStringLiteral("文字色 TEXT"));
    EXPECT_FALSE(find<TURLLabel>("TextLabel")->font().underline());
    EXPECT_TRUE(find<TURLLabel>("VlinkLabel")->font().underline());
    EXPECT_EQ(find<TURLLabel>("AlinkLabel")->font().pixelSize(), 15);
    EXPECT_EQ(find<TIntEdit>("Rval")->font().family(), QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(find<TIntEdit>("Rval")->text(), QStringLiteral("0"));
    EXPECT_EQ(find<QSlider>("Rbar")->pageStep(), 16);
    EXPECT_EQ(find<QSlider>("Rbar")->tickInterval(), 16);
    EXPECT_EQ(find<QSlider>("Rbar")->maximum(), 255);
    EXPECT_EQ(find<TUpDown>("Gupdwn")->Max(), 255);
    for (const char* name : {"TextLabel", "LinkLabel", "VlinkLabel", "AlinkLabel"}) {
        EXPECT_FALSE(find<TURLLabel>(name)->HotTrack()) << name;
        EXPECT_FALSE(find<TURLLabel>(name)->Executable()) << name;
    }
}

TEST_F(WindowTest, EveryMenuItemHasItsCaptionShortcutAndStartState)
{
    start();
    for (const MenuRow& row : kMenu) {
        SCOPED_TRACE(row.name);
        QAction* action = find<QAction>(row.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(action->shortcut(), row.shortcut);
        EXPECT_EQ(action->isCheckable(), row.checkable);
        EXPECT_FALSE(action->isChecked());
        EXPECT_EQ(action->isEnabled(), row.enabled);
    }
    QStringList titles;
    for (QAction* menu : form->menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, QStringList({QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("編集(&E)"),
                                   QStringLiteral("表示(&D)"), QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"),
                                   QStringLiteral("ヘルプ(&H)")}));
    // The keyboard's items follow the layout's own, which keep their places.
    QStringList edit;
    for (QAction* item : find<QMenu>("Edit1")->actions())
        edit << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
    EXPECT_EQ(edit.join(' '), "Cundo Copy1 Acopy Paste1 - CopyVars CopyAs PasteCss - CancelBG - "
                              "ApplyColor PickNamed PickScreen");
}

TEST_F(WindowTest, TabOrderFollowsTheLayout)
{
    start();
    // The controls of the layout's order that can take the focus; the TYPE group by its items.
    const char* order[] = {
        "SetList",   "Rbar",      "Gbar",   "EndBtn", "ColType_0", "ColType_1", "ColType_2",
        "ColType_3", "ColType_4", "Bbar",   "Rval",   "Gval",      "Bval",      "Rupdwn",
        "Gupdwn",    "Bupdwn",    "HexChk", "DelBtn", "AddBtn",    "UpdBtn",    "BitBtn1"};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        SCOPED_TRACE(order[i]);
        QWidget* next = find<QWidget>(order[i])->nextInFocusChain();
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(next->objectName(), QLatin1String(order[i + 1]));
    }
    for (const char* name : {"BGpanel", "ColBox", "Clabel", "ColBtn"})
        EXPECT_EQ(find<QWidget>(name)->focusPolicy(), Qt::NoFocus) << name;
}

TEST_F(WindowTest, StartWithoutClipboardTextLeavesPasteDisabledUntilACopy)
{
    start();
    QAction* paste = find<QAction>("Paste1");
    EXPECT_FALSE(paste->isEnabled());
    find<QAction>("Copy1")->trigger();
    EXPECT_TRUE(paste->isEnabled());
    QGuiApplication::clipboard()->clear();
    EXPECT_TRUE(paste->isEnabled()) << "once enabled it stays enabled";
    EXPECT_TRUE(find<QAction>("PasteCss")->isEnabled()) << "it follows Paste1";
}

TEST_F(WindowTest, StartWithClipboardTextEnablesPaste)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("#123456"));
    start();
    EXPECT_TRUE(find<QAction>("Paste1")->isEnabled());
    EXPECT_TRUE(find<QAction>("PasteCss")->isEnabled());
}
