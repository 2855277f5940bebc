#include "storage/bookindex.h"

#include "storage/bookscan.h"
#include "storage/bytefields.h"
#include "storage/fields.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <algorithm>

namespace vennor {
namespace {

using bytefields::Field;
using bytefields::Reader;

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");
constexpr qint64 kChunk = 1 << 20;

std::uint32_t tagOf(QByteArrayView key)
{
    const auto hash = std::uint64_t(qHash(key, 0));
    return std::uint32_t(hash ^ (hash >> 32));
}

QString describe(const QString& what, const QFileDevice& file)
{
    return QStringLiteral("%1 %2: %3")
        .arg(what, QFileInfo(file.fileName()).fileName(), file.errorString());
}

// Where the file's text begins: after its byte order mark, if it has one.
qint64 textStart(QFile& file)
{
    if (!file.seek(0)) {
        return 0;
    }
    return file.peek(kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
}

// The start of the line holding offset.
qint64 lineStartOf(QFile& file, qint64 offset, qint64 floor)
{
    qint64 pos = offset;
    while (pos > floor) {
        const qint64 from = std::max(floor, pos - 4096);
        if (!file.seek(from)) {
            return floor;
        }
        const QByteArray block = file.read(pos - from);
        const qsizetype lineFeed = block.lastIndexOf('\n');
        if (lineFeed >= 0) {
            return from + lineFeed + 1;
        }
        pos = from;
    }
    return floor;
}

bool writeAll(QFileDevice& file, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qint64 done = file.write(bytes.data(), bytes.size());
        if (done <= 0) {
            return false;
        }
        bytes = bytes.sliced(done);
    }
    return true;
}

// One field met by a scan, with what tells it apart.
struct Step
{
    QByteArrayView bytes; // the whole buffer, which starts at a line start
    Field field;
    const bytefields::Decoder& decoder;
    qint64 base; // the file offset of bytes
    Reader::State before;
    bool nameLine;
    bool endLine;
    bool openQuote;

