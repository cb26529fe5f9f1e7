#include "settings_place.h"

#include "qstring_print.h"

#include <gtest/gtest.h>

namespace {

const QString Beside = QStringLiteral("/opt/pagetint/bin/pagetint.ini");
const QString User = QStringLiteral("/home/ann/.config/pagetint/pagetint.ini");

} // namespace

TEST(SettingsPlace, BesideTheExecutableWhenWritableElseTheUsersOwnFile)
{
    const struct {
        const char* name;
        bool exists, readable, writable, folderWritable, userExists;
        QString userFile, readFrom, writeTo;
        QString unreadable = {};
    } rows[] = {
        {"writable file, writable folder", true, true, true, true, false, User, Beside, Beside},
        {"writable file, read-only folder", true, true, true, false, true, User, Beside, Beside},
        {"read-only both: seeded from beside", true, true, false, false, false, User, Beside, User},
        {"read-only both, user file there", true, true, false, false, true, User, User, User},
        {"read-only file, writable folder", true, true, false, true, false, User, Beside, User},
        {"unreadable read-only file", true, false, false, false, false, User, {}, User, Beside},
        {"unreadable, user file there", true, false, false, false, true, User, User, User},
        {"no file, writable folder", false, false, false, true, true, User, {}, Beside},
        {"no file, read-only folder", false, false, false, false, false, User, {}, User},
        {"no file, read-only folder, user file", false, false, false, false, true, User, User,
         User},
        {"read-only both, no user folder", true, true, false, false, false, {}, Beside, Beside},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SettingsFacts facts;
        facts.besideExecutable = Beside;
        facts.besideExists = row.exists;
        facts.besideReadable = row.readable;
        facts.besideWritable = row.writable;
        facts.folderWritable = row.folderWritable;
        facts.userFile = row.userFile;
        facts.userFileExists = row.userExists;
        const SettingsPlace place = chooseSettingsPlace(facts);
        EXPECT_EQ(place.readFrom, row.readFrom);
        EXPECT_EQ(place.writeTo, row.writeTo);
        EXPECT_EQ(place.unreadable, row.unreadable);
    }
}
