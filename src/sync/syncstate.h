// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <optional>

namespace vennor {

// What the last sync left of one card: where it lives, which version of it was seen, and the
// record it gave, so that later changes on either side are found by comparing.
struct SyncEntry
{
    QString href; // the card's path on the server
    QString etag;
    QString name;        // the record's name in the book; empty for a card the book could not hold
    QString fingerprint; // recordFingerprint() of the record as last synced
    // The card's own name when the book files it under another ("ann" as "ann (2)", another
    // card being "ann"); empty when they are the same.
    QString cardName;

    bool operator==(const SyncEntry&) const = default;
};

// Enough of the book file to tell a later edit of the same file from another file put in its
// place: an older modification time means an older copy came back.
struct BookIdentity
{
    qint64 size = 0;
    qint64 modified = 0; // milliseconds since the epoch, UTC

    static std::optional<BookIdentity> of(const QString& bookPath);
    bool operator==(const BookIdentity&) const = default;
};

// The link of one phone book to an address book on a server, and what the last sync saw.
// Kept beside the book as <name>.sync (JSON), never in the book itself.
struct SyncState
{
    QString url;   // the address book's URL
    QString user;  // the user name; the password lives in the keyring, or nowhere
    QString token; // the server's sync-token after the last sync; empty for none
    QString ctag;  // the address book's getctag when that sync began: unchanged, nothing is new
    QHash<QString, SyncEntry> entries; // by href
    // Cards whose records the user deleted here since: the only cards a sync deletes.
    QSet<QString> deleted;
    // Records deleted here while a sync was sending them: no card of theirs was recorded yet.
    // The sync that sent them turns these into deletions; any later one drops them.
    QSet<QString> deletedNames;
    // New name → the name the record was loaded under when the user saved it renamed.
    QHash<QString, QString> renamedFrom;
    std::optional<BookIdentity> book; // the book file as the last sync left it
    // Why the next sync must merge both sides afresh and delete nothing (a restored backup);
    // empty for none.
    QString freshReason;
    // Set by load: what was wrong with a damaged file whose link was still usable. Only the
    // link was kept; everything the last sync saw was dropped.
    QString damage;

    // The state file of the phone book file bookPath (".dat" becomes ".sync").
    static QString pathFor(const QString& bookPath);
    // Reads the state file; nullopt when the book is not linked. Fails only when even the
    // link cannot be read.
    static Result<std::optional<SyncState>> load(const QString& statePath);
    // Rewrites the state file whole.
    Status save(const QString& statePath) const;

    // Keeps the link, forgets what was synced: the next sync merges both sides and deletes
    // nothing anywhere.
    void startAfresh(const QString& reason);
};

} // namespace vennor
