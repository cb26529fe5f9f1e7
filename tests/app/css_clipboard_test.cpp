#include "window_fixture.h"

#include "text_codec.h"

#include <QAction>
#include <QLabel>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalSpy>

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
    const QSignalSpy changes(form.get(), &TForm1::bodyColorsChanged);
    pasteCss->trigger();
    EXPECT_EQ(changes.count(), 1) << "one change for the five colours";
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

TEST_F(WindowTest, OpenCssReadsAFileOrADropAsPasteCssReadsTheClipboard)
{
    start();
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(QDir(folder()).filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    // UTF-8, and CP932 as the program's own templates are written.
    const QString utf8 =
        write("a.css", "/* \xE8\x83\x8C\xE6\x99\xAF */ body { background: #123456 }");
    const QString cp932 =
        write("b.html",
              *encodeCp932(QStringLiteral("<!-- 背景 --><style>a:visited{color:#654321}</style>")));
    const QString missing = QDir(folder()).filePath(QStringLiteral("missing.css"));
    platform.openAnswers = {utf8, std::nullopt, missing};
    QAction* open = find<QAction>("OpenCss");
    open->trigger();
    EXPECT_EQ(form->SlotColor(BGCOLOR), rgbColor(0x12, 0x34, 0x56));
    EXPECT_EQ(platform.callsOf(QStringLiteral("openFileName")).value(0).args.value(1),
              QStringLiteral("CSS/HTML|*.css;*.html;*.htm|全てのファイル|*.*"));
    const BodyColorSet before = form->bodyColors();
    open->trigger(); // cancelled
    open->trigger();
    EXPECT_EQ(form->bodyColors(), before);
    ASSERT_EQ(messageTexts().size(), 1);
    EXPECT_TRUE(messageTexts().value(0).startsWith(
        QStringLiteral("ファイルを開けませんでした。\n") + missing + u'\n'));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(cp932)});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // NOTE: QApplication delivers a drop only during a drag of its own; the window's handler
    // is what this checks.
    static_cast<QObject*>(form.get())->event(&drop);
    EXPECT_EQ(form->SlotColor(VLINK), rgbColor(0x65, 0x43, 0x21));
    EXPECT_EQ(form->SlotColor(BGCOLOR), rgbColor(0x12, 0x34, 0x56));
}

TEST_F(WindowTest, PasteCssOfASheetWithADarkSchemeSetsBothSetsAndWithoutOneTheShownSet)
{
    QGuiApplication::clipboard()->setText(
        QStringLiteral("body { background: #fff; color: #111 }\n"
                       "@media (prefers-color-scheme: dark) { body { background: #222; "
                       "color: #eee } }"));
    start(); // the pastes are enabled while the clipboard has text
    const BodyColorSet start = form->bodyColors();
    find<QAction>("PasteCss")->trigger();
    const ColorSets& sets = form->colorSets();
    EXPECT_EQ(sets.light(), (BodyColorSet{rgbColor(255, 255, 255), rgbColor(0x11, 0x11, 0x11),
                                          start[LINK], start[VLINK], start[ALINK]}));
    ASSERT_TRUE(sets.hasDark());
    EXPECT_EQ((*sets.dark())[BGCOLOR], rgbColor(0x22, 0x22, 0x22));
    EXPECT_EQ((*sets.dark())[TEXT], rgbColor(0xEE, 0xEE, 0xEE));
    EXPECT_FALSE(sets.darkShown());

    // Without a dark scheme only the shown set changes, here the dark one.
    const BodyColorSet light = sets.light();
    find<QAction>("DarkScheme")->trigger();
    QGuiApplication::clipboard()->setText(QStringLiteral("a:visited { color: #123456 }"));
    find<QAction>("PasteCss")->trigger();
    EXPECT_EQ((*sets.dark())[VLINK], rgbColor(0x12, 0x34, 0x56));
    EXPECT_EQ(sets.light(), light);

    // A page whose colours live in a linked sheet says which one.
    QGuiApplication::clipboard()->setText(
        QStringLiteral("<html lang=en><head><link rel=stylesheet href=\"site.css\"></head>"));
    find<QAction>("PasteCss")->trigger();
    EXPECT_EQ(messageTexts().value(0),
              QStringLiteral("クリップボードにCSSの色が見つかりません。\n"
                             "リンクされたスタイルシート (site.css) は読み込みません。"
                             "そのファイルを開いてください。"));
}
