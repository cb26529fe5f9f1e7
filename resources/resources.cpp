#include "resources.h"

#include <QImage>

#include <algorithm>

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

QCursor Resources::spoitCursor(qreal scale)
{
    // NOTE: Qt's X11 plugin shows a cursor's pixmap pixel for pixel and takes the hot spot in
    // those pixels, whatever device pixel ratio the pixmap carries; so the picture is enlarged
    // here, as a plain pixmap, and the hot spot with it.
    const int factor = std::max(1, qRound(scale));
    const QImage image = picture("SPOITCURSOR").toImage();
    const QPixmap enlarged = QPixmap::fromImage(
        image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    const QPoint tip = QPoint(2, 18) * factor + QPoint(factor / 2, factor / 2);
    return QCursor(enlarged, tip.x(), tip.y());
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
