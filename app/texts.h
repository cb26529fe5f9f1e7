#pragma once

#include <QString>

// Texts shared by every window of the program.
namespace Texts {
inline const QString AppTitle = QStringLiteral("Pagetint");
inline const QString LockName = QStringLiteral("Pagetint_corvel");
} // namespace Texts
