#pragma once

#include <QString>

// The texts of the secondary windows and of the common dialogs.
namespace DialogTexts {
inline const QString SchemeNameCaption = QStringLiteral(" 色セット登録名の入力");
inline const QString Ok = QStringLiteral("O K");
inline const QString Cancel = QStringLiteral("Cancel");
inline const QString SchemeNameField = QStringLiteral("色セット登録名");

inline const QString AboutCaption = QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報");
inline const QString ProductName = QStringLiteral("Pagetint");
inline const QString Version = QStringLiteral("Version 1.31");
inline const QString Copyright = QStringLiteral("Copyright (C) 2026 Pagetint developers");
inline const QString EmailLabel = QStringLiteral("E-mail：");
inline const QString UrlLabel = QStringLiteral("URL：");
inline const QString AboutOk = QStringLiteral("OK");

inline const QString ViewerCaption = QStringLiteral("Pagetint画像ビューワ指定");
inline const QString ViewerLabel = QStringLiteral("画像プレビュー用のビューワ");
inline const QString Browse = QStringLiteral("参照");

inline const QString OpenTitle = QStringLiteral("背景画像の選択");
inline const QString OpenFilter = QStringLiteral(
    "画像ファイル|*.gif;*.jpg;*.jpeg;*.png|実行ファイル|*.exe;*.com|全てのファイル|*.*");
inline const QString CssOpenTitle = QStringLiteral("CSS/HTMLファイルを開く");
inline const QString CssOpenFilter =
    QStringLiteral("CSS/HTML|*.css;*.html;*.htm|全てのファイル|*.*");
inline const QString SaveTitle = QStringLiteral("HTML テンプレートファイルの保存");
inline const QString SaveFilter =
    QStringLiteral("HTML file|*.htm;*.html;*.chtml|全てのファイル|*.*");
inline const QString SaveDefaultExt = QStringLiteral("html");
} // namespace DialogTexts
