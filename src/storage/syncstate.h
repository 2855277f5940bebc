#pragma once

#include "storage/result.h"

#include <QHash>
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

// The link of one phone book to an address book on a server, and what the last sync saw.
// Kept beside the book as <name>.sync (JSON), never in the book itself.
struct SyncState
{
    QString url;   // the address book's URL
    QString user;  // the user name; the password lives in the keyring, or nowhere
    QString token; // the server's sync-token after the last sync; empty for none
    QString ctag;  // the address book's getctag when that sync began: unchanged, nothing is new
    QHash<QString, SyncEntry> entries; // by href

    // The state file of the phone book file bookPath (".dat" becomes ".sync").
    static QString pathFor(const QString& bookPath);
    // Reads the state file; nullopt when the book is not linked.
    static Result<std::optional<SyncState>> load(const QString& statePath);
    // Rewrites the state file whole.
    Status save(const QString& statePath) const;
};

} // namespace vennor
