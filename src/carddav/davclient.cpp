#include "carddav/davclient.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace vennor::carddav {
namespace {

constexpr int kTimeoutMs = 60000;

} // namespace

QString failureText(const DavReply& reply)
{
    const QString host = reply.url.host();
    if (reply.status == 401) {
        return QStringLiteral("The server %1 refused the user name or password.").arg(host);
    }
    if (reply.insecure) {
        return QStringLiteral("The connection to %1 is not safe: %2").arg(host, reply.failure);
    }
    if (reply.status == 0) {
        return QStringLiteral("Cannot reach the server %1: %2").arg(host, reply.failure);
    }
    if (reply.status == 403) {
        return QStringLiteral("The server %1 does not allow this user to use %2.")
            .arg(host, reply.url.toDisplayString());
    }
    return QStringLiteral("The server %1 answered %2 with the error %3.")
        .arg(host, reply.url.toDisplayString())
        .arg(reply.status);
}

DavClient::DavClient(const QString& user, const QString& password, QObject* parent)
    : QObject(parent), authorization_("Basic " + (user + u':' + password).toUtf8().toBase64())
{
    manager_.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

void DavClient::send(const QByteArray& verb, const QUrl& url, const QByteArray& body,
                     const Headers& headers, Done done)
{
    QNetworkRequest request(url);
    request.setRawHeader("Authorization", authorization_);
    request.setTransferTimeout(kTimeoutMs);
    for (const auto& [name, value] : headers) {
        request.setRawHeader(name, value);
    }
    QNetworkReply* reply = manager_.sendCustomRequest(request, verb, body);
    connect(reply, &QNetworkReply::finished, this, [reply, url, done = std::move(done)] {
        reply->deleteLater();
        DavReply answer;
        answer.url = url;
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.body = reply->readAll();
        answer.etag = QString::fromUtf8(reply->rawHeader("ETag"));
        if (const QByteArray location = reply->rawHeader("Location"); !location.isEmpty()) {
            answer.location = url.resolved(QUrl::fromEncoded(location));
        }
        if (answer.status == 0) {
            answer.failure = reply->errorString();
            answer.insecure = reply->error() == QNetworkReply::SslHandshakeFailedError;
        }
        done(answer);
    });
}

void DavClient::query(const QByteArray& verb, const QUrl& url, int depth, const QByteArray& xml,
                      Done done)
{
    send(verb, url, xml,
         {{"Depth", QByteArray::number(depth)}, {"Content-Type", "application/xml; charset=utf-8"}},
         std::move(done));
}

} // namespace vennor::carddav
