#include "application.h"
#include "error_box.h"
#include "fake_platform.h"
#include "file_paths.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

FakePlatform* g_platform = nullptr;

class Throwing : public QObject {
protected:
    void customEvent(QEvent*) override { throw std::runtime_error("disk on fire"); }
};

} // namespace

TEST(ErrorBox, AppendsAFullStopAfterCharactersThatSortAfterIt)
{
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {{"abc", "abc."},
                 {"abc.", "abc."},
                 {"x,", "x,"},
                 {"a!", "a!"},
                 {"a/", "a/."},
                 {"", ""},
                 {"保存できません", "保存できません."},
                 {"code 7", "code 7."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(errorBoxText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown));
    }
}

TEST(PagetintApplication, AnErrorInAHandlerIsShownAndTheLoopGoesOn)
{
    Throwing handler;
    QEvent first(QEvent::User);
    QEvent second(QEvent::User);
    QCoreApplication::sendEvent(&handler, &first);
    QCoreApplication::sendEvent(&handler, &second);
    const auto boxes = g_platform->callsOf(QStringLiteral("messageBox"));
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0].args,
              QStringList({QStringLiteral("Pagetint"), QStringLiteral("disk on fire."),
                           QStringLiteral("Ok"), QStringLiteral("Error")}));
}

TEST(FilePaths, ExtensionReplacementAndFontSizes)
{
    const struct {
        const char* path;
        const char* ini;
    } cases[] = {{"/opt/app/pagetint", "/opt/app/pagetint.ini"},
                 {"/opt/app/pagetint.exe", "/opt/app/pagetint.ini"},
                 {"/opt/a.b/pagetint", "/opt/a.b/pagetint.ini"},
                 {"/opt/app/x.tar.gz", "/opt/app/x.tar.ini"},
                 {"pagetint.", "pagetint.ini"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(replaceExtension(QString::fromUtf8(c.path), QStringLiteral(".ini")),
                  QString::fromUtf8(c.ini));
    }
    EXPECT_EQ(pointsFromPixels(15), 11);
    EXPECT_EQ(pointsFromPixels(12), 9);
    EXPECT_EQ(pixelsFromPoints(11), 15);
    EXPECT_EQ(pixelsFromPoints(12), 16);
    EXPECT_EQ(pixelsFromPoints(9), 12);
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    FakePlatform platform;
    g_platform = &platform;
    PagetintApplication app(argc, argv, platform);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
