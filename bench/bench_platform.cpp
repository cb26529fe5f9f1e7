#include "bench_platform.h"

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

std::optional<ColorValue> BenchPlatform::screenPixel(QPoint)
{
    return std::nullopt;
}

QString BenchPlatform::tempFolder()
{
    return m_folder;
}

QString BenchPlatform::executablePath()
{
    return m_folder + QStringLiteral("/pagetint");
}
