#pragma once

#include <QString>

// The messages of the template and preview commands.
namespace HtmlTexts {
inline const QString SaveFailed = QStringLiteral("ファイルを保存できませんでした。");
inline const QString PreviewPageName = QStringLiteral("~Pagetinttmp.html");
} // namespace HtmlTexts
