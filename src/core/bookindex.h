// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/keytable.h"
#include "core/phonebook.h"
#include "core/record.h"
#include "core/result.h"
#include "core/textlist.h"

#include <QDateTime>
#include <QFile>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace vennor {

namespace bookscan {
struct ScanStart;
}

// The names and numbers of a phone book in file order, kept compact for the search lists.
struct CompactListing
{
    TextList names;
    TextList numbers; // without their type codes; a number shared by two records twice
    qsizetype fieldCount = 0;
};

// Where each record of one phone book file starts, by name and by number, so that a lookup
// reads and decodes only the record wanted. Built while the file is listed, it holds while
// the file keeps the size and modification time it had; a file changed by anything else is
// read again. Answers exactly as PhoneBookFile does.
class BookIndex
{
public:
    // The listing of PhoneBookFile::list, compact; the index is built on the way.
    Result<CompactListing> list(const PhoneBookFile& file);

    Result<std::optional<Record>> findByName(const PhoneBookFile& file, const QString& name);
    Result<std::optional<Record>> findByNumber(const PhoneBookFile& file, const QString& number);
    // Every record holding a number that ends in the same kNumberEnd digits as digits (a
    // caller's number, digits only), in file order: those worth comparing further. The first
    // call indexes the ends of the numbers too (about 8 bytes a number), and so does every
    // later build of this index.
    static constexpr qsizetype kNumberEnd = 7;
    Result<std::vector<Record>> findByNumberEnd(const PhoneBookFile& file, QStringView digits);
    // Builds the index with the ends of the numbers now, when it does not stand for the file
    // as it is, so that a lookup later reads no more than the records it finds.
    Status prepareForCallers(const PhoneBookFile& file);
    // Whether this index was last built for that file (current or not).
    bool isOf(const PhoneBookFile& file) const { return path_ == file.path(); }

    // PhoneBookFile::append, writing only at the end of a file the index knows (reading at
    // most its last two bytes) and keeping the index.
    Status append(const PhoneBookFile& file, const Record& record);

    // PhoneBookFile::removeAll and replace, byte by byte: fields pass from the old file to
    // the new one without a round trip through UTF-16, and the file is written as it is read;
    // its settled part (what stands exactly as a rewrite writes it) is copied as it is. Each
    // gives what PhoneBookFile::listNamed gave for the name before: the entries that left the
    // lists.
    Result<Listing> removeAll(const PhoneBookFile& file, const QString& name);
    Result<Listing> replace(const PhoneBookFile& file, const Record& record);

private:
    class Rewrite;

    // Rewrites the file without the records named name, then adds tail; leaves it untouched
    // when there is no such record (an empty listing).
    Result<Listing> rewriteWithout(const PhoneBookFile& file, const QString& name,
                                   const QByteArray& tail);

    // Eight bytes a record: a million of them are kept.
    struct RecordStart
    {
        qint64 offset : 63; // where the reader stands before the record's name line; -1: removed
        bool pendingEmpty : 1;
    };
    static_assert(sizeof(RecordStart) == 8);

    struct Stamp
    {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stampOf(const QString& path);

    bool current(const PhoneBookFile& file) const;
    Status build(const PhoneBookFile& file, CompactListing* listing);
    void reserveFor(qint64 size, CompactListing* listing);
    void indexNumber(QByteArrayView key);
    Status scanFrom(const QString& path, size_t firstRecord, CompactListing* listing,
                    std::optional<qint64> lineStart = std::nullopt);
    bookscan::ScanStart resumeAt(QFile& file, qint64 floor, size_t firstRecord,
                                 std::optional<qint64> lineStart);
    template <typename Match>
    Result<std::vector<Record>> find(const PhoneBookFile& file, const QByteArray& key,
                                     const KeyTable& table, Match match, size_t most = 1);

    QString path_;
    Stamp stamp_;
    std::vector<RecordStart> records_;
    KeyTable names_;
    KeyTable numbers_;
    KeyTable numberEnds_; // by the last kNumberEnd digits of numbers that have as many
    bool indexEnds_ = false;
    Stamp endsStamp_;        // the file numberEnds_ stands for: a rewrite does not keep it
    bool allUtf8_ = true;    // every line of the file is UTF-8
    bool closed_ = true;     // no fields, or the last one is an end line
    bool openQuote_ = false; // the last field is a quote that never closed
    // The file up to here (from its text on) is settled: it stands exactly as a rewrite writes
    // it, whole records ending in end lines, so a rewrite copies it as it is but for the
    // records dropped.
    qint64 settledEnd_ = 0;
};

} // namespace vennor