    QByteArrayView view() const { return bytes.sliced(field.begin, field.end - field.begin); }
};

struct ScanStart
{
    qint64 lineStart;
    Reader::State state; // pos counted from lineStart
    bool recordStart = true;
    qint64 chunk = kChunk; // a lookup reads little at a time: a record is short
};

// Walks the fields of the file from start, a chunk of whole lines at a time, calling visit
// for each until it returns false or the file ends. allUtf8 is cleared when a line is not
// UTF-8.
template <typename Visit> bool scanFile(QFile& file, ScanStart start, bool& allUtf8, Visit visit)
{
    if (!file.seek(start.lineStart)) {
        return false;
    }
    qint64 base = start.lineStart;
    Reader::State state = start.state;
    bool recordStart = start.recordStart;
    QByteArray buffer;
    qint64 want = start.chunk;
    for (;;) {
        const QByteArray more = file.read(want);
        if (file.error() != QFileDevice::NoError) {
            return false;
        }
        buffer.append(more);
        const bool last = more.size() < want || file.atEnd();
        const qsizetype cut = last ? buffer.size() : buffer.lastIndexOf('\n') + 1;
        if (cut <= 0 && !last) {
            want *= 2; // a line longer than a chunk
            continue;
        }
        const QByteArrayView bytes = QByteArrayView(buffer).first(cut);
        const bool utf8 = bytefields::isUtf8(bytes);
        allUtf8 = allUtf8 && utf8;
        const bytefields::Decoder decoder(bytes, utf8);
        Reader reader(bytes, state, last);
        for (;;) {
            const Reader::State before = reader.state();
            const std::optional<Field> field = reader.next();
            if (!field) {
                break;
            }
            const QByteArrayView view = bytes.sliced(field->begin, field->end - field->begin);
            const bool endLine = bytefields::isEndLine(view);
            const Step step{bytes,   *field,
                            decoder, base,
                            before,  recordStart && !endLine,
                            endLine, reader.openQuote()};
            recordStart = endLine;
            if (!visit(step)) {
                return true;
            }
        }
        state = reader.state();
        if (last && !reader.cutOff()) {
            return true;
        }
        // Keep what is not read yet: the rest of the chunk, or a quoted field cut off by it.
        buffer.remove(0, state.pos);
        base += state.pos;
        state.pos = 0;
        want = reader.cutOff() ? std::max(want * 2, qint64(buffer.size())) : start.chunk;
    }
}

// The number as findByNumber compares it: a field without its first character.
QByteArray numberKey(QByteArrayView raw)
{
    if (raw.isEmpty() || static_cast<unsigned char>(raw.front()) < 0x80) {
        return raw.sliced(std::min<qsizetype>(1, raw.size())).toByteArray();
    }
    return QString::fromUtf8(raw).sliced(1).toUtf8();
}

// The same from a scan, in the buffer where its bytes are the key already, else in scratch.
QByteArrayView numberKey(const Step& step, QByteArray& scratch)
{
    const QByteArrayView view = step.view();
    if (view.isEmpty()) {
        return {};
    }
    const bool ascii = static_cast<unsigned char>(view.front()) < 0x80;
    if (ascii && step.decoder.asIs(step.field)) {
        return view.sliced(1);
    }
    scratch = ascii ? step.decoder.rawUtf8({step.field.begin + 1, step.field.end})
                    : step.decoder.raw(step.field).sliced(1).toUtf8();
    return scratch;
}

// A name line's text as UTF-8 (line breaks inside as LF), likewise.
QByteArrayView nameText(const Step& step, QByteArray& scratch)
{
    const QByteArrayView view = step.view();
    if (step.decoder.asIs(step.field) && !view.contains('\r')) {
        return view;
    }
    scratch = bytefields::fieldText(step.decoder.rawUtf8(step.field));
    return scratch;
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
    allUtf8_ = true;
    closed_ = true;
    openQuote_ = false;
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
    if (listing) {
        listing->names.reserve(qsizetype(size / 4), qsizetype(records));
        listing->numbers.reserve(qsizetype(size / 4), qsizetype(records * 3));
    }
}

// Scans from the start of record firstRecord (from the file's start when there is none),
// dropping that record and every later one first, and adds what it finds.
Status BookIndex::scanFrom(const QString& path, size_t firstRecord, CompactListing* listing,
                           std::optional<qint64> lineStart)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(describe(QStringLiteral("Could not open"), file));
    }
    const qint64 floor = textStart(file);
    ScanStart start{floor, {}, true};
    if (lineStart) {
        start.lineStart = *lineStart; // a line that starts a record
    } else if (firstRecord < records_.size()) {
        const RecordStart record = records_[firstRecord];
        start.lineStart = lineStartOf(file, record.offset, floor);
        start.state = {qsizetype(record.offset - start.lineStart), record.pendingEmpty};
        records_.resize(firstRecord);
    }
    bool inNumbers = false;
    QByteArray scratch;
    const bool scanned = scanFile(file, start, allUtf8_, [&](const Step& step) {
        const QByteArrayView view = step.view();
        closed_ = step.endLine;
        openQuote_ = step.openQuote;
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
            numbers_.insert(tagOf(numberKey(step, scratch)), std::uint32_t(records_.size() - 1));
        }
        return true;
    });
    names_.seal();
    numbers_.seal();
    if (!scanned) {
        return Status::failure(describe(QStringLiteral("Could not read"), file));
    }
    return Status::success();
}

// The first record among the table's candidates for key that match accepts.
template <typename Match>
Result<std::optional<Record>> BookIndex::find(const PhoneBookFile& file, const QByteArray& key,
                                              const KeyTable& table, Match match)
{
    QFile in(file.path());
    if (!in.open(QIODevice::ReadOnly)) {
        return Status::failure(describe(QStringLiteral("Could not open"), in));
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
            return Status::failure(describe(QStringLiteral("Could not read"), in));
        }
        if (matched && builder) {
            return std::optional(builder->take());
        }
    }
    return std::optional<Record>();
}

