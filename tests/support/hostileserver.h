// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>
#include <functional>

namespace vennor::test {

// An HTTP server of the tests' own on 127.0.0.1 that answers as a script says: redirects
// elsewhere, discovery pointing to another origin, endless or dripping bodies, oversized
// cards. It records every request it receives, headers included, so that a test can prove
// what never reached it. Bounded: no answer outlasts a few tens of seconds or 1 GB.
class HostileServer : public QObject
{
public:
    struct Request
    {
        QByteArray method;
        QByteArray path;                       // as sent: percent-encoded
        QHash<QByteArray, QByteArray> headers; // names lower-cased
        QByteArray body;
    };

    struct Answer
    {
        enum class Body { whole, endless, drip };
        int status = 200;
        QList<std::pair<QByteArray, QByteArray>> headers;
        QByteArray body;
        Body kind = Body::whole;
        int dripMs = 0; // drip: one byte of body every dripMs

        static Answer xml(const QByteArray& multistatus); // 207
        static Answer redirect(int status, const QByteArray& location);
        static Answer endless();
        static Answer drip(int everyMs);
    };
    using Script = std::function<Answer(const Request&)>;

    explicit HostileServer(Script script = {});

    void setScript(Script script) { script_ = std::move(script); }
    quint16 port() const { return server_.serverPort(); }
    QByteArray origin() const; // "http://127.0.0.1:PORT"
    const QList<Request>& requests() const { return requests_; }
    // Requests that carried an Authorization header.
    qsizetype authorized() const;

private:
    void serve(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const Request& request);

    QTcpServer server_;
    Script script_;
    QList<Request> requests_;
};

} // namespace vennor::test
