#include "phonebooks/filecopy.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vennor {
namespace {

bool sameFile(const QString& source, const QString& target)
{
    const QString canonicalTarget = QFileInfo(target).canonicalFilePath();
    return !canonicalTarget.isEmpty() && QFileInfo(source).canonicalFilePath() == canonicalTarget;
}

CopyOutcome failed(const QString& reason)
{
    return {CopyOutcome::Kind::Failed, reason};
}

} // namespace

CopyOutcome copyReplacing(const QString& source, const QString& target)
{
    if (sameFile(source, target)) {
        return {CopyOutcome::Kind::SameFile, {}};
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return failed(QStringLiteral("%1: %2").arg(source, in.errorString()));
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
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

} // namespace vennor
