#include "qt_platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(QtNameFilters, AlternatingTextsAndPatternsBecomeQtFilters)
{
    EXPECT_EQ(qtNameFilters(QStringLiteral("HTML file|*.htm;*.html;*.chtml|All|*.*")),
              QStringList(
                  {QStringLiteral("HTML file (*.htm *.html *.chtml)"), QStringLiteral("All (*)")}));
    EXPECT_EQ(qtNameFilters(QString()), QStringList());
    EXPECT_EQ(qtNameFilters(QStringLiteral("odd|*.a|dangling")),
              QStringList({QStringLiteral("odd (*.a)")}));
}

// "*.*" hid every name without a dot, and the program filter hid every program.
TEST(QtNameFilters, EveryFileAndProgramFiltersListNamesWithoutADot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"viewer", "README", "photo.png", "page.html", "setup.exe"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(dir.filePath(QStringLiteral("viewer")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QStringList filters = qtNameFilters(QString::fromUtf8(
        "画像ファイル|*.gif;*.jpg;*.jpeg;*.png|実行ファイル|*.exe;*.com|全てのファイル|*.*"));
    ASSERT_EQ(filters.size(), 3);
    const QStringList every = {QStringLiteral("README"), QStringLiteral("page.html"),
                               QStringLiteral("photo.png"), QStringLiteral("setup.exe"),
                               QStringLiteral("viewer")};
    const struct {
        const char* caption;
        QStringList listed;
    } rows[] = {
        {"画像ファイル", {QStringLiteral("photo.png")}},
        {"実行ファイル", every},
        {"全てのファイル", every},
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(rows[i].caption);
        // The caption stays in front; Qt reads the patterns from between the parentheses.
        const QString filter = filters.at(i);
        EXPECT_TRUE(filter.startsWith(QString::fromUtf8(rows[i].caption) + QStringLiteral(" (")));
        const qsizetype open = filter.lastIndexOf(u'(');
        const QStringList patterns =
            filter.mid(open + 1, filter.size() - open - 2).split(u' ', Qt::SkipEmptyParts);
        EXPECT_EQ(QDir(dir.path()).entryList(patterns, QDir::Files, QDir::Name), rows[i].listed);
    }
}
