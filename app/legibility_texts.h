#pragma once

#include <QString>

// The texts of the legibility window and of its menu items in the main window.
namespace LegibilityTexts {
inline const QString Caption = QStringLiteral("見やすさﾁｪｯｸ");
inline const QString Copy = QStringLiteral("コピー");
inline const QString FixAA = QStringLiteral("AA(&A)");
inline const QString FixAAA = QStringLiteral("AAA(&E)");
inline const QString FixAll = QStringLiteral("すべて修正(&F)");
inline const QString SuggestionTip = QStringLiteral(
    "いちばん近い合格の色です。クリックすると編集中の色になります(色見本のクリックで適用)。");
inline const QString NoSuggestion = QStringLiteral("なし");
inline const QString NoSuggestionTip =
    QStringLiteral("相手の色がこのままでは、どの色にしても合格しません。");
// %1 is the level, "AA" or "AAA".
inline const QString FixAllImpossible = QStringLiteral(
    "この背景色では、7 つの組み合わせをすべて %1 に届かせる文字色とリンク色がありません。"
    "背景色 (BGCOLOR) を変えてください。");
// %1 the new background's #RRGGBB, %2 the level.
inline const QString FixAllNewBackground =
    QStringLiteral("この背景色では、7 つの組み合わせをすべて %2 に届かせる文字色とリンク色が"
                   "ありません。背景色を %1 に変えて、文字色とリンク色も合わせますか？");

inline const QString Legibility = QStringLiteral("見やすさﾁｪｯｸ(&K)");
inline const QString ColorVisionMenu = QStringLiteral("色覚ｼﾐｭﾚｰｼｮﾝ(&V)");
// The radio items, in ColorVision order.
inline const QString ColorVisionItems[] = {
    QStringLiteral("なし(&N)"), QStringLiteral("1型 (P)(&P)"), QStringLiteral("2型 (D)(&D)"),
    QStringLiteral("3型 (T)(&T)"), QStringLiteral("1色覚(&A)")};
// After the main window's caption and " - " while a simulation is on, in ColorVision order.
inline const QString ColorVisionTitles[] = {
    QString(), QStringLiteral("1型色覚シミュレーション"), QStringLiteral("2型色覚シミュレーション"),
    QStringLiteral("3型色覚シミュレーション"), QStringLiteral("1色覚シミュレーション")};
inline const QString TitleSeparator = QStringLiteral(" - ");
// What a screen reader says for a row: %1 the pair, %2 and %3 its colours, %4 the contrast
// ratio, %5 the verdict.
inline const QString RowAccessible = QStringLiteral("%1 (%2 / %3) コントラスト比 %4 %5");
// A suggestion button: %1 the slot it is for, %2 the colour it loads into the editor.
inline const QString SuggestionAccessible = QStringLiteral("%1 の候補 %2 を編集中の色にする");
} // namespace LegibilityTexts
