// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calllog.h"

#include "core/filetexts.h"
#include "core/folders.h"
#include "core/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <algorithm>

namespace vennor {

namespace {

QString describe(const QString& what, const QFile& file)
{
    return QStringLiteral("%1 %2: %3")
        .arg(what, QFileInfo(file.fileName()).fileName(), file.errorString());
}

const char* hiddenText(CallEntry::Hidden hidden)
{
    switch (hidden) {
    case CallEntry::Hidden::Private:
        return "private";
    case CallEntry::Hidden::Unavailable:
        return "unavailable";
    case CallEntry::Hidden::No:
        break;
    }
    return "";
}

// Below this size the file cannot hold more than kKept entries: no need to count them.
constexpr qint64 kShortestEntry = 40;

} // namespace

QByteArray CallEntry::toLine() const
{
    QJsonObject object{{"time", time.toUTC().toString(Qt::ISODate)},
                       {"dir", direction == Direction::In ? "in" : "out"}};
    const auto put = [&object](const char* key, const QString& value) {
        if (!value.isEmpty()) {
            object.insert(QLatin1String(key), value);
        }
    };
    put("number", number);
    put("hidden", QString::fromLatin1(hiddenText(hidden)));
    put("name", networkName);
    put("record", record);
    put("book", book);
    put("outcome", outcome);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<CallEntry> CallEntry::fromLine(QByteArrayView line)
{
    const QJsonDocument document = QJsonDocument::fromJson(line.toByteArray());
    const QJsonObject object = document.object();
    CallEntry entry;
    entry.time = QDateTime::fromString(object.value("time").toString(), Qt::ISODate);
    const QString direction = object.value("dir").toString();
    if (!document.isObject() || !entry.time.isValid() ||
        (direction != "in" && direction != "out")) {
        return std::nullopt;
    }
    entry.direction = direction == "in" ? Direction::In : Direction::Out;
    const QString hidden = object.value("hidden").toString();
    entry.hidden = hidden == "private"       ? Hidden::Private
                   : hidden == "unavailable" ? Hidden::Unavailable
                                             : Hidden::No;
    entry.number = object.value("number").toString();
    entry.networkName = object.value("name").toString();
    entry.record = object.value("record").toString();
    entry.book = object.value("book").toString();
    entry.outcome = object.value("outcome").toString();
    return entry;
}

CallLog::CallLog(QString path) : path_(std::move(path)) {}

CallLog CallLog::inPhoneBookFolder()
{
    return CallLog(folders::phoneBookFolder() + QStringLiteral("calls.log"));
}

Status CallLog::append(const CallEntry& entry) const
{
    if (!folders::ensureFolderOf(path_)) {
        return Status::failure(FileAccess::tr("Could not create the folder of") + QLatin1Char(' ') +
                               QFileInfo(path_).fileName());
    }
    QLockFile lock(path_ + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(2000); // without it the line is still added, not trimmed
    QFile file(path_);
    // Appending (O_APPEND) and unbuffered: the line goes in one write at the end, whatever
    // another program appended meanwhile, and nothing is left to be written after a cut back.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        return Status::failure(describe(FileAccess::tr("Could not open"), file));
    }
    const qint64 size = file.size();
    QByteArray bytes;
    char last = '\n';
    if (size > 0 && !(file.seek(size - 1) && file.getChar(&last))) {
        return Status::failure(describe(FileAccess::tr("Could not read"), file));
    }
    if (last != '\n') {
        bytes += '\n'; // the end of a line cut short by a crash stays a line of its own
    }
    bytes += entry.toLine() + '\n';
    if (file.write(bytes) != bytes.size()) {
        const QString reason = describe(FileAccess::tr("Could not write"), file);
        file.resize(size);
        return Status::failure(reason);
    }
    file.close();
    return locked && file.size() > kKept * kShortestEntry ? keepLatest() : Status::success();
}

Status CallLog::keepLatest() const
{
    const Result<QByteArray> bytes = [this]() -> Result<QByteArray> {
        QFile file(path_);
        if (!file.open(QIODevice::ReadOnly)) {
            return Status::failure(describe(FileAccess::tr("Could not open"), file));
        }
        return file.readAll();
    }();
    if (!bytes) {
        return Status::failure(bytes.error());
    }
    qsizetype from = bytes->size();
    for (qsizetype lines = 0; from > 0; --from) {
        if (bytes->at(from - 1) == '\n' && ++lines > kKept) {
            break;
        }
    }
    return from == 0 ? Status::success() : textfile::rewrite(path_, bytes->sliced(from));
}

Result<CallLog::Contents> CallLog::read() const
{
    QFile file(path_);
    if (!file.exists()) {
        return Contents{};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(describe(FileAccess::tr("Could not open"), file));
    }
    const QByteArray bytes = file.readAll();
    Contents contents;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.trimmed().isEmpty()) {
            continue;
        }
        if (std::optional<CallEntry> entry = CallEntry::fromLine(line)) {
            contents.calls.push_back(std::move(*entry));
        } else {
            ++contents.damaged;
        }
    }
    if (qsizetype(contents.calls.size()) > kKept) {
        contents.calls.erase(contents.calls.begin(),
                             contents.calls.end() - kKept); // another program is trimming
    }
    return contents;
}

Status CallLog::rewriteLocked(const std::function<QByteArray(const QByteArray&)>& change) const
{
    // A rewrite under another program's append would lose its line: without the lock, no change.
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(2000)) {
        return Status::failure(FileAccess::tr("The call log is in use by another program"));
    }
    QFile file(path_);
    if (!file.exists()) {
        return Status::success();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(describe(FileAccess::tr("Could not open"), file));
    }
    return textfile::rewrite(path_, change(file.readAll()));
}

Status CallLog::remove(const std::vector<CallEntry>& calls) const
{
    return rewriteLocked([&calls](const QByteArray& bytes) {
        std::vector<CallEntry> left = calls;
        QByteArray kept;
        for (const QByteArray& line : bytes.split('\n')) {
            const std::optional<CallEntry> entry = CallEntry::fromLine(line);
            const auto found = entry ? std::find(left.begin(), left.end(), *entry) : left.end();
            if (found != left.end()) {
                left.erase(found);
            } else if (!line.isEmpty()) {
                kept += line + '\n';
            }
        }
        return kept;
    });
}

Status CallLog::clear() const
{
    return rewriteLocked([](const QByteArray&) { return QByteArray(); });
}

} // namespace vennor
