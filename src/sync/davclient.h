// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sync/synclimits.h"

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <optional>
#include <utility>

class QNetworkReply;

namespace vennor::carddav {

// The server's answer to one request, or why there was none.
struct DavReply
{
    QUrl url;
    int status = 0; // the HTTP status; 0 when the server gave no answer
    QByteArray body;
    QString etag;
    QUrl location;         // where a redirect points, resolved
    QString failure;       // the network's reason when status is 0
    bool insecure = false; // the TLS handshake failed (certificate, protocol)
    // Set when the request was refused or cut short here (another origin, a limit, a
    // deadline): the whole message for the user. Status is 0 then.
    QString stopped;

    bool ok() const { return status >= 200 && status < 300; }
};

// What to tell the user about a reply that failed.
QString failureText(const DavReply& reply);

using Headers = QList<std::pair<QByteArray, QByteArray>>;

// WebDAV requests with basic authentication, asynchronous; every answer arrives through the
// callback on the thread that sent it. The client is bound to the origin (scheme, host, port)
// it was made for: a request to any other fails without being sent, so the password goes
// nowhere else. Answers are read as they arrive and cut at the limits; each request has a
// deadline that data trickling in does not extend, and the client as a whole has another.
class DavClient : public QObject
{
    Q_OBJECT

public:
    DavClient(const QUrl& origin, const QString& user, const QString& password,
              const SyncLimits& limits = SyncLimits::fromSettings(), QObject* parent = nullptr);

    using Done = std::function<void(const DavReply&)>;
    void send(const QByteArray& verb, const QUrl& url, const QByteArray& body,
              const Headers& headers, Done done);
    // PROPFIND or REPORT with an XML body.
    void query(const QByteArray& verb, const QUrl& url, int depth, const QByteArray& xml,
               Done done);
    // A GET of one card, held to the limit of one card.
    void getCard(const QUrl& url, Done done);
    // Why a card of that size taken from a multistatus is refused; nullopt when it fits.
    std::optional<QString> oversizedCard(const QString& href, const QString& card) const;

signals:
    // The server refused the user name or password.
    void passwordRefused();

private:
    void transfer(const QByteArray& verb, const QUrl& url, const QByteArray& body,
                  const Headers& headers, qint64 limit, const char* limitKey, Done done);
    void refuse(const QUrl& url, const QString& message, Done done);
    void expire();

    QNetworkAccessManager manager_;
    QByteArray authorization_;
    QUrl origin_;
    SyncLimits limits_;
    qint64 received_ = 0; // by every request of this client
    QTimer deadline_;
    QString expired_; // why nothing more is sent, once the client's deadline passed
};

} // namespace vennor::carddav
