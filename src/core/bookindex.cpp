// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bookindex.h"

#include "core/bookscan.h"
#include "core/bookscanning.h"
#include "core/bytefields.h"
#include "core/fields.h"
#include "core/filetexts.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace vennor {

using namespace bookscan;

namespace {

// The last kNumberEnd digits of a number, separators such as a decimal point skipped; none
// when it has fewer.
std::optional<QByteArray> numberEnd(QByteArrayView number)
{
    QByteArray end(BookIndex::kNumberEnd, '\0');
    qsizetype left = end.size();
    for (qsizetype i = number.size() - 1; i >= 0 && left > 0; --i) {
        if (number[i] >= '0' && number[i] <= '9') {
            end[--left] = number[i];
        }
    }
    return left == 0 ? std::optional(end) : std::nullopt;
}

} // namespace

BookIndex::Stamp BookIndex::stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return {};
    }
    return {info.size(), info.fileTime(QFileDevice::FileModificationTime)};
}

bool BookIndex::current(const PhoneBookFile& file) const
{
    return !path_.isEmpty() && path_ == file.path() && stamp_.size >= 0 && stampOf(path_) == stamp_;
}

Result<CompactListing> BookIndex::list(const PhoneBookFile& file)
{
    CompactListing listing;
    if (Status built = build(file, &listing); !built) {
        return built;
    }
    return listing;
}

Status BookIndex::build(const PhoneBookFile& file, CompactListing* listing)
{
    path_.clear();
    records_.clear();
    names_.clear();
    numbers_.clear();
    numberEnds_.clear();
    allUtf8_ = true;
    closed_ = true;
    openQuote_ = false;
    settledEnd_ = 0;
    if (Status status = file.usable(); !status) {
        return status;
    }
    const Stamp before = stampOf(file.path());
    reserveFor(before.size, listing);
    if (Status scanned = scanFrom(file.path(), 0, listing); !scanned) {
        return scanned;
    }
    path_ = file.path();
    stamp_ = before; // a change during the scan shows as a changed stamp next time
    endsStamp_ = before;
    return Status::success();
}

// Room for a book of size bytes, guessed from records of typical length: growing a million
// entries one doubling at a time would copy them again and again, and hold both copies.
void BookIndex::reserveFor(qint64 size, CompactListing* listing)
{
    const auto records = size_t(std::max<qint64>(size, 0) / 48);
    records_.reserve(records);
    names_.reserve(records);
    numbers_.reserve(records * 3);
    if (indexEnds_) {
        numberEnds_.reserve(records * 3);
    }
    if (listing) {
        listing->names.reserve(qsizetype(size / 4), qsizetype(records));
        listing->numbers.reserve(qsizetype(size / 4), qsizetype(records) * 3);
    }
}

// Where a scan from record firstRecord begins (from lineStart, a line that starts a record,
// when given; from floor, the file's text, when there is no such record), the records from
// there on dropped.
ScanStart BookIndex::resumeAt(QFile& file, qint64 floor, size_t firstRecord,
                              std::optional<qint64> lineStart)
{
    if (lineStart) {
        return {*lineStart, {}, true};
    }
    if (firstRecord >= records_.size()) {
        return {floor, {}, true};
    }
    const RecordStart record = records_[firstRecord];
    const qint64 at = lineStartOf(file, record.offset, floor);
    records_.resize(firstRecord);
    return {at, {qsizetype(record.offset - at), record.pendingEmpty}, true};
}

// Files a number of the last record found under its key, and under its end where those are kept.
void BookIndex::indexNumber(QByteArrayView key)
{
    const auto record = std::uint32_t(records_.size() - 1);
    numbers_.insert(tagOf(key), record);
    if (const std::optional<QByteArray> end = numberEnd(key); end && indexEnds_) {
        numberEnds_.insert(tagOf(*end), record);
    }
}

