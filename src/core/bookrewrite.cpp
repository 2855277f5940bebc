#include "core/bookindex.h"

#include "core/bookscanning.h"
#include "core/bytefields.h"
#include "core/fields.h"
#include "core/filetexts.h"

#include <QSaveFile>

namespace vennor {

using namespace bookscan;

namespace {

bool namedAs(QByteArrayView rawUtf8, const QByteArray& key)
{
    return rawUtf8.contains('\r') ? bytefields::fieldText(rawUtf8.toByteArray()) == key
                                  : rawUtf8 == key;
}

// Adds a field of a dropped record to what PhoneBookFile::listNamed gives for it.
void addToRemoved(Listing& removed, const Step& step)
{
    ++removed.fieldCount;
    const QByteArray text = step.decoder.rawUtf8(step.field);
    if (step.nameLine) {
        removed.names.append(TextList::decode(bytefields::fieldText(text)));
    } else if (bytefields::looksLikeNumberLine(text) &&
               bytefields::isNumeric(QByteArrayView(text).sliced(1))) {
        removed.numbers.append(TextList::decode(QByteArrayView(text).sliced(1)));
    }
}

} // namespace

// The new file as it goes out, a chunk at a time. Text that itself begins with U+FEFF gets a
// byte order mark in front, as the plain rewrite does; size() does not count that mark.
class BookIndex::Output
{
public:
    explicit Output(QSaveFile& file) : file_(file) {}

    QByteArray& pending() { return pending_; }
    qint64 size() const { return written_ + pending_.size(); }
    bool marked() const { return marked_; }
    bool ok() const { return ok_; }

    void add(QByteArrayView bytes)
    {
        if (pending_.size() + bytes.size() < kChunk) {
            pending_.append(bytes);
            return;
        }
        flush();
        write(bytes);
    }
    void flushWhenFull()
    {
        if (pending_.size() >= kChunk) {
            flush();
        }
    }
    void flush()
    {
        write(pending_);
        pending_.clear();
    }

private:
    void write(QByteArrayView bytes)
    {
        if (bytes.isEmpty()) {
            return;
        }
        if (written_ == 0 && bytes.startsWith(kByteOrderMark)) {
            ok_ = ok_ && writeAll(file_, kByteOrderMark);
            marked_ = true;
        }
        ok_ = ok_ && writeAll(file_, bytes);
        written_ += bytes.size();
    }

