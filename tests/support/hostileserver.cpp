// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/hostileserver.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

namespace vennor::test {
namespace {

constexpr qint64 kMaxBytes = qint64(1) << 30;
constexpr qint64 kMaxMs = 30000;
const QByteArray kChunk(qsizetype(64) * 1024, 'x');

std::optional<HostileServer::Request> parsed(QByteArray& buffer)
{
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0) {
        return std::nullopt;
    }
    HostileServer::Request request;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    const QList<QByteArray> first = lines.first().trimmed().split(' ');
    request.method = first.value(0);
    request.path = first.value(1);
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0) {
            request.headers.insert(line.left(colon).trimmed().toLower(),
                                   line.mid(colon + 1).trimmed());
        }
    }
    const qsizetype length = request.headers.value("content-length").toLongLong();
    if (buffer.size() < end + 4 + length) {
        return std::nullopt;
    }
    request.body = buffer.mid(end + 4, length);
    buffer.remove(0, end + 4 + length);
    return request;
}

QByteArray head(const HostileServer::Answer& answer, std::optional<qint64> length)
{
    QByteArray text = "HTTP/1.1 " + QByteArray::number(answer.status) + " Scripted\r\n";
    for (const auto& [name, value] : answer.headers) {
        text += name + ": " + value + "\r\n";
    }
    if (length) {
        text += "Content-Length: " + QByteArray::number(*length) + "\r\n";
    }
    return text + "Connection: close\r\n\r\n";
}

// Writes while the client keeps reading, until it goes or the bounds are reached.
void pour(QTcpSocket* socket)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto sent = std::make_shared<qint64>(0);
    const auto more = [socket, clock, sent] {
        while (socket->state() == QAbstractSocket::ConnectedState &&
               socket->bytesToWrite() < 4 * kChunk.size()) {
            if (*sent > kMaxBytes || clock->elapsed() > kMaxMs) {
                socket->disconnectFromHost();
                return;
            }
            *sent += socket->write(kChunk);
        }
    };
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, more);
    more();
}

void drip(QTcpSocket* socket, int everyMs)
{
    auto* timer = new QTimer(socket);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, socket, [socket, clock] {
        if (clock->elapsed() > kMaxMs) {
            socket->disconnectFromHost();
        } else {
            socket->write("x");
        }
    });
    timer->start(everyMs);
}

} // namespace

HostileServer::Answer HostileServer::Answer::xml(const QByteArray& multistatus)
{
    return {207, {{"Content-Type", "application/xml; charset=utf-8"}}, multistatus};
}

HostileServer::Answer HostileServer::Answer::redirect(int status, const QByteArray& location)
{
    return {status, {{"Location", location}}, {}};
}

HostileServer::Answer HostileServer::Answer::endless()
{
    return {207, {{"Content-Type", "application/xml"}}, {}, Body::endless};
}

HostileServer::Answer HostileServer::Answer::drip(int everyMs)
{
    return {207, {{"Content-Type", "application/xml"}}, {}, Body::drip, everyMs};
}

HostileServer::HostileServer(Script script) : script_(std::move(script))
{
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            serve(socket);
        }
    });
}

QByteArray HostileServer::origin() const
{
    return "http://127.0.0.1:" + QByteArray::number(port());
}

qsizetype HostileServer::authorized() const
{
    return std::count_if(requests_.cbegin(), requests_.cend(), [](const Request& request) {
        return request.headers.contains("authorization");
    });
}

void HostileServer::serve(QTcpSocket* socket)
{
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
        buffer->append(socket->readAll());
        if (buffer->size() > 16 << 20) {
            return socket->abort();
        }
        if (const std::optional<Request> request = parsed(*buffer)) {
            requests_.append(*request);
            answer(socket, *request);
        }
    });
}

void HostileServer::answer(QTcpSocket* socket, const Request& request)
{
    const Answer answer = script_ ? script_(request) : Answer{404, {}, {}};
    switch (answer.kind) {
    case Answer::Body::whole:
        socket->write(head(answer, answer.body.size()) + answer.body);
        socket->disconnectFromHost();
        return;
    case Answer::Body::endless:
        socket->write(head(answer, std::nullopt));
        return pour(socket);
    case Answer::Body::drip:
        socket->write(head(answer, 1 << 20));
        return drip(socket, answer.dripMs);
    }
}

} // namespace vennor::test
