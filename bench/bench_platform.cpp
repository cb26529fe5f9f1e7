#include "bench_platform.h"

#include "qt_platform.h"

#include <QImage>

BenchPlatform::BenchPlatform(const QString& folder)
    : m_folder(folder)
{
}

Platform::Answer BenchPlatform::messageBox(QWidget*, const QString&, const QString&, Buttons, Icon)
{
    ++m_messageBoxes;
    return Answer::Cancel;
}

std::optional<ColorValue> BenchPlatform::chooseColor(QWidget*, ColorValue)
{
    return std::nullopt;
}

std::optional<QFont> BenchPlatform::chooseFont(QWidget*, const QFont&)
{
    return std::nullopt;
}

std::optional<QString> BenchPlatform::openFileName(QWidget*, const FileDialog&)
{
    return std::nullopt;
}

std::optional<QString> BenchPlatform::saveFileName(QWidget*, const FileDialog&)
{
    return std::nullopt;
}

bool BenchPlatform::shellOpen(const QString&)
{
    return false;
}

bool BenchPlatform::startDetached(const QString&, const QString&)
{
    return false;
}

QImage BenchPlatform::screenRegion(const QRect& physical)
{
    QImage image(physical.size(), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(physical.x() + x, physical.y() + y, (physical.x() + x) >> 8));
    }
    return image;
}

ScreenLayout BenchPlatform::screenLayout()
{
    return currentScreenLayout();
}

QString BenchPlatform::tempFolder()
{
    return m_folder;
}

QString BenchPlatform::executablePath()
{
    return m_folder + QStringLiteral("/pagetint");
}
