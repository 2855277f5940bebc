// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record.h"
#include "sync/syncstate.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace vennor {

// A short hash of the record as the book stores it: equal for records the book cannot tell
// apart.
QString recordFingerprint(const Record& record);

// A card the server holds now.
struct RemoteCard
{
    QString href;
    QString etag;
    QByteArray card;
};

// What the server's changes do to the book, all written in one rewrite.
struct PullPlan
{
    QList<Record> store;               // records to write (replacing those of the same name)
    QStringList remove;                // names to take out of the book
    QHash<QString, SyncEntry> entries; // the state after the rewrite, by href
    QStringList localCopies;           // "<name> (local copy)" for each record both sides changed
    QStringList received;              // names of the records the server's cards wrote here
    QStringList removed;               // names of the records taken out because the server did
    QStringList untaken;               // cards the book cannot file: their name, else their href
};

// The server's changes against the book: a record changed only on the server takes the
// server's version; one changed on both sides too, the local one kept as "<name> (local
// copy)"; one changed here and removed there stays (and goes back at the push). A card that
// arrives under the name of a record here that is not its own (created or renamed there) is a
// conflict as well. A card equal to the record links to it whatever happened before, so a run
// repeated after an interruption changes nothing twice. Cards of one name are told apart here
// by " (2)", " (3)"…; the entry keeps the card's own name for the push.
PullPlan planPull(const QList<Record>& local, const QHash<QString, SyncEntry>& entries,
                  const QList<RemoteCard>& changed, const QStringList& removedHrefs,
                  const QString& internationalPrefix);

// The record as its card is to name it: a record filed here as "ann (2)" because another card
// is "ann" changes its card under the card's own name.
Record recordAsOnCard(const Record& record, const SyncEntry& entry);

// One change of the book to send to the server.
struct PushItem
{
    enum class Kind { create, update, remove };
    Kind kind = Kind::create;
    QString href;  // for create: the new card's path, made from the record's UID
    QString etag;  // the version the change was made from (update, remove)
    Record record; // create, update
};

// What the book's changes since the last sync do on the server.
struct PushPlan
{
    QList<PushItem> items;
    // Cards whose records left the book without being deleted here (another file in its
    // place, an edit by another program): never deleted, fetched again instead.
    QStringList missing;
};

// The records added, changed or removed here since the last sync, found by comparing the
// book with the state. Only the cards of records deleted here are removed; a record saved
// under a new name takes over the card of the name it was loaded under. collectionPath ends
// in "/".
PushPlan planPush(const QList<Record>& local, const SyncState& state,
                  const QString& collectionPath);

} // namespace vennor
