#include "help_location.h"

#include <QDir>
#include <QFileInfo>

QStringList helpCandidates(const QString& executablePath)
{
    const QFileInfo exe(executablePath);
    const QDir folder = exe.dir();
    return {
        folder.filePath(exe.completeBaseName() + QStringLiteral(".chm")),
        folder.filePath(QStringLiteral("help/index.html")),
        QDir::cleanPath(folder.filePath(QStringLiteral(PAGETINT_HELP_FROM_BINDIR "/index.html"))),
    };
}
