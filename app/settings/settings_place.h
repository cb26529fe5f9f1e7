#pragma once

#include <QString>

// What is known about the places a settings file can live, gathered once at start.
struct SettingsFacts {
    QString besideExecutable; // the executable's path with the extension ".ini"
    bool besideExists = false;
    bool besideReadable = false;
    bool besideWritable = false; // the file itself
    bool folderWritable = false; // the executable's folder
    QString userFile;            // in the user's configuration folder; empty when there is none
    bool userFileExists = false;
};

struct SettingsPlace {
    QString readFrom; // empty: start with an empty store
    QString writeTo;
    // The administrator's file that would have been the start but cannot be read: the user
    // is told, and the program goes on with an empty store and the user's own file.
    QString unreadable = {};
};

// The file beside the executable whenever it can be written (portable use); otherwise the
// user's own file, which starts as a copy of a readable file beside the executable (an
// administrator's defaults). Nothing is ever written beside a read-only executable.
SettingsPlace chooseSettingsPlace(const SettingsFacts& facts);
