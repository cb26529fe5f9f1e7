#pragma once

#include <QCoreApplication>
#include <QString>

// The messages of the template and preview commands.
namespace HtmlTexts {
inline QString SaveFailed()
{
    return QCoreApplication::translate("HtmlTexts", "ファイルを保存できませんでした。");
}
// A file name, the same in every language.
inline const QString PreviewPageName = QStringLiteral("~Pagetinttmp.html");
} // namespace HtmlTexts
