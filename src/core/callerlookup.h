// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/bookindex.h"
#include "core/record.h"

#include <QString>
#include <QStringList>
#include <map>
#include <optional>

namespace vennor {

// The record a caller's number belongs to, and which of its numbers it is.
struct CallerMatch
{
    QString book;
    Record record;
    PhoneNumber number; // as stored
    bool exact = false; // else the number matched by its end

    bool operator==(const CallerMatch&) const = default;
};

// Finds who is calling in the phone books through each book's index, built once and kept while
// the book's file stays as it was: a call reads only the records that hold the number.
// The cleaned number itself first (a leading "+" as the international prefix), in the default
// book and then the others in their order; else the stored number sharing the longest end with
// it, at least BookIndex::kNumberEnd digits, the earlier book winning a tie. A caller with
// fewer digits matches only exactly.
class CallerLookup
{
public:
    // Builds the indexes of the books not indexed yet; a book that cannot be read is skipped.
    void prepare(const QStringList& books);
    // Uses index, kept by its owner (the main window's, of the default book), for the book it
    // was built for, instead of a second index of that book; its owner keeps it while calls
    // are looked up.
    void share(BookIndex& index) { shared_ = &index; }

    // books: the listed phone books, the default first. Unreadable books are skipped.
    std::optional<CallerMatch> find(const QStringList& books, const QString& number,
                                    const QString& internationalPrefix);

private:
    std::optional<CallerMatch> findExact(const QStringList& books, const QString& number);
    std::optional<CallerMatch> findByEnd(const QStringList& books, const QString& digits);
    BookIndex* indexOf(const QString& book, std::optional<PhoneBookFile>& file);

    std::map<QString, BookIndex> indexes_;
    BookIndex* shared_ = nullptr;
};

} // namespace vennor
