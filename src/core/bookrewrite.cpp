// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

// The new file as it goes out, a chunk at a time. Text that itself begins with U+FEFF gets a
// byte order mark in front, as the plain rewrite does; size() does not count that mark.
class Output
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

} // namespace

// One rewrite of a book without the records named key, written as it is read: its settled
// part is copied as it stands but for those records, the rest goes field by field. The index
// follows: a current one keeps its tables and moves its records (the removed ones marked),
// any other is built afresh from the fields as written.
class BookIndex::Rewrite
{
public:
    Rewrite(BookIndex& index, QFile& in, QSaveFile& out, QByteArray key, bool reuse)
        : index_(index), in_(in), out_(out), output_(out), key_(std::move(key)), reuse_(reuse)
    {
    }

    // The new file, then tail; the file stays untouched when no record has the name.
    Result<Listing> run(const QString& path, const QByteArray& tail)
    {
        const qint64 start = textStart(in_);
        const qint64 settledEnd = reuse_ ? std::max(index_.settledEnd_, start) : start;
        if (Status copied = copySettled(start, settledEnd); !copied) {
            return copied;
        }
        bool allUtf8 = true; // what the new file is made of is, whatever the old one held
        const bool read = scanFile(in_, {settledEnd, {}, true}, allUtf8,
                                   [this](const Step& step) { return take(step); });
        index_.names_.seal();
        index_.numbers_.seal();
        if (!read) {
            out_.cancelWriting();
            return Status::failure(describe(FileAccess::tr("Could not read"), in_));
        }
        if (removed_.names.isEmpty()) {
            out_.cancelWriting();
            return removed_;
        }
        const std::optional<qint64> tailAt = addTail(tail);
        if (Status saved = save(); !saved) {
            return saved;
        }
        skipRemoved();
        if (exact_ && (!reuse_ || next_ == index_.records_.size())) {
            keepIndex(path, tailAt);
        }
        return removed_;
    }

private:
    struct Dropped
    {
        size_t record;
        qint64 begin;
        qint64 end;
    };

    // Copies the settled part [start, end) but the records named key, and moves the index's
    // records of that part to their new places.
    Status copySettled(qint64 start, qint64 end)
    {
        const Result<std::vector<Dropped>> dropped = droppedBefore(end);
        if (!dropped) {
            return Status::failure(dropped.error());
        }
        qint64 at = start;
        for (const Dropped& record : *dropped) {
            if (!copy(at, record.begin)) {
                return Status::failure(describe(FileAccess::tr("Could not read"), in_));
            }
            at = record.end;
        }
        if (!copy(at, end)) {
            return Status::failure(describe(FileAccess::tr("Could not read"), in_));
        }
        moveCopied(start, end, *dropped);
        settledEnd_ = output_.size();
        return Status::success();
    }

    // The records named key that begin before end, in the settled part: where each begins
    // and ends (after its end line), with their entries added to the removed ones.
    Result<std::vector<Dropped>> droppedBefore(qint64 end)
    {
        std::vector<Dropped> dropped;
        const std::vector<RecordStart>& records = index_.records_;
        for (const std::uint32_t candidate : index_.names_.find(tagOf(key_))) {
            if (candidate >= records.size() || records[candidate].offset < 0 ||
                records[candidate].offset >= end) {
                continue;
            }
            const qint64 begin = records[candidate].offset;
            const Result<std::optional<qint64>> recordEnd = endOfNamed(begin);
            if (!recordEnd) {
                return Status::failure(recordEnd.error());
            }
            if (*recordEnd) {
                dropped.push_back({candidate, begin, **recordEnd});
            }
        }
        return dropped;
    }

    // Where the record at begin ends if it has the name, its entries then added to the
    // removed ones; nullopt for a record of another name that shares the key's tag.
    Result<std::optional<qint64>> endOfNamed(qint64 begin)
    {
        Listing entries;
        std::optional<qint64> end;
        bool allUtf8 = true; // the settled part is
        const bool read = scanFile(in_, {begin, {}, true, 4096}, allUtf8, [&](const Step& step) {
            if (step.endLine) {
                end = step.base + step.field.end + 2; // after ")" CR LF
                return false;
            }
            if (step.nameLine && !namedAs(step.decoder.rawUtf8(step.field), key_)) {
                return false;
            }
            addToRemoved(entries, step);
            return true;
        });
        if (!read) {
            return Status::failure(describe(FileAccess::tr("Could not read"), in_));
        }
        if (end) {
            removed_.names += entries.names;
            removed_.numbers += entries.numbers;
            removed_.fieldCount += entries.fieldCount;
        }
        return end;
    }

    bool copy(qint64 begin, qint64 end)
    {
        if (begin < end && !in_.seek(begin)) {
            return false;
        }
        for (qint64 at = begin; at < end;) {
            const QByteArray buffer = in_.read(std::min(kChunk, end - at));
            if (buffer.isEmpty()) {
                return false;
            }
            output_.add(buffer);
            at += buffer.size();
        }
        return true;
    }

    // The index's records of the part copied, at their places in the new file (which has no
    // byte order mark of its own); the dropped ones marked removed.
    void moveCopied(qint64 start, qint64 end, const std::vector<Dropped>& dropped)
    {
        std::vector<RecordStart>& records = index_.records_;
        qint64 shift = start;
        auto nextDropped = dropped.cbegin();
        for (; next_ < records.size(); ++next_) {
            RecordStart& record = records[next_];
            if (record.offset < 0) {
                continue;
            }
            if (record.offset >= end) {
                break;
            }
            if (nextDropped != dropped.cend() && nextDropped->record == next_) {
                shift += nextDropped->end - nextDropped->begin;
                record.offset = -1;
                ++nextDropped;
                continue;
            }
            record.offset -= shift;
        }
    }

