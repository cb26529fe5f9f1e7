#pragma once

#include <QString>

// A folder that only this user can write: the user's runtime folder when there is a
// private one, else "pagetint-<uid>" under tempFolder (created with mode 0700 when needed).
QString privateFolderPath(const QString& tempFolder);

// Makes sure the folder exists, belongs to this user and is not a link; false and the
// reason when it cannot be used.
bool preparePrivateFolder(const QString& folder, QString* error);

// Writes lines like writeTextLines, but never through a symbolic link planted at the path:
// a link there is removed first, and the page is written in its place.
bool writePrivateTextLines(const QString& path, const QStringList& lines, QString* error);
