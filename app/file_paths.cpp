#include "file_paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

// MulDiv: a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

const QString UserSettingsFile = QStringLiteral("pagetint/pagetint.ini");

} // namespace

QString replaceExtension(const QString& path, const QString& ext)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot > slash)
        return path.left(dot) + ext;
    return path + ext;
}

int pointsFromPixels(int pixels)
{
    return mulDiv(pixels, 72, 96);
}

int pixelsFromPoints(int points)
{
    return mulDiv(points, 96, 72);
}

SettingsFacts observeSettingsPlaces(const QString& executable, const QString& configFolder)
{
    SettingsFacts facts;
    facts.besideExecutable = replaceExtension(executable, QStringLiteral(".ini"));
    const QFileInfo beside(facts.besideExecutable);
    facts.besideExists = beside.exists();
    facts.besideReadable = beside.isReadable();
    facts.besideWritable = beside.isWritable();
    facts.folderWritable = QFileInfo(beside.absolutePath()).isWritable();
    if (!configFolder.isEmpty()) {
        facts.userFile = QDir(configFolder).filePath(UserSettingsFile);
        facts.userFileExists = QFileInfo::exists(facts.userFile);
    }
    return facts;
}
