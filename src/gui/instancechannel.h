// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace vennor::app {

// A second start with a number hands it to the running program instead of opening a second
// window. The number travels as one line; the running program answers "ok", or "busy" while
// a window of its own waits for the user (a call, a dialog).
enum class HandOver { Delivered, Busy, NoAnswer, NoInstance };

// Blocks for at most a few seconds; NoInstance when nothing listens.
HandOver handOverNumber(const QString& number);

// The message a second start prints for an outcome other than Delivered and NoInstance.
QString handOverMessage(HandOver outcome);

class InstanceServer : public QObject
{
    Q_OBJECT

public:
    explicit InstanceServer(QObject* parent = nullptr);

    // False when another running program holds the socket; a socket left behind by a program
    // that ended without closing it is taken over.
    bool listen();

signals:
    // A number handed over by a second start, to dial; sent after the answer went back.
    void numberReceived(const QString& number);

private:
    void acceptConnection();
    void readNumber(QLocalSocket* socket);

    QLocalServer* server_;
};

} // namespace vennor::app
