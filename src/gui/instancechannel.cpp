// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/instancechannel.h"

#include "cli/dialsettings.h"
#include "platform/instancename.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>

namespace vennor::app {
namespace {

constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 5000;
constexpr qint64 kLongestLine = 256;

// The other end is any program of this user: what it sends is checked as a typed link is.
bool dialable(const QString& number)
{
    const Result<int> longest = longestDialString();
    return !number.isEmpty() && longest && number.size() <= *longest &&
           std::all_of(number.begin(), number.end(), [](QChar c) {
               return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('*') ||
                      c == QLatin1Char('#');
           });
}

} // namespace

HandOver handOverNumber(const QString& number)
{
    QLocalSocket socket;
    socket.connectToServer(instanceSocketName());
    if (!socket.waitForConnected(kConnectMs)) {
        return HandOver::NoInstance;
    }
    socket.write(number.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kAnswerMs)) {
        return HandOver::NoAnswer;
    }
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerMs)) {
            return HandOver::NoAnswer;
        }
    }
    return socket.readLine().trimmed() == "ok" ? HandOver::Delivered : HandOver::Busy;
}

QString handOverMessage(HandOver outcome)
{
    return outcome == HandOver::Busy
               ? QStringLiteral("vennor: Vennor is already running and waiting for you in one of "
                                "its windows; finish there, then try again")
               : QStringLiteral("vennor: Vennor is already running but does not answer");
}

InstanceServer::InstanceServer(QObject* parent) : QObject(parent), server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::acceptConnection);
}

bool InstanceServer::listen()
{
    // Asked first: listening with access options replaces a socket file, even a live one.
    const QString name = instanceSocketName();
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kConnectMs)) {
        return false;
    }
    return server_->listen(name) || (QLocalServer::removeServer(name) && server_->listen(name));
}

void InstanceServer::acceptConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readNumber(socket); });
    }
}

void InstanceServer::readNumber(QLocalSocket* socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kLongestLine) {
            socket->abort();
        }
        return;
    }
    const QString number = QString::fromUtf8(socket->readLine(kLongestLine)).trimmed();
    if (!dialable(number)) {
        socket->abort();
        return;
    }
    QWidget* waiting = QApplication::activeModalWidget();
    socket->write(waiting ? "busy\n" : "ok\n");
    socket->flush();
    socket->disconnectFromServer();
    if (waiting) {
        // The link was clicked elsewhere: show the user what holds the number back.
        waiting->raise();
        waiting->activateWindow();
        return;
    }
    // Queued: the dialing window runs its own event loop, and the answer must leave first.
    QTimer::singleShot(0, this, [this, number] { emit numberReceived(number); });
}

} // namespace vennor::app
