#pragma once

#include <QCoreApplication>
#include <QString>

// The texts of the dialog that picks a colour by its name.
namespace NamedColorTexts {
inline QString Caption()
{
    return QCoreApplication::translate("NamedColorTexts", "名前で色を選ぶ");
}
inline QString FieldName()
{
    return QCoreApplication::translate("NamedColorTexts", "色の名前または #RRGGBB");
}
inline QString ListName()
{
    return QCoreApplication::translate("NamedColorTexts", "名前付きの色");
}
} // namespace NamedColorTexts
