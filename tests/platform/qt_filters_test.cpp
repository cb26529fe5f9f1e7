#include "qt_platform.h"

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
