#include "desktop_integration.h"

#include "resources.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QString appId()
{
    return QStringLiteral(PAGETINT_APP_ID);
}

QIcon programWindowIcon()
{
    return QIcon::fromTheme(appId(), Resources::programIcon());
}

bool installQtTranslation(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
