#pragma once

#include <QCoreApplication>
#include <QString>

// The texts of the dark scheme's commands.
namespace DarkTexts {
inline QString DarkScheme()
{
    return QCoreApplication::translate("DarkTexts", "ダーク配色(&N)");
}
inline QString DarkDelete()
{
    return QCoreApplication::translate("DarkTexts", "ダーク配色を削除");
}
inline QString TitleDark()
{
    return QCoreApplication::translate("DarkTexts", "ダーク");
}
inline QString ConfirmDelete()
{
    return QCoreApplication::translate("DarkTexts", "ダーク配色を削除しますか？");
}
inline QString NoDarkAtLevel()
{
    return QCoreApplication::translate(
        "DarkTexts", "AAA ですべての組み合わせを満たすダーク配色はありません。AA で作成しました。");
}
} // namespace DarkTexts
