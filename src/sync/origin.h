// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QString>
#include <QUrl>
#include <optional>

namespace vennor::carddav {

// "https://dav.example.org:8443": the scheme, host and port the credentials of a link belong to.
QString originOf(const QUrl& url);
bool sameOrigin(const QUrl& a, const QUrl& b);

// Why the credentials of a link to origin must not go to target (another scheme, host or
// port; https to http worst of all), for the user; nullopt when target is on the linked origin.
std::optional<QString> foreignTarget(const QUrl& origin, const QUrl& target);

// Plain http to a host other than this computer: the password and the cards travel readable.
bool unencryptedRemote(const QUrl& url);
QString unencryptedWarning();

// What the user typed to link to: the URL (https:// when no scheme is given) without the
// user name and password written in it, and those two when they were.
struct LinkAddress
{
    QUrl url;
    QString user;
    std::optional<QString> password;
};
// A failure names what is wrong: no host, a scheme other than http and https.
Result<LinkAddress> linkAddress(const QString& typed);

} // namespace vennor::carddav
