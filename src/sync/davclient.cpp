// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sync/davclient.h"

#include "sync/origin.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <memory>

namespace vennor::carddav {
namespace {

constexpr qint64 kReadChunk = qint64(256) * 1024; // what the network may hold before we take it
const char* const kStopped = "vennorStopped";

QString sizeText(qint64 bytes)
{
    if (bytes % (1 << 20) == 0) {
        return DavClient::tr("%1 MB").arg(bytes >> 20);
    }
    if (bytes % 1024 == 0) {
        return DavClient::tr("%1 KB").arg(bytes >> 10);
    }
    return DavClient::tr("%1 bytes").arg(bytes);
}

// A URL as it may be printed: paths a server chose stay percent-encoded.
QString shown(const QUrl& url)
{
    return QString::fromLatin1(url.adjusted(QUrl::RemoveUserInfo).toEncoded());
}

// Ends the reply now; the message is what its callback tells.
void cut(QNetworkReply* reply, const QString& message)
{
    if (reply->property(kStopped).toString().isEmpty()) {
        reply->setProperty(kStopped, message);
    }
    reply->abort();
}

} // namespace

QString failureText(const DavReply& reply)
{
    if (!reply.stopped.isEmpty()) {
        return reply.stopped;
    }
    const QString host = reply.url.host();
    if (reply.status == 401) {
        return DavClient::tr("The server %1 refused the user name or password.").arg(host);
    }
    if (reply.insecure) {
        return DavClient::tr("The connection to %1 is not safe: %2").arg(host, reply.failure);
    }
    if (reply.status == 0) {
        return DavClient::tr("Cannot reach the server %1: %2").arg(host, reply.failure);
    }
    if (reply.status == 403) {
        return DavClient::tr("The server %1 does not allow this user to use %2.")
            .arg(host, shown(reply.url));
    }
    return DavClient::tr("The server %1 answered %2 with the error %3.")
        .arg(host, shown(reply.url))
        .arg(reply.status);
}

DavClient::DavClient(const QUrl& origin, const QString& user, const QString& password,
                     const SyncLimits& limits, QObject* parent)
    : QObject(parent), authorization_("Basic " + (user + u':' + password).toUtf8().toBase64()),
      origin_(origin), limits_(limits)
{
    manager_.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &DavClient::expire);
    deadline_.start(std::chrono::seconds(limits_.syncSeconds));
}

void DavClient::send(const QByteArray& verb, const QUrl& url, const QByteArray& body,
                     const Headers& headers, Done done)
{
    transfer(verb, url, body, headers, limits_.responseBytes, "maxResponseMB", std::move(done));
}

void DavClient::query(const QByteArray& verb, const QUrl& url, int depth, const QByteArray& xml,
                      Done done)
{
    send(verb, url, xml,
         {{"Depth", QByteArray::number(depth)}, {"Content-Type", "application/xml; charset=utf-8"}},
         std::move(done));
}

void DavClient::getCard(const QUrl& url, Done done)
{
    transfer("GET", url, {}, {}, limits_.cardBytes, "maxCardKB", std::move(done));
}

std::optional<QString> DavClient::oversizedCard(const QString& href, const QString& card) const
{
    // Cheap first: no UTF-8 form is longer than three bytes a character.
    if (card.size() * 3 <= limits_.cardBytes || card.toUtf8().size() <= limits_.cardBytes) {
        return std::nullopt;
    }
    return DavClient::tr("The card %1 on the server %2 is larger than %3; the sync was stopped "
                         "(the limit is %4).")
        .arg(href, origin_.host(), sizeText(limits_.cardBytes), SyncLimits::whereSet("maxCardKB"));
}

void DavClient::refuse(const QUrl& url, const QString& message, Done done)
{
    DavReply answer;
    answer.url = url;
    answer.stopped = message;
    // Never from inside send: callers expect their answer after they return.
    QTimer::singleShot(0, this, [answer, done = std::move(done)] { done(answer); });
}

