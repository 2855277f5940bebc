// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/phonebooks/filecopy.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vennor {
namespace {

CopyOutcome failed(const QString& reason)
{
    return {CopyOutcome::Kind::Failed, reason};
}

} // namespace

bool isSameFile(const QString& source, const QString& target)
{
    const QString canonicalTarget = QFileInfo(target).canonicalFilePath();
    return !canonicalTarget.isEmpty() && QFileInfo(source).canonicalFilePath() == canonicalTarget;
}

CopyOutcome copyReplacing(const QString& source, const QString& target)
{
    if (isSameFile(source, target)) {
        return {CopyOutcome::Kind::SameFile, {}};
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return failed(QStringLiteral("%1: %2").arg(source, in.errorString()));
    }
    QSaveFile out(target);
    // Unbuffered: a failed write shows at once; buffered, a late flush could lose it and an
    // empty file would replace the target.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return failed(QStringLiteral("%1: %2").arg(target, out.errorString()));
    }
    constexpr qint64 chunk = 1 << 16;
    while (!in.atEnd()) {
        const QByteArray bytes = in.read(chunk);
        if (bytes.isEmpty() && in.error() != QFileDevice::NoError) {
            out.cancelWriting();
            return failed(QStringLiteral("%1: %2").arg(source, in.errorString()));
        }
        if (out.write(bytes) != bytes.size()) {
            out.cancelWriting();
            return failed(QStringLiteral("%1: %2").arg(target, out.errorString()));
        }
    }
    if (!out.commit()) {
        return failed(QStringLiteral("%1: %2").arg(target, out.errorString()));
    }
    return {};
}

MoveOutcome renameOrCopy(const QString& from, const QString& to)
{
    QFile file(from);
    if (file.rename(to)) {
        return {true, false, {}};
    }
    const QString renameError = file.errorString();
    if (QFile::copy(from, to)) {
        return {true, true, {}};
    }
    return {false, false, renameError};
}

void undoMove(const MoveOutcome& moved, const QString& from, const QString& to)
{
    if (moved.copied) {
        QFile::remove(to);
    } else {
        QFile::rename(to, from);
    }
}

} // namespace vennor
