#include "storage/textfile.h"

#include "platform/folders.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <array>
#include <optional>

namespace vennor::textfile {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F. The five codes it leaves undefined
// keep their Latin-1 (control) meaning, so no byte is ever lost.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = (code >= 0x80 && code <= 0x9F) ? kCp1252High[code - 0x80] : char16_t(code);
    }
    return text;
}

std::optional<QString> decodeUtf8(const QByteArray& bytes)
{
    // Stateless: a sequence cut off at the end of the bytes is an error, not pending input.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

bool isUtf8(const QByteArray& bytes)
{
    return decodeUtf8(bytes).has_value();
}

QString describe(const QString& what, const QString& path, const QString& why)
{
    return QStringLiteral("%1 %2: %3").arg(what, QFileInfo(path).fileName(), why);
}

Status ensureFolder(const QString& path)
{
    if (!folders::ensureFolderOf(path)) {
        return Status::failure(describe(QStringLiteral("Could not create the folder of"), path,
                                        QStringLiteral("the folder cannot be made")));
    }
    return Status::success();
}

bool endsInLineBreak(const QByteArray& bytes)
{
    return bytes.isEmpty() || bytes.endsWith('\n');
}

// The bytes that end the file's last line before anything is added after it.
QByteArray lineEndFor(const QByteArray& existing)
{
    if (endsInLineBreak(existing)) {
        return {};
    }
    return existing.endsWith('\r') ? QByteArray("\n") : QByteArray("\r\n");
}

// Writes on after a short write, so that the second attempt names the cause (disk full, file
// too large) instead of leaving an unexplained short count.
bool writeAll(QFileDevice& file, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            return false;
        }
        done += written;
    }
    return true;
}

QString causeOf(const QFileDevice& file)
{
    return file.error() == QFileDevice::NoError ? QStringLiteral("the file was not written whole")
                                                : file.errorString();
}

} // namespace

QString decode(const QByteArray& bytes)
{
    if (auto text = decodeUtf8(bytes)) {
        return *std::move(text);
    }
    return decodeCp1252(bytes);
}

Result<QString> read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Result<QString>::failure(
            describe(QStringLiteral("Could not open"), path, file.errorString()));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Result<QString>::failure(
            describe(QStringLiteral("Could not read"), path, file.errorString()));
    }
    return decode(bytes);
}

Status rewrite(const QString& path, const QByteArray& bytes)
{
    if (Status folder = ensureFolder(path); !folder) {
        return folder;
    }
    QSaveFile file(path);
    // Unbuffered, so that a short write shows at once instead of being lost in a late flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return Status::failure(
            describe(QStringLiteral("Could not write"), path, file.errorString()));
    }
    if (!writeAll(file, bytes)) {
        const QString why = causeOf(file);
        file.cancelWriting();
        return Status::failure(describe(QStringLiteral("Could not write"), path, why));
    }
    if (!file.commit()) {
        return Status::failure(
            describe(QStringLiteral("Could not save"), path, file.errorString()));
    }
    return Status::success();
}

Status append(const QString& path, const QByteArray& bytes)
{
    if (Status folder = ensureFolder(path); !folder) {
        return folder;
    }
    QFile file(path);
    // Unbuffered, so that nothing is left to be written after the file was cut back.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        return Status::failure(
            describe(QStringLiteral("Could not open"), path, file.errorString()));
    }
    const QByteArray existing = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Status::failure(
            describe(QStringLiteral("Could not read"), path, file.errorString()));
    }
    // A file of an earlier installation is Windows-1252: adding UTF-8 to it would leave a file
    // valid in neither encoding, so it is converted whole, in one safe rewrite.
    if (!isUtf8(existing)) {
        file.close();
        return rewrite(path, decodeCp1252(existing).toUtf8() + lineEndFor(existing) + bytes);
    }
    const QByteArray added = lineEndFor(existing) + bytes;
    if (!file.seek(existing.size()) || !writeAll(file, added)) {
        // Never leave half a record behind: cut the file back to what it held.
        const QString why = causeOf(file);
        file.resize(existing.size());
        return Status::failure(describe(QStringLiteral("Could not add to"), path, why));
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        return Status::failure(
            describe(QStringLiteral("Could not add to"), path, file.errorString()));
    }
    return Status::success();
}

} // namespace vennor::textfile
