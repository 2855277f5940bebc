// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/textfile.h"

#include "core/filetexts.h"
#include "core/folders.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <array>
#include <optional>

namespace vennor::textfile {
namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

std::optional<QString> decodeUtf8(QByteArrayView bytes)
{
    // Stateless: a sequence cut off at the end of the bytes is an error, not pending input.
    // The file's own byte order mark is taken off before: a U+FEFF met here is text.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless |
                                                     QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

bool isUtf8(QByteArrayView bytes)
{
    return decodeUtf8(bytes).has_value();
}

// Lines of both encodings in one file: each line is UTF-8 when valid, else Windows-1252.
QString decodeByLine(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    while (!bytes.isEmpty()) {
        const qsizetype lineBreak = bytes.indexOf('\n');
        const QByteArrayView line = lineBreak < 0 ? bytes : bytes.first(lineBreak + 1);
        if (std::optional<QString> utf8 = decodeUtf8(line)) {
            text += *utf8;
        } else {
            text += decodeCp1252(line);
        }
        bytes = bytes.sliced(line.size());
    }
    return text;
}

// The bytes after the byte order mark of the file, if it has one.
QByteArrayView withoutMark(const QByteArray& bytes)
{
    return bytes.startsWith(kByteOrderMark) ? QByteArrayView(bytes).sliced(kByteOrderMark.size())
                                            : QByteArrayView(bytes);
}

// Readers take a mark at the start of a file for the file's: text that itself begins with
// U+FEFF (a pasted name, say) gets one in front, so that it reads back unchanged.
QByteArray withMarkWhenNeeded(const QByteArray& bytes)
{
    return bytes.startsWith(kByteOrderMark) ? kByteOrderMark.toByteArray() + bytes : bytes;
}

QString describe(const QString& what, const QString& path, const QString& why)
{
    return QStringLiteral("%1 %2: %3").arg(what, QFileInfo(path).fileName(), why);
}

Status ensureFolder(const QString& path)
{
    if (!folders::ensureFolderOf(path)) {
        return Status::failure(describe(FileAccess::tr("Could not create the folder of"), path,
                                        FileAccess::tr("the folder cannot be made")));
    }
    return Status::success();
}

bool endsInLineBreak(QByteArrayView bytes)
{
    return bytes.isEmpty() || bytes.endsWith('\n');
}

// The bytes that end the file's last line before anything is added after it.
QByteArray lineEndFor(QByteArrayView existing)
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
    return file.error() == QFileDevice::NoError ? FileAccess::tr("the file was not written whole")
                                                : file.errorString();
}

} // namespace

QString decodeCp1252(QByteArrayView bytes)
{
    // Windows-1252 differs from Latin-1 only in 0x80 to 0x9F. The five codes it leaves undefined
    // keep their Latin-1 (control) meaning, so no byte is ever lost.
    constexpr std::array<char16_t, 32> kCp1252High = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = (code >= 0x80 && code <= 0x9F) ? kCp1252High[code - 0x80] : char16_t(code);
    }
    return text;
}

QString decode(const QByteArray& bytes)
{
    const QByteArrayView text = withoutMark(bytes);
    if (std::optional<QString> whole = decodeUtf8(text)) {
        return *std::move(whole); // the usual case, in one pass
    }
    return decodeByLine(text);
}

Result<QString> read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Result<QString>::failure(
            describe(FileAccess::tr("Could not open"), path, file.errorString()));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Result<QString>::failure(
            describe(FileAccess::tr("Could not read"), path, file.errorString()));
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
            describe(FileAccess::tr("Could not write"), path, file.errorString()));
    }
    if (!writeAll(file, withMarkWhenNeeded(bytes))) {
        const QString why = causeOf(file);
        file.cancelWriting();
        return Status::failure(describe(FileAccess::tr("Could not write"), path, why));
    }
    if (!file.commit()) {
        return Status::failure(
            describe(FileAccess::tr("Could not save"), path, file.errorString()));
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
            describe(FileAccess::tr("Could not open"), path, file.errorString()));
    }
    const QByteArray existing = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Status::failure(
            describe(FileAccess::tr("Could not read"), path, file.errorString()));
    }
    // Lines of an earlier installation are Windows-1252: the file is converted whole, in one
    // safe rewrite, so that what is added never joins a file that is not UTF-8.
    const QByteArrayView content = withoutMark(existing);
    if (!isUtf8(content)) {
        file.close();
        return rewrite(path, decode(existing).toUtf8() + lineEndFor(content) + bytes);
    }
    const QByteArray added =
        lineEndFor(content) + (existing.isEmpty() ? withMarkWhenNeeded(bytes) : bytes);
    if (!file.seek(existing.size()) || !writeAll(file, added)) {
        // Never leave half a record behind: cut the file back to what it held.
        const QString why = causeOf(file);
        file.resize(existing.size());
        return Status::failure(describe(FileAccess::tr("Could not add to"), path, why));
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        return Status::failure(
            describe(FileAccess::tr("Could not add to"), path, file.errorString()));
    }
    return Status::success();
}

} // namespace vennor::textfile
