#include "window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>

namespace {

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

} // namespace

TEST_F(WindowTest, CssCopiesPutTheirExactTextsAndEnableBothPastes)
{
    start();
    find<QAction>("CopyVars")->trigger();
    EXPECT_EQ(clipboardText(),
              QStringLiteral(":root {\n"
                             "  --bgcolor: #008080;\n"
                             "  --text: #ffffff;\n"
                             "  --link: #0000ff;\n"
                             "  --vlink: #00ffff;\n"
                             "  --alink: #ff00ff;\n"
                             "}\n"
                             "body { background: var(--bgcolor); color: var(--text); }\n"
                             "A         { color: var(--link); }\n"
                             "A:link    { color: var(--link); }\n"
                             "A:visited { color: var(--vlink); }\n"
                             "A:active  { color: var(--alink); }\n"));
    EXPECT_TRUE(find<QAction>("Paste1")->isEnabled());
    EXPECT_TRUE(find<QAction>("PasteCss")->isEnabled());
    find<QAction>("Cusename")->trigger();
    find<QAction>("CopyVars")->trigger();
    EXPECT_TRUE(clipboardText().startsWith(QStringLiteral(":root {\n  --bgcolor: teal;\n")));

    form->SetEditColor(rgbColor(0x1E, 0x90, 0xFF)); // unapplied: the editor colour counts
    find<QAction>("ColDQ")->trigger();
    const std::pair<const char*, const char*> forms[] = {
        {"CopyRgb", "rgb(30 144 255)"},
        {"CopyHsl", "hsl(209.6 100% 55.88%)"},
        {"CopyOklch", "oklch(65.2% 0.19012 253.21)"}};
    for (const auto& [name, text] : forms) {
        find<QAction>(name)->trigger();
        EXPECT_EQ(clipboardText(), QLatin1String(text)) << name;
    }
    EXPECT_EQ(form->SlotColor(BGCOLOR), rgbColor(0, 128, 128));
}

TEST_F(WindowTest, PasteCssReadsAColourAStyleSheetOrSaysThereIsNone)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("oklch(70% 0.1 200)"));
    start();
    QAction* pasteCss = find<QAction>("PasteCss");
    form->ColorPending = false;
    pasteCss->trigger();
    EXPECT_EQ(find<QLabel>("ColHex")->text(), QStringLiteral("#40B1B7"));
    EXPECT_TRUE(form->ColorPending);
    EXPECT_EQ(form->SlotColor(BGCOLOR), rgbColor(0, 128, 128));

    // The whole copy in CSS form brings its colours back after others were chosen.
    find<QAction>("UseCSS")->trigger();
    find<QAction>("Acopy")->trigger();
    const BodyColorSet copied = form->bodyColors();
    form->SetBodyColors({1, 2, 3, 4, 5});
    find<QRadioButton>("ColType_3")->click();
    pasteCss->trigger();
    EXPECT_EQ(form->bodyColors(), copied);
    EXPECT_TRUE(find<QRadioButton>("ColType_0")->isChecked());
    EXPECT_EQ(form->editColor(), copied[BGCOLOR]);
    EXPECT_TRUE(form->undoStack().empty());

    // Slots the sheet does not name keep their colours.
    QGuiApplication::clipboard()->setText(QStringLiteral("a:visited { color: red }"));
    pasteCss->trigger();
    EXPECT_EQ(form->bodyColors(),
              (BodyColorSet{copied[0], copied[1], copied[2], rgbColor(255, 0, 0), copied[4]}));

    QGuiApplication::clipboard()->setText(QStringLiteral("body { color: transparent }"));
    const ColorValue edited = form->editColor();
    pasteCss->trigger();
    EXPECT_EQ(platform.callsOf(QStringLiteral("messageBox")).size(), 1);
    EXPECT_EQ(platform.callsOf(QStringLiteral("messageBox")).value(0).args,
              QStringList({QStringLiteral("Pagetint"),
                           QStringLiteral("クリップボードにCSSの色が見つかりません。"),
                           QStringLiteral("Ok"), QStringLiteral("Exclamation")}));
    EXPECT_EQ(form->editColor(), edited);
    EXPECT_EQ(form->SlotColor(VLINK), rgbColor(255, 0, 0));
}
