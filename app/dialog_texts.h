#pragma once

#include <QCoreApplication>
#include <QString>

// The texts of the secondary windows and of the common dialogs. The functions are looked
// up in the installed translation at each use; the constants stay as they are.
namespace DialogTexts {
inline QString SchemeNameCaption()
{
    return QCoreApplication::translate("DialogTexts", " 色セット登録名の入力");
}
inline QString Ok()
{
    return QCoreApplication::translate("DialogTexts", "O K");
}
inline QString Cancel()
{
    return QCoreApplication::translate("DialogTexts", "Cancel");
}
inline QString SchemeNameField()
{
    return QCoreApplication::translate("DialogTexts", "色セット登録名");
}

inline QString AboutCaption()
{
    return QCoreApplication::translate("DialogTexts", "ﾊﾞｰｼﾞｮﾝ情報");
}
inline const QString ProductName = QStringLiteral("Pagetint");
inline const QString Version = QStringLiteral("Version 1.31");
inline const QString Copyright = QStringLiteral("Copyright (C) 2026 Pagetint developers");
inline QString EmailLabel()
{
    return QCoreApplication::translate("DialogTexts", "E-mail：");
}
inline QString UrlLabel()
{
    return QCoreApplication::translate("DialogTexts", "URL：");
}
inline const QString AboutOk = QStringLiteral("OK");

inline QString ViewerCaption()
{
    return QCoreApplication::translate("DialogTexts", "Pagetint画像ビューワ指定");
}
inline QString ViewerLabel()
{
    return QCoreApplication::translate("DialogTexts", "画像プレビュー用のビューワ");
}
inline QString Browse()
{
    return QCoreApplication::translate("DialogTexts", "参照");
}

inline QString OpenTitle()
{
    return QCoreApplication::translate("DialogTexts", "背景画像の選択");
}
inline QString OpenFilter()
{
    return QCoreApplication::translate(
        "DialogTexts",
        "画像ファイル|*.gif;*.jpg;*.jpeg;*.png|実行ファイル|*.exe;*.com|全てのファイル|*.*");
}
inline QString CssOpenTitle()
{
    return QCoreApplication::translate("DialogTexts", "CSS/HTMLファイルを開く");
}
inline QString CssOpenFilter()
{
    return QCoreApplication::translate("DialogTexts",
                                       "CSS/HTML|*.css;*.html;*.htm|全てのファイル|*.*");
}
inline QString SaveTitle()
{
    return QCoreApplication::translate("DialogTexts", "HTML テンプレートファイルの保存");
}
inline QString SaveFilter()
{
    return QCoreApplication::translate("DialogTexts",
                                       "HTML file|*.htm;*.html;*.chtml|全てのファイル|*.*");
}
inline const QString SaveDefaultExt = QStringLiteral("html");
} // namespace DialogTexts