void DavClient::transfer(const QByteArray& verb, const QUrl& given, const QByteArray& body,
                         const Headers& headers, qint64 limit, const char* limitKey, Done done)
{
    const QUrl url = given.adjusted(QUrl::RemoveUserInfo);
    if (const std::optional<QString> foreign = foreignTarget(origin_, url)) {
        return refuse(url, *foreign, std::move(done));
    }
    if (!expired_.isEmpty()) {
        return refuse(url, expired_, std::move(done));
    }
    QNetworkRequest request(url);
    request.setRawHeader("Authorization", authorization_);
    for (const auto& [name, value] : headers) {
        request.setRawHeader(name, value);
    }
    QNetworkReply* reply = manager_.sendCustomRequest(request, verb, body);
    reply->setReadBufferSize(kReadChunk);
    const QString host = url.host();
    const QString tooLarge =
        DavClient::tr("The server %1 sent more than %2 in answer to %3 %4; nothing more "
                      "was read (the limit is %5).")
            .arg(host, sizeText(limit), QString::fromLatin1(verb), shown(url),
                 SyncLimits::whereSet(limitKey));
    auto received = std::make_shared<QByteArray>();
    // The next bytes of the answer, or why they are refused.
    const auto take = [this, reply, received, limit, tooLarge, host]() -> std::optional<QString> {
        const QByteArray chunk = reply->readAll();
        received_ += chunk.size();
        if (received->size() + chunk.size() > limit) {
            return tooLarge;
        }
        if (received_ > limits_.syncBytes) {
            return tr("The server %1 sent more than %2 in all; nothing more was read "
                      "(the limit is %3).")
                .arg(host, sizeText(limits_.syncBytes), SyncLimits::whereSet("maxSyncMB"));
        }
        received->append(chunk);
        return std::nullopt;
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, [reply, limit, tooLarge] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > limit) {
            cut(reply, tooLarge);
        }
    });
    connect(reply, &QNetworkReply::readyRead, this, [reply, take] {
        if (const std::optional<QString> refused = take()) {
            cut(reply, *refused);
        }
    });
    auto* timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply, url, this] {
        cut(reply, tr("The server %1 did not answer %2 within %3 seconds; the "
                      "request was given up (the limit is %4).")
                       .arg(url.host(), shown(url))
                       .arg(limits_.requestSeconds)
                       .arg(SyncLimits::whereSet("requestTimeoutSeconds")));
    });
    timer->start(std::chrono::seconds(limits_.requestSeconds));
    connect(
        reply, &QNetworkReply::finished, this,
        [this, reply, url, received, take, done = std::move(done)] {
            reply->deleteLater();
            DavReply answer;
            answer.url = url;
            answer.stopped = reply->property(kStopped).toString();
            if (answer.stopped.isEmpty()) {
                answer.stopped = take().value_or(QString());
            }
            if (answer.stopped.isEmpty()) {
                answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
                answer.body = std::move(*received);
                answer.etag = QString::fromUtf8(reply->rawHeader("ETag"));
                if (const QByteArray location = reply->rawHeader("Location"); !location.isEmpty()) {
                    answer.location = url.resolved(QUrl::fromEncoded(location));
                }
                if (answer.status == 0) {
                    answer.failure = reply->errorString();
                    answer.insecure = reply->error() == QNetworkReply::SslHandshakeFailedError;
                }
            }
            if (answer.status == 401) {
                emit passwordRefused();
            }
            done(answer);
        });
}

void DavClient::expire()
{
    expired_ = tr("The work with the server %1 took more than %2 seconds in all; "
                  "it was stopped (the limit is %3).")
                   .arg(origin_.host())
                   .arg(limits_.syncSeconds)
                   .arg(SyncLimits::whereSet("syncTimeoutSeconds"));
    for (QNetworkReply* reply : manager_.findChildren<QNetworkReply*>()) {
        if (reply->isRunning()) {
            cut(reply, expired_);
        }
    }
}

} // namespace vennor::carddav
