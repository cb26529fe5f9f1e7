#pragma once

#include <QString>

// The texts of the main window.
namespace MainTexts {
inline const QString Caption = QStringLiteral(" Pagetint");
inline const QString UiFontFamily = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString GothicFamily = QStringLiteral("ＭＳ ゴシック");
inline const QString MinchoFamily = QStringLiteral("ＭＳ 明朝");

inline const QString SchemeListLabel = QStringLiteral("配色リスト");
inline const QString ColorLabel = QStringLiteral("Color Label");
inline const QString ColorDialogHint = QStringLiteral("ｶﾗｰﾀﾞｲｱﾛｸﾞ");
inline const QString LoupeTitle = QStringLiteral("ルーペ");
inline const QString TextSample = QStringLiteral("文字色 TEXT");
inline const QString LinkSample = QStringLiteral("リンク色 LINK");
inline const QString VlinkSample = QStringLiteral("選択済リンク色 VLINK");
inline const QString AlinkSample = QStringLiteral("クリック色 ALINK");
inline const QString InitialHex = QStringLiteral("#FFFFFF");
inline const QString TypeCaption = QStringLiteral("TYPE");
inline const QString SlotNames[] = {QStringLiteral("BGCOLOR"), QStringLiteral("TEXT"),
                                    QStringLiteral("LINK"), QStringLiteral("VLINK"),
                                    QStringLiteral("ALINK")};
inline const QString HexCheck = QStringLiteral("16進");
inline const QString Add = QStringLiteral("追加");
inline const QString Update = QStringLiteral("変更");
inline const QString Delete = QStringLiteral("削除");
inline const QString Quit = QStringLiteral("終 了");

inline const QString FileMenu = QStringLiteral("ﾌｧｲﾙ(&F)");
inline const QString OpenCss = QStringLiteral("CSS/HTMLを開く(&O)...");
inline const QString LdBack = QStringLiteral("背景画像...");
inline const QString SaveAs = QStringLiteral("ﾃﾝﾌﾟﾚｰﾄ保存");
inline const QString Exit1 = QStringLiteral("終了(&X)");
inline const QString EditMenu = QStringLiteral("編集(&E)");
inline const QString Cundo = QStringLiteral("色を戻す");
inline const QString Copy1 = QStringLiteral("単色コピー");
inline const QString Acopy = QStringLiteral("全体コピー");
inline const QString Paste1 = QStringLiteral("貼り付け");
inline const QString CopyVars = QStringLiteral("CSS変数でｺﾋﾟｰ");
inline const QString CopyAs = QStringLiteral("単色を形式でｺﾋﾟｰ(&F)");
inline const QString CopyRgb = QStringLiteral("rgb()(&R)");
inline const QString CopyHsl = QStringLiteral("hsl()(&H)");
inline const QString CopyOklch = QStringLiteral("oklch()(&O)");
inline const QString PasteCss = QStringLiteral("CSSから貼り付け");
inline const QString CancelBG = QStringLiteral("背景画像の解除");
inline const QString ShowMenu = QStringLiteral("表示(&D)");
inline const QString Hview = QStringLiteral("HTMLﾌﾟﾚﾋﾞｭｰ(&H)");
inline const QString Iview = QStringLiteral("画像ﾌﾟﾚﾋﾞｭｰ(&I)");
inline const QString OptionMenu = QStringLiteral("ｵﾌﾟｼｮﾝ(&O)");
inline const QString Cusename = QStringLiteral("ｶﾗｰ名の使用");
inline const QString ColDQ = QStringLiteral("単色コピー時\"\"付");
inline const QString UseCSS = QStringLiteral("CSS形式の使用");
inline const QString CLsort = QStringLiteral("配色名のｿｰﾄ");
inline const QString Winpos = QStringLiteral("表示位置保存");
inline const QString SetViewer = QStringLiteral("画像ﾋﾞｭｰﾜ指定");
inline const QString FontSet = QStringLiteral("フォント設定...");
inline const QString HelpMenu = QStringLiteral("ヘルプ(&H)");
inline const QString Contents1 = QStringLiteral("ヘルプ(&H)");
inline const QString About1 = QStringLiteral("ﾊﾞｰｼﾞｮﾝ(&A)");

inline const QString CloseWithoutSaving = QStringLiteral("設定を保存せずに終了しますか？");
inline const QString ScreenPickUnavailable =
    QStringLiteral("このデスクトップでは画面の色を取得できません。");
inline const QString NoCssColor = QStringLiteral("クリップボードにCSSの色が見つかりません。");
inline const QString NoCssColorInFile = QStringLiteral("ファイルにCSSの色が見つかりません。");
// %1 the href of the page's first linked style sheet.
inline const QString LinkedSheetNotRead = QStringLiteral(
    "リンクされたスタイルシート (%1) は読み込みません。そのファイルを開いてください。");
inline const QString OpenFailed = QStringLiteral("ファイルを開けませんでした。");
inline const QString UndoAllocationFailed = QStringLiteral("Undoバッファが取得できませんでした");
// What a screen reader says for the controls whose captions do not say it.
inline const QString RedName = QStringLiteral("赤 (R)");
inline const QString GreenName = QStringLiteral("緑 (G)");
inline const QString BlueName = QStringLiteral("青 (B)");
inline const QString SchemeListName = QStringLiteral("配色リスト");
inline const QString EyedropperName = QStringLiteral("スポイト");
inline const QString EyedropperDescription =
    QStringLiteral("画面の色を取ります (キーボードからは Ctrl+Shift+E)");
inline const QString PaletteName = QStringLiteral("パレット");
inline const QString PaletteDescription =
    QStringLiteral("139 の名前付きの色 (キーボードからは Ctrl+P で名前で選べます)");
inline const QString SwatchName = QStringLiteral("編集中の色");
inline const QString BackgroundName = QStringLiteral("背景色 BGCOLOR");
inline const QString SlotTypeName = QStringLiteral("色の種類 TYPE");

inline const QString ApplyColor = QStringLiteral("色を適用(&Y)");
inline const QString PickNamed = QStringLiteral("名前で色を選ぶ(&N)...");
inline const QString PickScreen = QStringLiteral("スポイト(&S)");
} // namespace MainTexts
