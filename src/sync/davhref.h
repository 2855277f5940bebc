// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

namespace vennor {

// Where a server's (or a state file's) href points, when it is a card of the address book
// at addressBookUrl: the href resolved against that URL, as its fully encoded path. Nullopt
// when it leaves the address book: another scheme, host or port, user information, a path
// not strictly under the address book's, dot segments (plain or percent-encoded), encoded
// slashes or backslashes, a query or a fragment.
std::optional<QString> hrefUnder(const QString& addressBookUrl, const QString& href);

// The URL without the user name and password written in it ("https://ann:pw@host/" gives
// "https://host/"), so that neither is stored or shown.
QString withoutUserInfo(const QString& url);

// An href as it may be shown or printed: percent-encoded beyond printable ASCII, cut when long.
QString shownHref(const QString& href);

} // namespace vennor