Result<std::optional<Record>> BookIndex::findByName(const PhoneBookFile& file, const QString& name)
{
    if (!current(file)) {
        if (Status built = build(file, nullptr); !built) {
            return built;
        }
    }
    return find(file, name.toUtf8(), names_, [&name](const QString& raw, bool nameLine, bool&) {
        return nameLine && vennor::fieldText(raw) == name;
    });
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
    return find(file, number.toUtf8(), numbers_,
                [&number](const QString& raw, bool nameLine, bool& inNumbers) {
                    if (nameLine) {
                        return false;
                    }
                    inNumbers = inNumbers || looksLikeNumberLine(raw);
                    return inNumbers && !raw.isEmpty() && QStringView(raw).sliced(1) == number;
                });
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
        return Status::failure(describe(QStringLiteral("Could not open"), out));
    }
    const qint64 size = stamp_.size;
    if (!out.seek(size - 2)) {
        return Status::failure(describe(QStringLiteral("Could not read"), out));
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
        const QString why = describe(QStringLiteral("Could not add to"), out);
        out.resize(size); // never leave half a record behind
        path_.clear();
        return Status::failure(why);
    }
    out.close();
    if (out.error() != QFileDevice::NoError) {
        path_.clear();
        return Status::failure(describe(QStringLiteral("Could not add to"), out));
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
    stamp_ = after;
    return Status::success();
}

