// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"
#include "sync/syncstate.h"

#include <QStringList>
#include <optional>

// What the program tells the link of a phone book when the user changes the book itself, so
// that the next sync does what the user did and nothing more. Each is a no-op for a book that
// is not linked.
namespace vennor {

// The records of these names were deleted by the user: their cards go at the next sync.
Status noteDeleted(const QString& bookPath, const QStringList& names);
// The record loaded under oldName was saved as newName: its card takes the new name.
Status noteRenamed(const QString& bookPath, const QString& oldName, const QString& newName);
// The book was replaced by another copy of it: the next sync merges both sides afresh.
Status noteReplaced(const QString& bookPath, const QString& reason);
// The link goes with the book: the state file is moved from one book to the other, which had
// none (a link left there without a book is removed).
Status moveLink(const QString& fromBookPath, const QString& toBookPath);
// The book is gone: its link goes too. The link it had, if any, so that its password can be
// forgotten.
Result<std::optional<SyncState>> dropLink(const QString& bookPath);

} // namespace vennor
