#pragma once

#include "storage/result.h"

#include <QByteArray>
#include <QString>

namespace vennor::textfile {

// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252 (files of earlier
// installations).
QString decode(const QByteArray& bytes);

// The whole file as text; fails when it cannot be opened or read.
Result<QString> read(const QString& path);

// Replaces the file whole through QSaveFile: the old file stays intact unless the new one was
// written completely. Creates the folder when missing.
Status rewrite(const QString& path, const QByteArray& bytes);

// Appends at the end, starting a new line first when the file does not end in one.
// Creates the file (and its folder) when missing.
Status append(const QString& path, const QByteArray& bytes);

} // namespace vennor::textfile
