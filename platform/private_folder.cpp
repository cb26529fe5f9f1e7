#include "private_folder.h"

#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A real folder (not a link) of this user that no one else may write into.
bool isPrivateFolder(const QByteArray& native)
{
    struct stat info {};
    return lstat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == getuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace

QString privateFolderPath(const QString& tempFolder)
{
    // A runtime folder that is not private is passed over as if there were none.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(QFile::encodeName(runtime)))
        return runtime;
    return QDir(tempFolder).filePath(QStringLiteral("pagetint-%1").arg(getuid()));
}

bool preparePrivateFolder(const QString& folder, QString* error)
{
    const QByteArray native = QFile::encodeName(folder);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (!isPrivateFolder(native)) {
        if (error)
            *error = QStringLiteral("the folder is not private to this user");
        return false;
    }
    return true;
}

bool writePrivateTextLines(const QString& path, const QStringList& lines, QString* error)
{
    // QSaveFile writes through a link to its target; the link itself must go instead.
    if (QFileInfo(path).isSymLink() && !QFile::remove(path)) {
        if (error)
            *error = QStringLiteral("cannot remove the link at this path");
        return false;
    }
    return writeTextLines(path, lines, error);
}
