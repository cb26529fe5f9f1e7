#pragma once

#include "legibility.h"

#include <QCoreApplication>
#include <QString>

#include <string_view>

// The texts of the legibility window and of its menu items in the main window, looked up
// in the installed translation at each use.
namespace LegibilityTexts {
inline QString Caption()
{
    return QCoreApplication::translate("LegibilityTexts", "見やすさﾁｪｯｸ");
}
inline QString Copy()
{
    return QCoreApplication::translate("LegibilityTexts", "コピー");
}
inline QString FixAA()
{
    return QCoreApplication::translate("LegibilityTexts", "AA(&A)");
}
inline QString FixAAA()
{
    return QCoreApplication::translate("LegibilityTexts", "AAA(&E)");
}
inline QString FixAll()
{
    return QCoreApplication::translate("LegibilityTexts", "すべて修正(&F)");
}
inline QString SuggestionTip()
{
    return QCoreApplication::translate(
        "LegibilityTexts",
        "いちばん近い合格の色です。クリックすると編集中の色になります(色見本のクリックで適用)。");
}
inline QString NoSuggestion()
{
    return QCoreApplication::translate("LegibilityTexts", "なし");
}
inline QString NoSuggestionTip()
{
    return QCoreApplication::translate("LegibilityTexts",
                                       "相手の色がこのままでは、どの色にしても合格しません。");
}
// %1 is the level, "AA" or "AAA".
inline QString FixAllImpossible()
{
    return QCoreApplication::translate(
        "LegibilityTexts",
        "この背景色では、7 つの組み合わせをすべて %1 に届かせる文字色とリンク色がありません。"
        "背景色 (BGCOLOR) を変えてください。");
}
// %1 the new background's #RRGGBB, %2 the level.
inline QString FixAllNewBackground()
{
    return QCoreApplication::translate(
        "LegibilityTexts",
        "この背景色では、7 つの組み合わせをすべて %2 に届かせる文字色とリンク色が"
        "ありません。背景色を %1 に変えて、文字色とリンク色も合わせますか？");
}

// The verdict as the window shows it; the copied table keeps the untranslated one.
inline QString VerdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::AALarge:
        return QCoreApplication::translate("LegibilityTexts", "AA大");
    case Verdict::Distinct:
        return QCoreApplication::translate("LegibilityTexts", "○");
    case Verdict::Fails:
        return QCoreApplication::translate("LegibilityTexts", "×");
    case Verdict::AAA:
    case Verdict::AA:
        break;
    }
    const std::string_view text = verdictText(verdict);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString Legibility()
{
    return QCoreApplication::translate("LegibilityTexts", "見やすさﾁｪｯｸ(&K)");
}
inline QString ColorVisionMenu()
{
    return QCoreApplication::translate("LegibilityTexts", "色覚ｼﾐｭﾚｰｼｮﾝ(&V)");
}
// The radio items, in ColorVision order.
inline QString ColorVisionItems(int kind)
{
    static const char* const items[] = {
        QT_TRANSLATE_NOOP("LegibilityTexts", "なし(&N)"),
        QT_TRANSLATE_NOOP("LegibilityTexts", "1型 (P)(&P)"),
        QT_TRANSLATE_NOOP("LegibilityTexts", "2型 (D)(&D)"),
        QT_TRANSLATE_NOOP("LegibilityTexts", "3型 (T)(&T)"),
        QT_TRANSLATE_NOOP("LegibilityTexts", "1色覚(&A)"),
    };
    return QCoreApplication::translate("LegibilityTexts", items[kind]);
}
// After the main window's caption and " - " while a simulation is on, in ColorVision order.
inline QString ColorVisionTitles(int kind)
{
    static const char* const titles[] = {
        nullptr,
        QT_TRANSLATE_NOOP("LegibilityTexts", "1型色覚シミュレーション"),
        QT_TRANSLATE_NOOP("LegibilityTexts", "2型色覚シミュレーション"),
        QT_TRANSLATE_NOOP("LegibilityTexts", "3型色覚シミュレーション"),
        QT_TRANSLATE_NOOP("LegibilityTexts", "1色覚シミュレーション"),
    };
    return titles[kind] ? QCoreApplication::translate("LegibilityTexts", titles[kind]) : QString();
}
inline const QString TitleSeparator = QStringLiteral(" - ");
// What a screen reader says for a row: %1 the pair, %2 and %3 its colours, %4 the contrast
// ratio, %5 the verdict.
inline QString RowAccessible()
{
    return QCoreApplication::translate("LegibilityTexts", "%1 (%2 / %3) コントラスト比 %4 %5");
}
// A suggestion button: %1 the slot it is for, %2 the colour it loads into the editor.
inline QString SuggestionAccessible()
{
    return QCoreApplication::translate("LegibilityTexts", "%1 の候補 %2 を編集中の色にする");
}
} // namespace LegibilityTexts
