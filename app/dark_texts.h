#pragma once

#include <QString>

// The texts of the dark scheme's commands.
namespace DarkTexts {
inline const QString DarkScheme = QStringLiteral("ダーク配色(&N)");
inline const QString DarkDelete = QStringLiteral("ダーク配色を削除");
inline const QString TitleDark = QStringLiteral("ダーク");
inline const QString ConfirmDelete = QStringLiteral("ダーク配色を削除しますか？");
inline const QString NoDarkAtLevel =
    QStringLiteral("AAA ですべての組み合わせを満たすダーク配色はありません。AA で作成しました。");
} // namespace DarkTexts
