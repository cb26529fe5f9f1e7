#pragma once

#include <QCoreApplication>
#include <QString>

// The messages of the scheme list, looked up in the installed translation at each use.
namespace SchemeTexts {
inline QString ConfirmDelete()
{
    return QCoreApplication::translate("SchemeTexts",
                                       "この配色をリストから削除します。\nよろしいですか？");
}
inline QString ConfirmReplace()
{
    return QCoreApplication::translate("SchemeTexts",
                                       "配色の内容を置き換えます。\nよろしいですか？");
}
inline QString NameInUse()
{
    return QCoreApplication::translate("SchemeTexts", "この配色名はすでに使われています。");
}
inline QString NameUnusable()
{
    return QCoreApplication::translate("SchemeTexts", "この配色名は使用できません。");
}
} // namespace SchemeTexts