Status BookIndex::rewriteWithout(const PhoneBookFile& file, const QString& name,
                                 const QByteArray& tail, bool& found)
{
    found = false;
    if (Status status = file.usable(); !status) {
        return status;
    }
    QFile in(file.path());
    if (!in.open(QIODevice::ReadOnly)) {
        return Status::failure(describe(QStringLiteral("Could not open"), in));
    }
    QSaveFile out(file.path());
    // Unbuffered, so that a failed write shows at once instead of being lost in a late flush.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return Status::failure(describe(QStringLiteral("Could not write"), out));
    }
    const QByteArray key = name.toUtf8();
    // The new file's index comes from the fields as written: a current index keeps its tables
    // and only moves its records (the removed ones marked), any other is built afresh.
    const bool reuse = current(file);
    path_.clear();
    if (!reuse) {
        records_.clear();
        names_.clear();
        numbers_.clear();
    }
    size_t oldRecord = 0;
    // The index's next record still in the file, past those an earlier rewrite removed.
    const auto nextLive = [&] {
        while (oldRecord < records_.size() && records_[oldRecord].offset < 0) {
            ++oldRecord;
        }
    };
    bool exact = true; // every field written reads back as it was
    bool inNumbers = false;
    qint64 flushed = 0;
    bool marked = false;
    QByteArray pending;
    bool started = false;
    bool written = true;
    // Text that itself begins with U+FEFF gets a mark in front, as the plain rewrite does.
    const auto flush = [&] {
        if (!started && pending.startsWith(kByteOrderMark)) {
            pending.prepend(kByteOrderMark);
            marked = true;
        }
        flushed += pending.size();
        started = started || !pending.isEmpty();
        written = written && writeAll(out, pending);
        pending.clear();
    };
    bool dropping = false;
    bool endsInEndLine = true;
    bool utf8 = true;
    const bool read = scanFile(in, {textStart(in), {}, true}, utf8, [&](const Step& step) {
        if (dropping) {
            dropping = !step.endLine;
            return true;
        }
        // Most fields pass as they stand; only lines of Windows-1252 are converted.
        const QByteArray converted =
            step.decoder.asIs(step.field) ? QByteArray() : step.decoder.rawUtf8(step.field);
        const QByteArrayView raw = converted.isNull() ? step.view() : QByteArrayView(converted);
        if (step.nameLine) {
            nextLive();
        }
        if (step.nameLine &&
            (raw.contains('\r') ? bytefields::fieldText(raw.toByteArray()) == key : raw == key)) {
            dropping = true;
            found = true;
            if (reuse && oldRecord < records_.size()) {
                records_[oldRecord].offset = -1;
            }
            ++oldRecord;
            return true;
        }
        const bool bare = step.endLine || step.nameLine;
        const qint64 at = flushed + pending.size() - (marked ? kByteOrderMark.size() : 0);
        exact = bytefields::appendField(pending, raw,
                                        bare ? bytefields::Form::bare : bytefields::Form::quoted) &&
                exact;
        endsInEndLine = step.endLine;
        if (reuse) {
            if (step.nameLine) {
                exact = exact && oldRecord < records_.size();
                if (exact) {
                    records_[oldRecord] = {at, false};
                }
                ++oldRecord;
            }
        } else if (step.nameLine) {
            records_.push_back({at, false});
            names_.insert(tagOf(bytefields::fieldText(raw.toByteArray())),
                          std::uint32_t(records_.size() - 1));
            inNumbers = false;
        } else if (step.endLine) {
            inNumbers = false;
        } else {
            inNumbers = inNumbers || bytefields::looksLikeNumberLine(raw);
            if (inNumbers && !raw.isEmpty() && !records_.empty()) {
                numbers_.insert(tagOf(numberKey(raw)), std::uint32_t(records_.size() - 1));
            }
        }
        if (pending.size() >= kChunk) {
            flush();
        }
        return written;
    });
    names_.seal();
    numbers_.seal();
    if (!read) {
        out.cancelWriting();
        return Status::failure(describe(QStringLiteral("Could not read"), in));
    }
    if (!found) {
        out.cancelWriting();
        return Status::success();
    }
    if (!tail.isEmpty() && !endsInEndLine) {
        pending += ")\r\n";
    }
    // Where the added record starts, counted without a byte order mark written first.
    const qint64 tailAt = flushed + pending.size() - (marked ? kByteOrderMark.size() : 0);
    pending += tail;
    flush();
    if (!written) {
        const QString why = describe(QStringLiteral("Could not write"), out);
        out.cancelWriting();
        return Status::failure(why);
    }
    if (!out.commit()) {
        return Status::failure(describe(QStringLiteral("Could not save"), out));
    }
    nextLive();
    if (exact && (!reuse || oldRecord == records_.size())) {
        keepRewrittenIndex(file.path(), marked, endsInEndLine,
                           tail.isEmpty() ? std::nullopt : std::optional(tailAt));
    }
    return Status::success();
}

// Takes the index built during a rewrite for the file's: offsets moved behind a byte order
// mark written first, and the added record read from the file.
void BookIndex::keepRewrittenIndex(const QString& path, bool marked, bool closed,
                                   std::optional<qint64> added)
{
    const qint64 shift = marked ? kByteOrderMark.size() : 0;
    for (RecordStart& record : records_) {
        record.offset += record.offset >= 0 ? shift : 0;
    }
    path_ = path;
    stamp_ = stampOf(path);
    allUtf8_ = true;
    openQuote_ = false;
    closed_ = closed;
    if (added && !scanFrom(path, 0, nullptr, *added + shift)) {
        path_.clear();
    }
}

Status BookIndex::removeAll(const PhoneBookFile& file, const QString& name)
{
    bool found = false;
    return rewriteWithout(file, name, {}, found);
}

Status BookIndex::replace(const PhoneBookFile& file, const Record& record)
{
    bool found = false;
    const Status rewritten =
        rewriteWithout(file, trimBlanks(record.name.toLower()), recordText(record).toUtf8(), found);
    if (!rewritten || found) {
        return rewritten;
    }
    return append(file, record);
}

} // namespace vennor