    // One field of the part after the settled one: dropped, or written and indexed.
    bool take(const Step& step)
    {
        if (dropping_) {
            dropping_ = !step.endLine;
            if (dropping_) {
                addToRemoved(removed_, step);
            }
            return true;
        }
        // Most fields pass as they stand; only lines of Windows-1252 are converted.
        const QByteArray converted =
            step.decoder.asIs(step.field) ? QByteArray() : step.decoder.rawUtf8(step.field);
        const QByteArrayView raw = converted.isNull() ? step.view() : QByteArrayView(converted);
        if (step.nameLine) {
            skipRemoved();
            if (namedAs(raw, key_)) {
                startDropping(step);
                return true;
            }
        }
        const qint64 at = output_.size();
        write(step, raw);
        if (!reuse_) {
            addToIndex(step, raw, at);
        } else if (step.nameLine) {
            moveRecord(at);
        }
        output_.flushWhenFull();
        return output_.ok();
    }

    void startDropping(const Step& step)
    {
        dropping_ = true;
        addToRemoved(removed_, step);
        if (reuse_ && next_ < index_.records_.size()) {
            index_.records_[next_].offset = -1;
        }
        ++next_;
    }

    void write(const Step& step, QByteArrayView raw)
    {
        const bool bare = step.endLine || step.nameLine;
        exact_ =
            bytefields::appendField(output_.pending(), raw,
                                    bare ? bytefields::Form::bare : bytefields::Form::quoted) &&
            exact_;
        closed_ = step.endLine;
        if (step.endLine) {
            settledEnd_ = output_.size();
        }
    }

    // The index's next record, written at at.
    void moveRecord(qint64 at)
    {
        exact_ = exact_ && next_ < index_.records_.size();
        if (exact_) {
            index_.records_[next_] = {at, false};
        }
        ++next_;
    }

    void addToIndex(const Step& step, QByteArrayView raw, qint64 at)
    {
        std::vector<RecordStart>& records = index_.records_;
        if (step.nameLine) {
            records.push_back({at, false});
            index_.names_.insert(tagOf(bytefields::fieldText(raw.toByteArray())),
                                 std::uint32_t(records.size() - 1));
            inNumbers_ = false;
        } else if (step.endLine) {
            inNumbers_ = false;
        } else {
            inNumbers_ = inNumbers_ || bytefields::looksLikeNumberLine(raw);
            if (inNumbers_ && !raw.isEmpty() && !records.empty()) {
                index_.numbers_.insert(tagOf(numberKey(raw)), std::uint32_t(records.size() - 1));
            }
        }
    }

    // Past the index's records an earlier rewrite removed, to the next still in the file.
    void skipRemoved()
    {
        const std::vector<RecordStart>& records = index_.records_;
        while (next_ < records.size() && records[next_].offset < 0) {
            ++next_;
        }
    }

    // Adds tail, closing a record left open first; gives where it starts, counted without a
    // byte order mark written first. The new file is settled up to there.
    std::optional<qint64> addTail(const QByteArray& tail)
    {
        if (tail.isEmpty()) {
            return std::nullopt;
        }
        if (!closed_) {
            output_.add(")\r\n");
        }
        settledEnd_ = output_.size();
        output_.add(tail);
        return settledEnd_;
    }

    Status save()
    {
        output_.flush();
        if (!output_.ok()) {
            const QString why = describe(FileAccess::tr("Could not write"), out_);
            out_.cancelWriting();
            return Status::failure(why);
        }
        if (!out_.commit()) {
            return Status::failure(describe(FileAccess::tr("Could not save"), out_));
        }
        return Status::success();
    }

    // Takes the index built on the way for the new file's: offsets moved behind a byte order
    // mark written first, and the added record read from the file.
    void keepIndex(const QString& path, std::optional<qint64> tailAt)
    {
        const qint64 shift = output_.marked() ? kByteOrderMark.size() : 0;
        for (RecordStart& record : index_.records_) {
            record.offset += record.offset >= 0 ? shift : 0;
        }
        index_.path_ = path;
        index_.stamp_ = stampOf(path);
        index_.allUtf8_ = true;
        index_.openQuote_ = false;
        index_.closed_ = closed_;
        index_.settledEnd_ = settledEnd_ + shift;
        if (tailAt && !index_.scanFrom(path, 0, nullptr, *tailAt + shift)) {
            index_.path_.clear();
        }
    }

    BookIndex& index_;
    QFile& in_;
    QSaveFile& out_;
    Output output_;
    const QByteArray key_;
    const bool reuse_;
    Listing removed_;
    size_t next_ = 0;        // the index's record that comes next in the old file
    qint64 settledEnd_ = 0;  // the new file is settled up to here: after an end line
    bool exact_ = true;      // every field written reads back as it was
    bool closed_ = true;     // what was written ends in an end line
    bool dropping_ = false;  // within a record named key
    bool inNumbers_ = false; // within a record's numbers, for an index built afresh
};

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
    const bool reuse = current(file);
    path_.clear();
    if (!reuse) {
        records_.clear();
        names_.clear();
        numbers_.clear();
    }
    return Rewrite(*this, in, out, name.toUtf8(), reuse).run(file.path(), tail);
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