    QSaveFile& file_;
    QByteArray pending_;
    qint64 written_ = 0;
    bool marked_ = false;
    bool ok_ = true;
};

// The records named key that begin before end, in the part that stands as rewritten: where
// each begins and ends (after its end line), with their entries added to removed.
Result<std::vector<BookIndex::Dropped>> BookIndex::namedBefore(QFile& in, const QByteArray& key,
                                                               qint64 end, Listing& removed) const
{
    std::vector<Dropped> dropped;
    for (const std::uint32_t candidate : names_.find(tagOf(key))) {
        if (candidate >= records_.size() || records_[candidate].offset < 0 ||
            records_[candidate].offset >= end) {
            continue;
        }
        const qint64 begin = records_[candidate].offset;
        Listing entries;
        qint64 recordEnd = -1;
        bool utf8 = true;
        const bool read = scanFile(in, {begin, {}, true, 4096}, utf8, [&](const Step& step) {
            if (step.endLine) {
                recordEnd = step.base + step.field.end + 2; // after ")" CR LF
                return false;
            }
            if (step.nameLine && !namedAs(step.decoder.rawUtf8(step.field), key)) {
                return false;
            }
            addToRemoved(entries, step);
            return true;
        });
        if (!read) {
            return Status::failure(describe(FileAccess::tr("Could not read"), in));
        }
        if (recordEnd > 0) {
            dropped.push_back({candidate, begin, recordEnd});
            removed.names += entries.names;
            removed.numbers += entries.numbers;
            removed.fieldCount += entries.fieldCount;
        }
    }
    return dropped;
}

// Copies [from, to) of the file but the dropped records, and moves the index's records of that
// part to their new places. Gives the first record after it, or nullopt on a failed read.
std::optional<size_t> BookIndex::copyAsWritten(QFile& in, Output& output, qint64 from, qint64 to,
                                               const std::vector<Dropped>& dropped)
{
    QByteArray buffer;
    const auto copy = [&](qint64 begin, qint64 end) {
        if (begin < end && !in.seek(begin)) {
            return false;
        }
        for (qint64 at = begin; at < end;) {
            buffer = in.read(std::min(kChunk, end - at));
            if (buffer.isEmpty()) {
                return false;
            }
            output.add(buffer);
            at += buffer.size();
        }
        return true;
    };
    qint64 at = from;
    for (const Dropped& record : dropped) {
        if (!copy(at, record.begin)) {
            return std::nullopt;
        }
        at = record.end;
    }
    if (!copy(at, to)) {
        return std::nullopt;
    }
    qint64 shift = from; // the new file has no byte order mark of its own
    auto next = dropped.cbegin();
    size_t i = 0;
    for (; i < records_.size(); ++i) {
        RecordStart& record = records_[i];
        if (record.offset < 0) {
            continue;
        }
        if (record.offset >= to) {
            break;
        }
        if (next != dropped.cend() && next->record == i) {
            shift += next->end - next->begin;
            record.offset = -1;
            ++next;
            continue;
        }
        record.offset -= shift;
    }
    return i;
}

Result<Listing> BookIndex::rewriteWithout(const PhoneBookFile& file, const QString& name,
                                          const QByteArray& tail)
{
    if (Status status = file.usable(); !status) {
        return status;
    }
    QFile in(file.path());
    if (!in.open(QIODevice::ReadOnly)) {
        return Status::failure(describe(FileAccess::tr("Could not open"), in));
    }
    QSaveFile out(file.path());
    // Unbuffered, so that a failed write shows at once instead of being lost in a late flush.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return Status::failure(describe(FileAccess::tr("Could not write"), out));
    }
    const QByteArray key = name.toUtf8();
    // The new file's index comes from the fields as written: a current index keeps its tables
    // and only moves its records (the removed ones marked), any other is built afresh.
    const bool reuse = current(file);
    const qint64 start = textStart(in);
    const qint64 asWrittenEnd = reuse ? std::max(rewrittenUpTo_, start) : start;
    path_.clear();
    if (!reuse) {
        records_.clear();
        names_.clear();
        numbers_.clear();
    }
    Output output(out);
    Listing removed;
    const auto dropped = namedBefore(in, key, asWrittenEnd, removed);
    if (!dropped) {
        return Status::failure(dropped.error());
    }
    const std::optional<size_t> afterCopy =
        copyAsWritten(in, output, start, asWrittenEnd, *dropped);
    if (!afterCopy) {
        return Status::failure(describe(FileAccess::tr("Could not read"), in));
    }
    size_t oldRecord = *afterCopy;
    qint64 asWrittenTo = output.size(); // after the last end line written
    // The index's next record still in the file, past those an earlier rewrite removed.
    const auto nextLive = [&] {
        while (oldRecord < records_.size() && records_[oldRecord].offset < 0) {
            ++oldRecord;
        }
    };
    bool exact = true; // every field written reads back as it was
    bool inNumbers = false;
    bool dropping = false;
    bool endsInEndLine = true; // what was copied ends in an end line
    bool utf8 = true;
    // The rest, field by field.
    const bool read = scanFile(in, {asWrittenEnd, {}, true}, utf8, [&](const Step& step) {
        if (dropping) {
            dropping = !step.endLine;
            if (dropping) {
                addToRemoved(removed, step);
            }
            return true;
        }
        // Most fields pass as they stand; only lines of Windows-1252 are converted.
        const QByteArray converted =
            step.decoder.asIs(step.field) ? QByteArray() : step.decoder.rawUtf8(step.field);
        const QByteArrayView raw = converted.isNull() ? step.view() : QByteArrayView(converted);
        if (step.nameLine) {
            nextLive();
        }
        if (step.nameLine && namedAs(raw, key)) {
            dropping = true;
            addToRemoved(removed, step);
            if (reuse && oldRecord < records_.size()) {
                records_[oldRecord].offset = -1;
            }
            ++oldRecord;
            return true;
        }
        const bool bare = step.endLine || step.nameLine;
        const qint64 at = output.size();
        exact = bytefields::appendField(output.pending(), raw,
                                        bare ? bytefields::Form::bare : bytefields::Form::quoted) &&
                exact;
        endsInEndLine = step.endLine;
        if (step.endLine) {
            asWrittenTo = output.size();
        }
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
        output.flushWhenFull();
        return output.ok();
    });
    names_.seal();
    numbers_.seal();
    if (!read) {
        out.cancelWriting();
        return Status::failure(describe(FileAccess::tr("Could not read"), in));
    }
    if (removed.names.isEmpty()) {
        out.cancelWriting();
        return removed;
    }
    if (!tail.isEmpty() && !endsInEndLine) {
        output.add(")\r\n");
    }
    // Where the added record starts, counted without a byte order mark written first.
    const qint64 tailAt = output.size();
    asWrittenTo = tail.isEmpty() ? asWrittenTo : tailAt;
    output.add(tail);
    output.flush();
    if (!output.ok()) {
        const QString why = describe(FileAccess::tr("Could not write"), out);
        out.cancelWriting();
        return Status::failure(why);
    }
    if (!out.commit()) {
        return Status::failure(describe(FileAccess::tr("Could not save"), out));
    }
    nextLive();
    if (exact && (!reuse || oldRecord == records_.size())) {
        keepRewrittenIndex(file.path(), output.marked(), endsInEndLine,
                           tail.isEmpty() ? std::nullopt : std::optional(tailAt), asWrittenTo);
    }
    return removed;
}

// Takes the index built during a rewrite for the file's: offsets moved behind a byte order
// mark written first, and the added record read from the file.
void BookIndex::keepRewrittenIndex(const QString& path, bool marked, bool closed,
                                   std::optional<qint64> added, qint64 asWrittenTo)
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
    rewrittenUpTo_ = asWrittenTo + shift;
    if (added && !scanFrom(path, 0, nullptr, *added + shift)) {
        path_.clear();
    }
}

Result<Listing> BookIndex::removeAll(const PhoneBookFile& file, const QString& name)
{
    return rewriteWithout(file, name, {});
}

Result<Listing> BookIndex::replace(const PhoneBookFile& file, const Record& record)
{
    const Result<Listing> rewritten =
        rewriteWithout(file, trimBlanks(record.name.toLower()), recordText(record).toUtf8());
    if (!rewritten || !rewritten->names.isEmpty()) {
        return rewritten;
    }
    if (Status appended = append(file, record); !appended) {
        return appended;
    }
    return Listing{};
}

} // namespace vennor
