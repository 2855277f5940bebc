// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sync/syncnotes.h"

#include "core/fields.h"
#include "sync/synctexts.h"

#include <QFile>
#include <algorithm>
#include <functional>

namespace vennor {
namespace {

QString lowered(const QString& name)
{
    return trimBlanks(name.toLower());
}

// Loads the state, lets change alter it, saves it when change says so. A damaged file is left
// as it is: its next sync starts afresh anyway.
Status amend(const QString& bookPath, const std::function<bool(SyncState&)>& change)
{
    const QString path = SyncState::pathFor(bookPath);
    const Result<std::optional<SyncState>> loaded = SyncState::load(path);
    if (!loaded) {
        return Status::failure(loaded.error());
    }
    std::optional<SyncState> state = *loaded;
    if (!state || !state->damage.isEmpty() || !change(*state)) {
        return Status::success();
    }
    return state->save(path);
}

} // namespace

Status noteDeleted(const QString& bookPath, const QStringList& names)
{
    return amend(bookPath, [&names](SyncState& state) {
        QSet<QString> gone;
        for (const QString& name : names) {
            gone.insert(lowered(name));
        }
        bool noted = false;
        QSet<QString> withoutCard = gone;
        for (const SyncEntry& entry : std::as_const(state.entries)) {
            if (!entry.name.isEmpty() && gone.contains(entry.name)) {
                state.deleted.insert(entry.href);
                withoutCard.remove(entry.name);
                noted = true;
            }
        }
        // A sync running now may be sending it: that sync alone can tell its card.
        for (const QString& name : std::as_const(withoutCard)) {
            state.deletedNames.insert(name);
            noted = true;
        }
        for (const QString& name : gone) {
            noted = state.renamedFrom.remove(name) > 0 || noted;
        }
        return noted;
    });
}

Status noteRenamed(const QString& bookPath, const QString& oldName, const QString& newName)
{
    const QString from = lowered(oldName);
    const QString to = lowered(newName);
    if (from.isEmpty() || to.isEmpty() || from == to) {
        return Status::success();
    }
    return amend(bookPath, [&](SyncState& state) {
        // Renamed twice before a sync: the card still has the first name.
        const QString original = state.renamedFrom.value(from, from);
        state.renamedFrom.remove(from);
        const bool synced =
            std::any_of(state.entries.cbegin(), state.entries.cend(),
                        [&](const SyncEntry& entry) { return entry.name == original; });
        if (!synced || original == to) {
            return true;
        }
        state.renamedFrom.insert(to, original);
        return true;
    });
}

Status noteReplaced(const QString& bookPath, const QString& reason)
{
    return amend(bookPath, [&reason](SyncState& state) {
        state.startAfresh(reason);
        return true;
    });
}

Status moveLink(const QString& fromBookPath, const QString& toBookPath)
{
    const QString from = SyncState::pathFor(fromBookPath);
    const QString to = SyncState::pathFor(toBookPath);
    // A link left where no book was belongs to none: it must not cling to the book coming.
    if (QFile target(to); target.exists() && !target.remove()) {
        return Status::failure(SyncText::tr("An old link to a server (%1) could not be removed: "
                                            "%2")
                                   .arg(to, target.errorString()));
    }
    if (QFile source(from); source.exists() && !source.rename(to)) {
        return Status::failure(SyncText::tr("Its link to the server (%1) could not be moved to "
                                            "%2: %3")
                                   .arg(from, to, source.errorString()));
    }
    return Status::success();
}

Result<std::optional<SyncState>> dropLink(const QString& bookPath)
{
    const QString path = SyncState::pathFor(bookPath);
    const Result<std::optional<SyncState>> state = SyncState::load(path);
    QFile file(path);
    if (file.exists() && !file.remove()) {
        return Status::failure(SyncText::tr("Its link to the server (%1) could not be removed: %2")
                                   .arg(path, file.errorString()));
    }
    return state ? *state : std::optional<SyncState>();
}

} // namespace vennor
