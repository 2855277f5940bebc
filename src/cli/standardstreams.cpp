// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/standardstreams.h"

#include <QFile>
#include <cerrno>
#include <cstring>

namespace vennor::app {

QByteArray readAllOf(FILE* in)
{
    QFile stream;
    if (!stream.open(in, QIODevice::ReadOnly)) {
        return {};
    }
    return stream.readAll();
}

Status writeAllTo(FILE* out, const QByteArray& bytes)
{
    errno = 0;
    const std::size_t written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out);
    if (std::fflush(out) != 0 || written != std::size_t(bytes.size()) || std::ferror(out)) {
        return Status::failure(QString::fromLocal8Bit(std::strerror(errno ? errno : EIO)));
    }
    return Status::success();
}

int statusAfterOutput(int status, FILE* out, FILE* errors)
{
    errno = 0;
    // A failure has said why already, a failed write of its own included.
    if ((std::fflush(out) == 0 && !std::ferror(out)) || status != 0) {
        return status;
    }
    std::fprintf(errors, "vennor: cannot write to standard output: %s\n",
                 std::strerror(errno ? errno : EIO));
    return 1;
}

} // namespace vennor::app
