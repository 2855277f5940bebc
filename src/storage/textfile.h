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
// Creates the file (and its folder) when missing. A file that is not UTF-8 (Windows-1252) is
// converted in the same safe rewrite, so it never mixes two encodings. When the write fails
// the file is cut back to its old length.
Status append(const QString& path, const QByteArray& bytes);

} // namespace vennor::textfile
