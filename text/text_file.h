#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Reads a whole file's bytes; nullopt and the reason when it cannot.
std::optional<QByteArray> readFileBytes(const QString& path, QString* error);

// Reads a whole text file (see decodeFileText); nullopt and the reason when it cannot.
std::optional<QString> readTextFile(const QString& path, QString* error);

enum class WriteMode {
    Atomic,
    // Atomic where the folder takes the temporary file; otherwise an existing writable file
    // is overwritten in place, which a crash during the write can leave short.
    AtomicOrInPlace,
};

// Writes each line followed by CR LF (see encodeFileText), atomically: a failure at
// any point leaves the old file as it was. False and the reason on failure.
bool writeTextLines(const QString& path, const QStringList& lines, QString* error,
                    WriteMode mode = WriteMode::Atomic);
