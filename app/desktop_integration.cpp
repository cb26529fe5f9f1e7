#include "desktop_integration.h"

#include "language.h"
#include "resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

QString appId()
{
    return QStringLiteral(PAGETINT_APP_ID);
}

QIcon programWindowIcon(const QString& executablePath)
{
    // The first theme lookup reads the theme's index (about 5 ms), so it is made only when
    // the install put our icon into the theme beside the executable.
    const QString installed = QFileInfo(executablePath)
                                  .dir()
                                  .filePath(QStringLiteral(PAGETINT_ICON_FROM_BINDIR "/") +
                                            appId() + QStringLiteral(".svg"));
    if (!QFileInfo::exists(installed))
        return Resources::programIcon();
    return QIcon::fromTheme(appId(), Resources::programIcon());
}

bool installQtTranslation(QCoreApplication& app, const QString& language)
{
    return installTranslation(app, QStringLiteral("qtbase_") + language,
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
