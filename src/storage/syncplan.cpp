#include "storage/syncplan.h"

#include "storage/fields.h"
#include "storage/vcardmapping.h"

#include <QCryptographicHash>
#include <QSet>

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

std::optional<Record> cardRecord(const QByteArray& bytes, const QString& prefix)
{
    std::optional<Record> found;
    const Status read = readVCards(bytes, [&](const VCard& card) {
        if (!found) {
            found = recordFromCard(card, prefix).record;
        }
    });
    return read ? found : std::nullopt;
}

// A name no other record of the book or card of the server uses: name, "name (2)"…
QString freeName(const QString& name, const std::function<bool(const QString&)>& taken)
{
    QString candidate = name;
    for (int n = 2; taken(candidate); ++n) {
        candidate = QStringLiteral("%1 (%2)").arg(name).arg(n);
    }
    return candidate;
}

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
        std::optional<Record> server = cardRecord(remote.card, prefix);
        if (!server) {
            // Nothing the book can file: remembered so as not to fetch it again.
            forget(remote.href);
            setEntry({remote.href, remote.etag, {}, {}});
            return;
        }
        const QString oldName = entry ? entry->name : QString();
        server->name = freeName(server->name, [&](const QString& name) {
            const QString href = hrefOfName_.value(name);
            return !href.isEmpty() && href != remote.href;
        });
        const QString localName = entry ? oldName : server->name;
        const std::optional<Record> localRecord = recordNamed(localName);
        const bool agrees = localRecord && recordText(*localRecord) == recordText(*server);
        const bool changedHere = localRecord && !agrees &&
                                 (!entry || recordFingerprint(*localRecord) != entry->fingerprint);
        if (changedHere) {
            keepLocalCopy(*localRecord);
        }
        if (!agrees) {
            if (entry && !oldName.isEmpty() && oldName != server->name) {
                removeNamed(oldName);
            }
            storeRecord(*server);
            ++plan_.received;
        }
        forget(remote.href);
        setEntry({remote.href, remote.etag, server->name, recordFingerprint(*server)});
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
            removeNamed(entry->name);
            ++plan_.removed;
        }
    }

    PullPlan result() &&
    {
        QStringList names(stored_.begin(), stored_.end());
        names.sort();
        for (const QString& name : names) {
            plan_.store.append(local_.value(name));
        }
        return std::move(plan_);
    }

private:
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
            hrefOfName_.remove(entry->name);
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
        local_.insert(kept.name, kept);
        stored_.insert(kept.name);
        plan_.remove.removeAll(kept.name);
    }

    void removeNamed(const QString& name)
    {
        local_.remove(name);
        stored_.remove(name);
        plan_.remove.append(name);
    }

    void keepLocalCopy(Record record)
    {
        record.name =
            freeName(record.name + QStringLiteral(" (local copy)"), [this](const QString& name) {
                return local_.contains(name) || hrefOfName_.contains(name);
            });
        storeRecord(record);
        plan_.localCopies.append(record.name);
    }

    QHash<QString, Record> local_;
    QHash<QString, QString> hrefOfName_;
    QSet<QString> stored_;
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
