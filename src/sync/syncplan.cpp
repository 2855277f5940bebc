// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sync/syncplan.h"

#include "core/fields.h"
#include "vcard/vcardmapping.h"

#include <QCryptographicHash>
#include <QSet>
#include <algorithm>
#include <functional>

namespace vennor {
namespace {

QString lowered(const QString& name)
{
    return trimBlanks(name.toLower());
}

// The book's records by name; of two records of one name the first counts, as lookups do.
QHash<QString, Record> byName(const QList<Record>& records)
{
    QHash<QString, Record> named;
    for (auto it = records.crbegin(); it != records.crend(); ++it) {
        named.insert(lowered(it->name), *it);
    }
    return named;
}

// The record a card gives, with the card's first name for telling about one the book cannot
// file.
struct ServerRecord
{
    std::optional<Record> record;
    QString shownName;
};

// Only what a terminal or a label shows as it is, and not too much of it.
QString shownText(const QString& text)
{
    QString shown;
    for (const QChar c : text) {
        if (c.isPrint() && c.category() != QChar::Other_Format) {
            shown.append(c);
        }
    }
    return shown.simplified().left(80);
}

ServerRecord cardRecord(const QByteArray& bytes, const QString& prefix)
{
    ServerRecord found;
    bool first = true;
    readVCards(bytes, [&](const VCard& card) {
        if (!first) {
            return;
        }
        first = false;
        found.record = recordFromCard(card, prefix).record;
        for (const VCardProperty& property : card.properties) {
            if (property.name == u"FN" || (property.name == u"N" && found.shownName.isEmpty())) {
                found.shownName = shownText(property.text());
            }
            if (property.name == u"FN" && !found.shownName.isEmpty()) {
                break;
            }
        }
    });
    return found;
}

// Hands out free names: "name", else "name (2)", "name (3)"… Each base name remembers where
// its search stopped, so that thousands of cards of one name cost one step each.
class FreeNames
{
public:
    QString operator()(const QString& name, const std::function<bool(const QString&)>& taken)
    {
        if (!taken(name)) {
            return name;
        }
        int& next = next_[name];
        next = std::max(next, 2);
        QString candidate = numbered(name, next);
        while (taken(candidate)) {
            candidate = numbered(name, ++next);
        }
        return candidate;
    }

private:
    static QString numbered(const QString& name, int n)
    {
        return QStringLiteral("%1 (%2)").arg(name).arg(n);
    }

    QHash<QString, int> next_;
};

class PullPlanner
{
public:
    PullPlanner(const QList<Record>& local, const QHash<QString, SyncEntry>& entries)
        : local_(byName(local))
    {
        plan_.entries = entries;
        for (const SyncEntry& entry : entries) {
            hrefOfName_.insert(entry.name, entry.href);
        }
    }

    void take(const RemoteCard& remote, const QString& prefix)
    {
        const std::optional<SyncEntry> entry = entryOf(remote.href);
        ServerRecord read = cardRecord(remote.card, prefix);
        if (!read.record) {
            // Nothing the book can file: told once, and remembered so as not to fetch it again.
            plan_.untaken.append(read.shownName.isEmpty() ? remote.href : read.shownName);
            forget(remote.href);
            setEntry({remote.href, remote.etag, {}, {}, {}});
            return;
        }
        Record& server = *read.record;
        const QString cardName = server.name;
        server.name = localNameOf(remote.href, entry, cardName);
        const QString oldName = entry ? entry->name : QString();
        const std::optional<Record> own = entry ? recordNamed(oldName) : std::nullopt;
        const bool agrees = own && recordText(*own) == recordText(server);
        if (own && !agrees && recordFingerprint(*own) != entry->fingerprint) {
            keepLocalCopy(*own);
        }
        if (server.name != oldName) {
            // Created or renamed there onto a record here that is not this card's: both kept.
            const std::optional<Record> other = recordNamed(server.name);
            if (other && recordText(*other) != recordText(server)) {
                keepLocalCopy(*other);
            }
            if (!other || recordText(*other) != recordText(server)) {
                storeRecord(server);
            }
            if (own) {
                removeNamed(oldName, false); // renamed, not removed
            }
        } else if (!agrees) {
            storeRecord(server);
        }
        forget(remote.href);
        setEntry({remote.href, remote.etag, server.name, recordFingerprint(server),
                  server.name == cardName ? QString() : cardName});
    }

    void removeRemote(const QString& href)
    {
        const std::optional<SyncEntry> entry = entryOf(href);
        if (!entry) {
            return;
        }
        forget(href);
        const std::optional<Record> localRecord = recordNamed(entry->name);
        // A record changed here since stays, and goes to the server again as a new card.
        if (localRecord && recordFingerprint(*localRecord) == entry->fingerprint) {
            removeNamed(entry->name, true);
        }
    }

    PullPlan result() &&
    {
        QStringList names(stored_.begin(), stored_.end());
        names.sort();
        for (const QString& name : std::as_const(names)) {
            plan_.store.append(local_.value(name));
            if (!copies_.contains(name)) {
                plan_.received.append(name);
            }
        }
        plan_.remove = QStringList(removed_.begin(), removed_.end());
        plan_.remove.sort();
        plan_.removed = QStringList(dropped_.begin(), dropped_.end());
        plan_.removed.sort();
        return std::move(plan_);
    }

private:
    // The card's name when no other card has it, else the one its entry gave it here, else a
    // free "name (n)".
    QString localNameOf(const QString& href, const std::optional<SyncEntry>& entry,
                        const QString& cardName)
    {
        const auto takenByOther = [&](const QString& name) {
            const QString other = hrefOfName_.value(name);
            return !other.isEmpty() && other != href;
        };
        if (!takenByOther(cardName)) {
            return cardName;
        }
        if (entry && entry->cardName == cardName && !takenByOther(entry->name)) {
            return entry->name;
        }
        return freeNames_(cardName, takenByOther);
    }

