// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QString>

namespace vennor::textfile {

// Bytes of an earlier installation's file (Windows-1252) as text; no byte is lost.
QString decodeCp1252(QByteArrayView bytes);

// Each line UTF-8 when it is valid UTF-8, otherwise Windows-1252 (lines of earlier
// installations). A byte order mark at the start belongs to no line.
QString decode(const QByteArray& bytes);

// The whole file as text; fails when it cannot be opened or read.
Result<QString> read(const QString& path);

// Replaces the file whole through QSaveFile: the old file stays intact unless the new one was
// written completely. Creates the folder when missing. Bytes that begin with a byte order
// mark get another in front: readers drop the first as the file's own.
Status rewrite(const QString& path, const QByteArray& bytes);

// Appends at the end, starting a new line first when the file does not end in one (a byte
// order mark alone is no line). Creates the file (and its folder) when missing. A file holding
// lines that are not UTF-8 (Windows-1252) is converted in the same safe rewrite, so it never
// mixes two encodings. When the write fails the file is cut back to its old length.
Status append(const QString& path, const QByteArray& bytes);

} // namespace vennor::textfile
