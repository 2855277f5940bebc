// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"
#include "sync/davclient.h"

#include <QUrl>
#include <functional>

namespace vennor::carddav {

// Finds the address book a URL leads to: the URL itself when it is one; otherwise the first
// address book in the user's addressbook-home-set, reached through current-user-principal
// (and, for a server's bare address, /.well-known/carddav). Fails with a message for the user.
void findAddressBook(DavClient& client, const QUrl& url,
                     std::function<void(const Result<QUrl>&)> done);

} // namespace vennor::carddav