    std::optional<SyncEntry> entryOf(const QString& href) const
    {
        const auto it = plan_.entries.constFind(href);
        return it == plan_.entries.cend() ? std::nullopt : std::optional(*it);
    }

    std::optional<Record> recordNamed(const QString& name) const
    {
        const auto it = local_.constFind(name);
        return name.isEmpty() || it == local_.cend() ? std::nullopt : std::optional(*it);
    }

    void forget(const QString& href)
    {
        if (const auto entry = entryOf(href)) {
            if (hrefOfName_.value(entry->name) == href) {
                hrefOfName_.remove(entry->name);
            }
            plan_.entries.remove(href);
        }
    }

    void setEntry(const SyncEntry& entry)
    {
        plan_.entries.insert(entry.href, entry);
        if (!entry.name.isEmpty()) {
            hrefOfName_.insert(entry.name, entry.href);
        }
    }

    void storeRecord(const Record& record)
    {
        Record kept = record;
        kept.name = lowered(record.name);
        stored_.insert(kept.name);
        removed_.remove(kept.name);
        dropped_.remove(kept.name);
        local_.insert(kept.name, std::move(kept));
    }

    void removeNamed(const QString& name, bool removedThere)
    {
        local_.remove(name);
        stored_.remove(name);
        copies_.remove(name);
        removed_.insert(name);
        if (removedThere) {
            dropped_.insert(name);
        }
    }

    void keepLocalCopy(Record record)
    {
        record.name =
            freeNames_(record.name + QStringLiteral(" (local copy)"), [this](const QString& name) {
                return local_.contains(name) || hrefOfName_.contains(name);
            });
        storeRecord(record);
        copies_.insert(record.name);
        plan_.localCopies.append(record.name);
    }

    QHash<QString, Record> local_;
    QHash<QString, QString> hrefOfName_;
    QSet<QString> stored_;
    QSet<QString> removed_;
    QSet<QString> copies_;
    QSet<QString> dropped_; // removed because the server removed their card
    FreeNames freeNames_;
    PullPlan plan_;
};

} // namespace

QString recordFingerprint(const Record& record)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(recordText(record).toUtf8(), QCryptographicHash::Sha1)
            .toBase64(QByteArray::OmitTrailingEquals));
}

PullPlan planPull(const QList<Record>& local, const QHash<QString, SyncEntry>& entries,
                  const QList<RemoteCard>& changed, const QStringList& removedHrefs,
                  const QString& internationalPrefix)
{
    PullPlanner planner(local, entries);
    for (const QString& href : removedHrefs) {
        planner.removeRemote(href);
    }
    for (const RemoteCard& card : changed) {
        planner.take(card, internationalPrefix);
    }
    return std::move(planner).result();
}

Record recordAsOnCard(const Record& record, const SyncEntry& entry)
{
    Record onCard = record;
    if (!entry.cardName.isEmpty() && lowered(record.name) == entry.name) {
        onCard.name = entry.cardName;
    }
    return onCard;
}

PushPlan planPush(const QList<Record>& local, const SyncState& state, const QString& collectionPath)
{
    QHash<QString, const SyncEntry*> entryOfName;
    for (const SyncEntry& entry : state.entries) {
        if (!entry.name.isEmpty()) {
            entryOfName.insert(entry.name, &entry);
        }
    }
    QSet<QString> inBook;
    for (const Record& record : local) {
        inBook.insert(lowered(record.name));
    }
    // A rename takes over the old card only once the old record has left the book.
    const auto renamedEntry = [&](const QString& name) -> const SyncEntry* {
        const QString oldName = state.renamedFrom.value(name);
        return oldName.isEmpty() || inBook.contains(oldName) ? nullptr : entryOfName.value(oldName);
    };
    PushPlan plan;
    QSet<QString> seen;
    QSet<QString> takenOver;
    for (const Record& record : local) {
        const QString name = lowered(record.name);
        if (seen.contains(name)) {
            continue;
        }
        seen.insert(name);
        const SyncEntry* entry = entryOfName.value(name);
        if (!entry) {
            entry = renamedEntry(name);
            if (entry && !takenOver.contains(entry->href)) {
                takenOver.insert(entry->href);
                plan.items.append({PushItem::Kind::update, entry->href, entry->etag, record});
                continue;
            }
            const QString uid = uidOf(name).remove(QStringLiteral("urn:uuid:"));
            plan.items.append({PushItem::Kind::create,
                               collectionPath + uid + QStringLiteral(".vcf"),
                               {},
                               record});
        } else if (recordFingerprint(record) != entry->fingerprint) {
            plan.items.append({PushItem::Kind::update, entry->href, entry->etag, record});
        }
    }
    for (const SyncEntry& entry : state.entries) {
        if (entry.name.isEmpty() || seen.contains(entry.name) || takenOver.contains(entry.href)) {
            continue;
        }
        if (state.deleted.contains(entry.href)) {
            plan.items.append({PushItem::Kind::remove, entry.href, entry.etag, {}});
        } else {
            plan.missing.append(entry.href);
        }
    }
    return plan;
}

} // namespace vennor
