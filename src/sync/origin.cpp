// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sync/origin.h"

#include "sync/synctexts.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace vennor::carddav {
namespace {

int portOf(const QUrl& url)
{
    return url.port(url.scheme() == u"https" ? 443 : 80);
}

} // namespace

QString originOf(const QUrl& url)
{
    return QStringLiteral("%1://%2:%3")
        .arg(url.scheme(), url.host(QUrl::FullyEncoded))
        .arg(portOf(url));
}

bool sameOrigin(const QUrl& a, const QUrl& b)
{
    return a.scheme() == b.scheme() && a.host() == b.host() && portOf(a) == portOf(b);
}

std::optional<QString> foreignTarget(const QUrl& origin, const QUrl& target)
{
    if (sameOrigin(origin, target)) {
        return std::nullopt;
    }
    // Encoded: the server chose it, and it may be printed to a terminal.
    const QString where = QString::fromLatin1(target.adjusted(QUrl::RemoveUserInfo).toEncoded());
    if (origin.scheme() == u"https" && target.scheme() == u"http") {
        return SyncText::tr("%1 led from an encrypted https address to the unencrypted %2; "
                            "refused, so that the password stays safe.")
            .arg(originOf(origin), where);
    }
    return SyncText::tr("The server %1 pointed to %2, another server; the password was not "
                        "sent there. Link that URL directly if you trust it.")
        .arg(originOf(origin), where);
}

bool unencryptedRemote(const QUrl& url)
{
    if (url.scheme() != u"http") {
        return false;
    }
    const QString host = url.host();
    if (host == u"localhost" || host.endsWith(QLatin1String(".localhost"))) {
        return false;
    }
    const QHostAddress address(host);
    return address.isNull() || !address.isLoopback();
}

Result<LinkAddress> linkAddress(const QString& typed)
{
    static const QRegularExpression kScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    const QString text = typed.trimmed();
    QUrl url(kScheme.match(text).hasMatch() ? text : QStringLiteral("https://") + text,
             QUrl::TolerantMode);
    url.setScheme(url.scheme().toLower());
    if (!url.isValid() || url.host().isEmpty()) {
        return Result<LinkAddress>::failure(
            SyncText::tr("The URL given is not a server's address."));
    }
    if (url.scheme() != u"https" && url.scheme() != u"http") {
        return Result<LinkAddress>::failure(
            SyncText::tr("%1 is not an https:// or http:// address.")
                .arg(url.toDisplayString(QUrl::RemoveUserInfo)));
    }
    LinkAddress address;
    address.user = url.userName();
    if (!url.password().isEmpty()) {
        address.password = url.password();
    }
    url.setUserInfo({});
    if (url.path().isEmpty()) {
        url.setPath(QStringLiteral("/"));
    }
    address.url = url;
    return address;
}

QString unencryptedWarning()
{
    return SyncText::tr(
        "The server is not encrypted; the password and the contacts travel readable.");
}

} // namespace vennor::carddav
