#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <utility>

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

    bool ok() const { return status >= 200 && status < 300; }
};

// What to tell the user about a reply that failed.
QString failureText(const DavReply& reply);

using Headers = QList<std::pair<QByteArray, QByteArray>>;

// WebDAV requests with basic authentication, asynchronous; every answer arrives through the
// callback on the thread that sent it.
class DavClient : public QObject
{
    Q_OBJECT

public:
    DavClient(const QString& user, const QString& password, QObject* parent = nullptr);

    using Done = std::function<void(const DavReply&)>;
    void send(const QByteArray& verb, const QUrl& url, const QByteArray& body,
              const Headers& headers, Done done);
    // PROPFIND or REPORT with an XML body.
    void query(const QByteArray& verb, const QUrl& url, int depth, const QByteArray& xml,
               Done done);

private:
    QNetworkAccessManager manager_;
    QByteArray authorization_;
};

} // namespace vennor::carddav
