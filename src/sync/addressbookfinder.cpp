// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sync/addressbookfinder.h"

#include "sync/multistatus.h"
#include "sync/origin.h"
#include "sync/synctexts.h"

#include <memory>

namespace vennor::carddav {
namespace {

const QByteArray kDiscoveryQuery = R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">
 <d:prop><d:resourcetype/><d:current-user-principal/><c:addressbook-home-set/></d:prop>
</d:propfind>)";

const QByteArray kTypeQuery = R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:"><d:prop><d:resourcetype/></d:prop></d:propfind>)";

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool isAddressBook(const DavResource& resource)
{
    return resource.properties.value(QStringLiteral("resourcetype"))
        .children.contains(QStringLiteral("addressbook"));
}

class Finder : public std::enable_shared_from_this<Finder>
{
public:
    Finder(DavClient& client, QUrl url, std::function<void(const Result<QUrl>&)> done)
        : client_(client), given_(std::move(url)), done_(std::move(done))
    {
    }

    void ask(const QUrl& url)
    {
        if (++steps_ > 10) {
            return fail(notFound());
        }
        client_.query("PROPFIND", url, 0, kDiscoveryQuery,
                      [self = shared_from_this(), url](const DavReply& reply) {
                          self->answered(url, reply);
                      });
    }

private:
    // Where the server points is only followed on the origin the user gave.
    bool refusedElsewhere(const QUrl& target)
    {
        if (const std::optional<QString> foreign = foreignTarget(given_, target)) {
            fail(*foreign);
            return true;
        }
        return false;
    }

    void answered(const QUrl& url, const DavReply& reply)
    {
        if (isRedirect(reply.status) && reply.location.isValid()) {
            return refusedElsewhere(reply.location) ? void() : ask(reply.location);
        }
        if (reply.status == 401 || reply.status == 0) {
            return fail(failureText(reply));
        }
        const std::optional<Multistatus> answer =
            reply.status == 207 ? parseMultistatus(reply.body) : std::nullopt;
        if (!answer || answer->resources.isEmpty()) {
            return tryWellKnown(url);
        }
        const DavResource& resource = answer->resources.front();
        if (isAddressBook(resource)) {
            return done_(url);
        }
        if (const QString home =
                resource.properties.value(QStringLiteral("addressbook-home-set")).href;
            !home.isEmpty()) {
            const QUrl homeUrl = url.resolved(QUrl(home));
            return refusedElsewhere(homeUrl) ? void() : listHome(homeUrl);
        }
        if (const QString principal =
                resource.properties.value(QStringLiteral("current-user-principal")).href;
            !principal.isEmpty() && url.resolved(QUrl(principal)) != url) {
            const QUrl principalUrl = url.resolved(QUrl(principal));
            return refusedElsewhere(principalUrl) ? void() : ask(principalUrl);
        }
        tryWellKnown(url);
    }

    void tryWellKnown(const QUrl& url)
    {
        if (triedWellKnown_) {
            return fail(notFound());
        }
        triedWellKnown_ = true;
        ask(url.resolved(QUrl(QStringLiteral("/.well-known/carddav"))));
    }

    void listHome(const QUrl& home)
    {
        client_.query("PROPFIND", home, 1, kTypeQuery,
                      [self = shared_from_this(), home](const DavReply& reply) {
                          if (reply.status != 207) {
                              return self->fail(failureText(reply));
                          }
                          const auto answer = parseMultistatus(reply.body);
                          for (const DavResource& resource :
                               answer ? answer->resources : QList<DavResource>()) {
                              if (isAddressBook(resource)) {
                                  const QUrl book = home.resolved(QUrl(resource.href));
                                  return self->refusedElsewhere(book) ? void() : self->done_(book);
                              }
                          }
                          self->fail(self->notFound());
                      });
    }

    QString notFound() const
    {
        return SyncText::tr("%1 is not an address book, and no address book was found there.")
            .arg(given_.toDisplayString());
    }

    void fail(const QString& message) { done_(Result<QUrl>::failure(message)); }

    DavClient& client_;
    QUrl given_;
    std::function<void(const Result<QUrl>&)> done_;
    bool triedWellKnown_ = false;
    int steps_ = 0;
};

} // namespace

void findAddressBook(DavClient& client, const QUrl& url,
                     std::function<void(const Result<QUrl>&)> done)
{
    std::make_shared<Finder>(client, url, std::move(done))->ask(url);
}

} // namespace vennor::carddav
