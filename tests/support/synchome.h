// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/phonebook.h"
#include "sync/booksync.h"
#include "sync/passwords.h"

#include <QTemporaryDir>

namespace vennor::test {

// One computer's phone book linked to an address book: its own folder, its own state file.
class SyncHome
{
public:
    SyncHome(const QString& url, const QString& user = QStringLiteral("alice"));

    PhoneBookFile book() const { return PhoneBookFile(path_); }
    QString path() const { return path_; }
    // Runs one sync to its end.
    Status sync(const QString& password = QStringLiteral("secret"),
                carddav::SyncReport* report = nullptr);
    // Deletes the records of the name as the program does: the sync is told.
    Status deleteRecord(const QString& name) const;
    // name → its numbers, of every record.
    QMap<QString, QString> contents() const;

private:
    QTemporaryDir dir_;
    QString path_;
};

// Runs one sync of the linked book at bookPath to its end.
Status syncOnce(const QString& bookPath, const QString& password = QStringLiteral("secret"),
                carddav::SyncReport* report = nullptr);

// The cards of an address book by href, read with a plain PROPFIND; -1 when it failed.
int cardCount(const QString& url);
// A plain HTTP request as another program would send it; the status.
int httpRequest(const QByteArray& verb, const QString& url, const QByteArray& body = {},
                QByteArray* answer = nullptr);

// A record with one number of the first type.
Record person(const QString& name, const QString& number, const QString& comment = {});

// Runs a sync command line as a terminal would, input on standard input: the exit status, then
// what it printed. A command line that is no sync command gives its startup status and message.
std::pair<int, QString> runCommandLine(const QStringList& arguments, const QByteArray& input = {});

// Passwords kept in memory as a keyring would keep them; whenAsked answers when none is kept.
class MemoryPasswords : public carddav::PasswordSource
{
public:
    void fetch(const QString& key, Found done) override;
    void store(const QString& key, const QString& password,
               std::function<void(const Status&)> done) override;
    void forget(const QString& key) override { kept.remove(key); }

    QHash<QString, QString> kept;
    std::optional<QString> whenAsked;
    int fetched = 0;
};

} // namespace vennor::test
