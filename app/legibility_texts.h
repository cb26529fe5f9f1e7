#pragma once

#include <QString>

// The texts of the legibility window and of its menu items in the main window.
namespace LegibilityTexts {
inline const QString Caption = QStringLiteral("見やすさﾁｪｯｸ");
inline const QString Copy = QStringLiteral("コピー");

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
} // namespace LegibilityTexts
