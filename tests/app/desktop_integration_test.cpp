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

TEST(DesktopIntegration, TheWindowIconComesFromTheThemeWhenItHasOne)
{
    EXPECT_TRUE(programWindowIcon().name().isEmpty()) << "no theme icon: the built-in picture";
    EXPECT_FALSE(programWindowIcon().isNull());

    QTemporaryDir themes;
    ASSERT_TRUE(themes.isValid());
    const QDir root(themes.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("hicolor/16x16/apps")));
    QFile index(root.filePath(QStringLiteral("hicolor/index.theme")));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=Hicolor\nDirectories=16x16/apps\n\n"
                "[16x16/apps]\nSize=16\nType=Fixed\n");
    index.close();
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(root.filePath(QStringLiteral("hicolor/16x16/apps/%1.png").arg(appId()))));
    QIcon::setThemeSearchPaths({themes.path()});
    QIcon::setThemeName(QStringLiteral("hicolor"));
    EXPECT_EQ(programWindowIcon().name(), appId());
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
