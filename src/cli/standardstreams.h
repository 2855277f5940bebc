// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/result.h"

#include <QByteArray>
#include <cstdio>

namespace vennor::app {

// "-" in place of a file name: standard input or output.
inline bool isStandardStream(const QString& file)
{
    return file == QLatin1String("-");
}

// Everything the stream holds until its end.
QByteArray readAllOf(FILE* in);

// Writes the bytes and flushes them; fails with the system's reason (a full disk, a closed pipe).
Status writeAllTo(FILE* out, const QByteArray& bytes);

// What the program ends with once its output is out: a write that failed, however late, turns
// a success into status 1 with the reason on errors, since what was asked for is not there.
// A failure is left as it is.
int statusAfterOutput(int status, FILE* out = stdout, FILE* errors = stderr);

} // namespace vennor::app
