#include "desktop_integration.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Its own program: the translation, once installed, stays for the rest of the run.
TEST(DesktopIntegration, QtStandardButtonsSpeakJapaneseAfterTheTranslationIsLoaded)
{
    ASSERT_TRUE(installQtTranslation(*qApp)) << "qtbase_ja.qm (qt6-translations-l10n) missing";
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Save);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text(), QStringLiteral("保存"));
    // Texts of Qt's own dialogs, not only its buttons.
    EXPECT_NE(QCoreApplication::translate("QColorDialog", "&Red:"), QStringLiteral("&Red:"));
}

// A prefix in a temporary folder: bin/pagetint and the hicolor theme under share/icons.
TEST(DesktopIntegration, TheWindowIconComesFromTheThemeOnceTheIconIsInstalled)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QDir root(prefix.path());
    const QString exe = root.filePath(QStringLiteral("bin/pagetint"));
    ASSERT_TRUE(root.mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(root.mkpath(QStringLiteral("share/icons/hicolor/16x16/apps")));
    QFile index(root.filePath(QStringLiteral("share/icons/hicolor/index.theme")));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=Hicolor\nDirectories=16x16/apps\n\n"
                "[16x16/apps]\nSize=16\nType=Fixed\n");
    index.close();
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(
        root.filePath(QStringLiteral("share/icons/hicolor/16x16/apps/%1.png").arg(appId()))));
    QIcon::setThemeSearchPaths({root.filePath(QStringLiteral("share/icons"))});
    QIcon::setThemeName(QStringLiteral("hicolor"));

    // Run from a build tree: the built-in picture, without asking the theme.
    EXPECT_TRUE(programWindowIcon(exe).name().isEmpty());
    EXPECT_FALSE(programWindowIcon(exe).isNull());

    ASSERT_TRUE(root.mkpath(QStringLiteral("share/icons/hicolor/scalable/apps")));
    QFile svg(
        root.filePath(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(appId())));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.close();
    EXPECT_EQ(programWindowIcon(exe).name(), appId());
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
