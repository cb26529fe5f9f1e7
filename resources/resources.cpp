#include "resources.h"

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void initPagetintResources()
{
    Q_INIT_RESOURCE(pagetint);
}

namespace {

void ensureLoaded()
{
    static const bool loaded = (initPagetintResources(), true);
    (void)loaded;
}

QPixmap picture(const char* name)
{
    ensureLoaded();
    return QPixmap(QStringLiteral(":/") + QLatin1String(name));
}

} // namespace

QCursor Resources::spoitCursor()
{
    return QCursor(picture("SPOITCURSOR"), 2, 18);
}

QCursor Resources::handPointCursor()
{
    return QCursor(picture("HANDPOINT"), 7, 1);
}

QIcon Resources::programIcon()
{
    return QIcon(picture("MAINICON"));
}

QPixmap Resources::colorDialogPicture()
{
    return picture("COLBTN");
}

QPixmap Resources::pipettePicture()
{
    return picture("PIPETTE");
}
