// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record.h"
#include "core/result.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vennor {

// The names and numbers of a phone book in file order, as the search lists take them.
struct Listing
{
    QStringList names;
    QStringList numbers; // without their type codes; a number shared by two records twice
    qsizetype fieldCount = 0;
};

// One phone book file. Every call opens, reads or writes, and closes the file.
class PhoneBookFile
{
public:
    explicit PhoneBookFile(QString path);
    // The file of the phone book called name, in the phone book folder. A name that is no
    // phone book's (one that would lead out of the folder) gives a book that does not exist
    // and on which every read and write fails.
    static PhoneBookFile named(const QString& name);

    const QString& path() const { return path_; }
    bool exists() const;

    Result<Listing> list() const;
    // What list() gives for the records whose name line equals name exactly: the entries a
    // removal of that name takes out of the search lists.
    Result<Listing> listNamed(const QString& name) const;
    // Every record in file order.
    Result<QList<Record>> records() const;

    // The record whose name line equals name exactly (the first in the file), or nullopt.
    Result<std::optional<Record>> findByName(const QString& name) const;
    // The first record in file order holding the number, or nullopt.
    Result<std::optional<Record>> findByNumber(const QString& number) const;

    // Creates the empty phone book: the end line alone. Fails when the file exists.
    Status createEmpty() const;
    // Appends the record at the end of the file, creating the file when missing. A last
    // record without its end line (or a quote never closed) is closed first, so that the new
    // record does not become part of it. A failed append leaves the file as it was.
    Status append(const Record& record) const;
    // Removes every record whose name line equals name exactly, in one rewrite; the other
    // records keep their order, names bare and their other fields quoted. Without such a
    // record the file is left untouched.
    Status removeAll(const QString& name) const;
    // Removes every record of the record's (lowered, trimmed) name and appends the record at
    // the end, in one rewrite: a failure leaves the old file whole. Without such a record it
    // is a plain append. Fails when the file is missing.
    Status replace(const Record& record) const;

    // Removes every record named as one of the records (lowered, trimmed) and appends them all
    // at the end, in one rewrite: a failure leaves the old file whole. Fails when the file is
    // missing.
    Status store(const QList<Record>& records) const;
    // As store, removing besides every record named as one of removedNames (lowered,
    // trimmed), all in the same rewrite.
    Status update(const QList<Record>& records, const QStringList& removedNames) const;

    // Fails when the name of the book could lead out of the phone book folder.
    Status usable() const;

private:
    QString path_;
    QString refusal_; // why the name has no file; empty for a usable book
};

} // namespace vennor
