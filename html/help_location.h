#pragma once

#include <QStringList>

// The help pages the program may open, best first: the .chm beside the executable, then
// its own HTML help from the build tree (help/ beside the executable), then the installed
// one (the documentation folder, relative to the executable's folder).
QStringList helpCandidates(const QString& executablePath);
