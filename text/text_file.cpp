#include "text_file.h"

#include "text_codec.h"

#include <QFile>
#include <QSaveFile>

std::optional<QString> readTextFile(const QString& path, QString* error)
{
    const std::optional<QByteArray> bytes = readFileBytes(path, error);
    if (!bytes)
        return std::nullopt;
    return decodeFileText(*bytes);
}

std::optional<QByteArray> readFileBytes(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

bool writeTextLines(const QString& path, const QStringList& lines, QString* error, WriteMode mode)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    const QByteArray bytes = encodeFileText(text);
    QSaveFile file(path);
    file.setDirectWriteFallback(mode == WriteMode::AtomicOrInPlace);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}
