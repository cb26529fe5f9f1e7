#pragma once

#include <QCoreApplication>
#include <QString>

// The texts of the main window. The functions are the interface's words, looked up in the
// installed translation each time they are used (Japanese is the source language); the
// constants are names that stay as they are in every language: the program's name, font
// families, HTML attribute names and CSS function names.
namespace MainTexts {
inline const QString Caption = QStringLiteral(" Pagetint");
inline const QString UiFontFamily = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString GothicFamily = QStringLiteral("ＭＳ ゴシック");
inline const QString MinchoFamily = QStringLiteral("ＭＳ 明朝");

inline QString SchemeListLabel()
{
    return QCoreApplication::translate("MainTexts", "配色リスト");
}
inline QString ColorLabel()
{
    return QCoreApplication::translate("MainTexts", "Color Label");
}
inline QString ColorDialogHint()
{
    return QCoreApplication::translate("MainTexts", "ｶﾗｰﾀﾞｲｱﾛｸﾞ");
}
inline QString LoupeTitle()
{
    return QCoreApplication::translate("MainTexts", "ルーペ");
}
inline QString TextSample()
{
    return QCoreApplication::translate("MainTexts", "文字色 TEXT");
}
inline QString LinkSample()
{
    return QCoreApplication::translate("MainTexts", "リンク色 LINK");
}
inline QString VlinkSample()
{
    return QCoreApplication::translate("MainTexts", "選択済リンク色 VLINK");
}
inline QString AlinkSample()
{
    return QCoreApplication::translate("MainTexts", "クリック色 ALINK");
}
inline const QString InitialHex = QStringLiteral("#FFFFFF");
inline const QString TypeCaption = QStringLiteral("TYPE");
inline const QString SlotNames[] = {QStringLiteral("BGCOLOR"), QStringLiteral("TEXT"),
                                    QStringLiteral("LINK"), QStringLiteral("VLINK"),
                                    QStringLiteral("ALINK")};
inline QString HexCheck()
{
    return QCoreApplication::translate("MainTexts", "16進");
}
inline QString Add()
{
    return QCoreApplication::translate("MainTexts", "追加");
}
inline QString Update()
{
    return QCoreApplication::translate("MainTexts", "変更");
}
inline QString Delete()
{
    return QCoreApplication::translate("MainTexts", "削除");
}
inline QString Quit()
{
    return QCoreApplication::translate("MainTexts", "終 了");
}

inline QString FileMenu()
{
    return QCoreApplication::translate("MainTexts", "ﾌｧｲﾙ(&F)");
}
inline QString OpenCss()
{
    return QCoreApplication::translate("MainTexts", "CSS/HTMLを開く(&O)...");
}
inline QString LdBack()
{
    return QCoreApplication::translate("MainTexts", "背景画像...");
}
inline QString SaveAs()
{
    return QCoreApplication::translate("MainTexts", "ﾃﾝﾌﾟﾚｰﾄ保存");
}
inline QString Exit1()
{
    return QCoreApplication::translate("MainTexts", "終了(&X)");
}
inline QString EditMenu()
{
    return QCoreApplication::translate("MainTexts", "編集(&E)");
}
inline QString Cundo()
{
    return QCoreApplication::translate("MainTexts", "色を戻す");
}
inline QString Copy1()
{
    return QCoreApplication::translate("MainTexts", "単色コピー");
}
inline QString Acopy()
{
    return QCoreApplication::translate("MainTexts", "全体コピー");
}
inline QString Paste1()
{
    return QCoreApplication::translate("MainTexts", "貼り付け");
}
inline QString CopyVars()
{
    return QCoreApplication::translate("MainTexts", "CSS変数でｺﾋﾟｰ");
}
inline QString CopyAs()
{
    return QCoreApplication::translate("MainTexts", "単色を形式でｺﾋﾟｰ(&F)");
}
inline const QString CopyRgb = QStringLiteral("rgb()(&R)");
inline const QString CopyHsl = QStringLiteral("hsl()(&H)");
inline const QString CopyOklch = QStringLiteral("oklch()(&O)");
inline QString PasteCss()
{
    return QCoreApplication::translate("MainTexts", "CSSから貼り付け");
}
inline QString CancelBG()
{
    return QCoreApplication::translate("MainTexts", "背景画像の解除");
}
inline QString ShowMenu()
{
    return QCoreApplication::translate("MainTexts", "表示(&D)");
}
inline QString Hview()
{
    return QCoreApplication::translate("MainTexts", "HTMLﾌﾟﾚﾋﾞｭｰ(&H)");
}
inline QString Iview()
{
    return QCoreApplication::translate("MainTexts", "画像ﾌﾟﾚﾋﾞｭｰ(&I)");
}
inline QString OptionMenu()
{
    return QCoreApplication::translate("MainTexts", "ｵﾌﾟｼｮﾝ(&O)");
}
inline QString Cusename()
{
    return QCoreApplication::translate("MainTexts", "ｶﾗｰ名の使用");
}
inline QString ColDQ()
{
    return QCoreApplication::translate("MainTexts", "単色コピー時\"\"付");
}
inline QString UseCSS()
{
    return QCoreApplication::translate("MainTexts", "CSS形式の使用");
}
inline QString CLsort()
{
    return QCoreApplication::translate("MainTexts", "配色名のｿｰﾄ");
}
inline QString Winpos()
{
    return QCoreApplication::translate("MainTexts", "表示位置保存");
}
inline QString SetViewer()
{
    return QCoreApplication::translate("MainTexts", "画像ﾋﾞｭｰﾜ指定");
}
inline QString FontSet()
{
    return QCoreApplication::translate("MainTexts", "フォント設定...");
}
// The menu and its first item share a caption in Japanese, not in every language.
inline QString HelpMenu()
{
    return QCoreApplication::translate("MainTexts", "ヘルプ(&H)", "menu");
}
inline QString Contents1()
{
    return QCoreApplication::translate("MainTexts", "ヘルプ(&H)", "item");
}
inline QString About1()
{
    return QCoreApplication::translate("MainTexts", "ﾊﾞｰｼﾞｮﾝ(&A)");
}

// In Japanese the language menu also names itself and English in English, so that whoever
// cannot read Japanese still finds their way out; in English every word is English, for a
// screen reader's English voice reads no kanji.
inline QString LanguageMenu()
{
    return QCoreApplication::translate("MainTexts", "言語 / Language");
}
inline QString LanguageAutomatic()
{
    return QCoreApplication::translate("MainTexts", "自動");
}
inline QString LanguageJapanese()
{
    return QCoreApplication::translate("MainTexts", "日本語");
}
inline const QString LanguageEnglish = QStringLiteral("English");
inline QString LanguageAtNextStart()
{
    return QCoreApplication::translate("MainTexts", "表示言語は次回の起動から切り替わります。");
}

inline QString CloseWithoutSaving()
{
    return QCoreApplication::translate("MainTexts", "設定を保存せずに終了しますか？");
}
inline QString ScreenPickUnavailable()
{
    return QCoreApplication::translate("MainTexts",
                                       "このデスクトップでは画面の色を取得できません。");
}
inline QString NoCssColor()
{
    return QCoreApplication::translate("MainTexts", "クリップボードにCSSの色が見つかりません。");
}
inline QString NoCssColorInFile()
{
    return QCoreApplication::translate("MainTexts", "ファイルにCSSの色が見つかりません。");
}
// %1 the href of the page's first linked style sheet.
inline QString LinkedSheetNotRead()
{
    return QCoreApplication::translate(
        "MainTexts",
        "リンクされたスタイルシート (%1) は読み込みません。そのファイルを開いてください。");
}
inline QString OpenFailed()
{
    return QCoreApplication::translate("MainTexts", "ファイルを開けませんでした。");
}
inline QString UndoAllocationFailed()
{
    return QCoreApplication::translate("MainTexts", "Undoバッファが取得できませんでした");
}
// What a screen reader says for the controls whose captions do not say it.
inline QString RedName()
{
    return QCoreApplication::translate("MainTexts", "赤 (R)");
}
inline QString GreenName()
{
    return QCoreApplication::translate("MainTexts", "緑 (G)");
}
inline QString BlueName()
{
    return QCoreApplication::translate("MainTexts", "青 (B)");
}
inline QString SchemeListName()
{
    return QCoreApplication::translate("MainTexts", "配色リスト");
}
inline QString EyedropperName()
{
    return QCoreApplication::translate("MainTexts", "スポイト");
}
inline QString EyedropperDescription()
{
    return QCoreApplication::translate("MainTexts",
                                       "画面の色を取ります (キーボードからは Ctrl+Shift+E)");
}
inline QString PaletteName()
{
    return QCoreApplication::translate("MainTexts", "パレット");
}
inline QString PaletteDescription()
{
    return QCoreApplication::translate(
        "MainTexts", "139 の名前付きの色 (キーボードからは Ctrl+P で名前で選べます)");
}
inline QString SwatchName()
{
    return QCoreApplication::translate("MainTexts", "編集中の色");
}
inline QString BackgroundName()
{
    return QCoreApplication::translate("MainTexts", "背景色 BGCOLOR");
}
inline QString SlotTypeName()
{
    return QCoreApplication::translate("MainTexts", "色の種類 TYPE");
}

inline QString ApplyColor()
{
    return QCoreApplication::translate("MainTexts", "色を適用(&Y)");
}
inline QString PickNamed()
{
    return QCoreApplication::translate("MainTexts", "名前で色を選ぶ(&N)...");
}
inline QString PickScreen()
{
    return QCoreApplication::translate("MainTexts", "スポイト(&S)");
}
} // namespace MainTexts
