#pragma once

#include <QString>

// The messages of the scheme list.
namespace SchemeTexts {
inline const QString ConfirmDelete =
    QStringLiteral("この配色をリストから削除します。\nよろしいですか？");
inline const QString ConfirmReplace =
    QStringLiteral("配色の内容を置き換えます。\nよろしいですか？");
inline const QString NameInUse = QStringLiteral("この配色名はすでに使われています。");
inline const QString NameUnusable = QStringLiteral("この配色名は使用できません。");
} // namespace SchemeTexts