// Scans from the start of record firstRecord (from the file's start when there is none),
// dropping that record and every later one first, and adds what it finds.
Status BookIndex::scanFrom(const QString& path, size_t firstRecord, CompactListing* listing,
                           std::optional<qint64> lineStart)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(describe(FileAccess::tr("Could not open"), file));
    }
    const qint64 floor = textStart(file);
    // A scan of the whole file finds how far it is settled.
    bool settled = !lineStart && firstRecord >= records_.size();
    if (settled) {
        settledEnd_ = floor;
    }
    const ScanStart start = resumeAt(file, floor, firstRecord, lineStart);
    bool inNumbers = false;
    QByteArray scratch;
    const bool scanned = scanFile(file, start, allUtf8_, [&](const Step& step) {
        const QByteArrayView view = step.view();
        closed_ = step.endLine;
        openQuote_ = step.openQuote;
        settled = settled && isSettled(step);
        if (settled && step.endLine) {
            settledEnd_ = step.base + step.field.end + 2;
        }
        if (listing) {
            ++listing->fieldCount;
        }
        if (step.nameLine) {
            const auto record = std::uint32_t(records_.size());
            records_.push_back({step.base + step.before.pos, step.before.pendingEmpty});
            const QByteArrayView name = nameText(step, scratch);
            names_.insert(tagOf(name), record);
            if (listing) {
                listing->names.append(name);
            }
            inNumbers = false;
            return true;
        }
        if (step.endLine) {
            inNumbers = false;
            return true;
        }
        const bool numberLine = bytefields::looksLikeNumberLine(view);
        if (listing && numberLine && bytefields::isNumeric(view.sliced(1))) {
            listing->numbers.append(view.sliced(1));
        }
        inNumbers = inNumbers || numberLine;
        if (inNumbers && !view.isEmpty() && !records_.empty()) {
            indexNumber(numberKey(step, scratch));
        }
        return true;
    });
    names_.seal();
    numbers_.seal();
    numberEnds_.seal();
    if (!scanned) {
        return Status::failure(describe(FileAccess::tr("Could not read"), file));
    }
    return Status::success();
}

// The first records (at most most) among the table's candidates for key that match accepts.
template <typename Match>
Result<std::vector<Record>> BookIndex::find(const PhoneBookFile& file, const QByteArray& key,
                                            const KeyTable& table, Match match, size_t most)
{
    std::vector<Record> found;
    QFile in(file.path());
    if (!in.open(QIODevice::ReadOnly)) {
        return Status::failure(describe(FileAccess::tr("Could not open"), in));
    }
    const qint64 floor = textStart(in);
    bool utf8 = true;
    for (const std::uint32_t candidate : table.find(tagOf(key))) {
        if (candidate >= records_.size() || records_[candidate].offset < 0) {
            continue; // a record removed by a rewrite
        }
        const RecordStart start = records_[candidate];
        const qint64 lineStart = lineStartOf(in, start.offset, floor);
        std::optional<RecordBuilder> builder;
        bool matched = false;
        bool inNumbers = false;
        const ScanStart from{
            lineStart, {qsizetype(start.offset - lineStart), start.pendingEmpty}, true, 4096};
        const bool read = scanFile(in, from, utf8, [&](const Step& step) {
            if (step.endLine) {
                return false;
            }
            const QString raw = step.decoder.raw(step.field);
            if (!builder) {
                builder.emplace(raw);
                matched = match(raw, true, inNumbers);
                return true;
            }
            builder->add(raw);
            matched = matched || match(raw, false, inNumbers);
            return true;
        });
        if (!read) {
            return Status::failure(describe(FileAccess::tr("Could not read"), in));
        }
        if (matched && builder) {
            found.push_back(builder->take());
            if (found.size() >= most) {
                break;
            }
        }
    }
    return found;
}

// The first record a find gave, if any.
static Result<std::optional<Record>> firstOf(Result<std::vector<Record>> found)
{
    if (!found) {
        return Status::failure(found.error());
    }
    if (found->empty()) {
        return std::optional<Record>();
    }
    return std::optional(std::move(found.value().front()));
}

