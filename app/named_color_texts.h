#pragma once

#include <QString>

// The texts of the dialog that picks a colour by its name.
namespace NamedColorTexts {
inline const QString Caption = QStringLiteral("名前で色を選ぶ");
inline const QString FieldName = QStringLiteral("色の名前または #RRGGBB");
inline const QString ListName = QStringLiteral("名前付きの色");
} // namespace NamedColorTexts
