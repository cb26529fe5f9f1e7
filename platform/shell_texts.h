#pragma once

#include <QCoreApplication>
#include <QString>

// The box shown when the shell cannot open what the program asks it to open. The link
// label and the main window share it, so it lives beside the seam, not with a window.
namespace ShellTexts {
inline const QString Caption = QStringLiteral("Pagetint");
inline QString OpenFailed()
{
    return QCoreApplication::translate("ShellTexts",
                                       "次のファイルまたはアドレスを開けませんでした。");
}
inline QString StartFailed()
{
    return QCoreApplication::translate("ShellTexts", "次のプログラムを起動できませんでした。");
}
} // namespace ShellTexts