Status BookIndex::prepareForCallers(const PhoneBookFile& file)
{
    const bool ready = indexEnds_ && current(file) && endsStamp_ == stamp_;
    indexEnds_ = true;
    return ready ? Status::success() : build(file, nullptr);
}

Result<std::optional<Record>> BookIndex::findByName(const PhoneBookFile& file, const QString& name)
{
    if (!current(file)) {
        if (Status built = build(file, nullptr); !built) {
            return built;
        }
    }
    return firstOf(
        find(file, name.toUtf8(), names_, [&name](const QString& raw, bool nameLine, bool&) {
            return nameLine && vennor::fieldText(raw) == name;
        }));
}

Result<std::optional<Record>> BookIndex::findByNumber(const PhoneBookFile& file,
                                                      const QString& number)
{
    if (!current(file)) {
        if (Status built = build(file, nullptr); !built) {
            return built;
        }
    }
    if (number.isEmpty()) {
        return std::optional<Record>();
    }
    return firstOf(find(file, number.toUtf8(), numbers_,
                        [&number](const QString& raw, bool nameLine, bool& inNumbers) {
                            if (nameLine) {
                                return false;
                            }
                            inNumbers = inNumbers || looksLikeNumberLine(raw);
                            return inNumbers && !raw.isEmpty() &&
                                   QStringView(raw).sliced(1) == number;
                        }));
}

Result<std::vector<Record>> BookIndex::findByNumberEnd(const PhoneBookFile& file,
                                                       QStringView digits)
{
    if (Status prepared = prepareForCallers(file); !prepared) {
        return prepared;
    }
    const std::optional<QByteArray> end = numberEnd(digits.toUtf8());
    if (!end) {
        return std::vector<Record>();
    }
    return find(
        file, *end, numberEnds_,
        [&end](const QString& raw, bool nameLine, bool& inNumbers) {
            if (nameLine) {
                return false;
            }
            inNumbers = inNumbers || looksLikeNumberLine(raw);
            return inNumbers && !raw.isEmpty() &&
                   numberEnd(QStringView(raw).sliced(1).toUtf8()) == end;
        },
        size_t(-1));
}

Status BookIndex::append(const PhoneBookFile& file, const Record& record)
{
    // Only a known file that is all UTF-8, has text and no open quote takes the short way;
    // any other goes the whole way and is read again at the next lookup.
    if (!current(file) || !allUtf8_ || openQuote_ || stamp_.size <= kByteOrderMark.size()) {
        return file.append(record);
    }
    QFile out(file.path());
    if (!out.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        return Status::failure(describe(FileAccess::tr("Could not open"), out));
    }
    const qint64 size = stamp_.size;
    if (!out.seek(size - 2)) {
        return Status::failure(describe(FileAccess::tr("Could not read"), out));
    }
    const QByteArray tail = out.read(2);
    QByteArray added = tail.endsWith('\n')   ? QByteArray()
                       : tail.endsWith('\r') ? QByteArray("\n")
                                             : QByteArray("\r\n");
    if (!closed_) {
        added += ")\r\n"; // a record left open would take the new one in as its own fields
    }
    added += recordText(record).toUtf8();
    if (!out.seek(size) || !writeAll(out, added)) {
        const QString why = describe(FileAccess::tr("Could not add to"), out);
        out.resize(size); // never leave half a record behind
        path_.clear();
        return Status::failure(why);
    }
    out.close();
    if (out.error() != QFileDevice::NoError) {
        path_.clear();
        return Status::failure(describe(FileAccess::tr("Could not add to"), out));
    }
    // Read again from the last record on: it may have been the one closed above.
    const Stamp after = stampOf(file.path());
    size_t resume = records_.size();
    while (resume > 0 && records_[resume - 1].offset < 0) {
        --resume;
    }
    resume = resume == 0 ? 0 : resume - 1;
    if (!scanFrom(file.path(), resume, nullptr)) {
        path_.clear();
        return Status::success(); // written; the index is built afresh at the next lookup
    }
    if (endsStamp_ == stamp_) {
        endsStamp_ = after;
    }
    stamp_ = after;
    return Status::success();
}

} // namespace vennor
