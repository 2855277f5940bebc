// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/callwatcher.h"

#include "core/settingsfile.h"

namespace vennor {

namespace {

const QByteArray kReset = QByteArrayLiteral("ATZ\r");
const QByteArray kVoiceCallerId = QByteArrayLiteral("AT+VCID=1\r");
const QByteArray kCallerId = QByteArrayLiteral("AT#CID=1\r");

} // namespace

CallWatcher::CallWatcher(QObject* parent) : QObject(parent)
{
    replyTimer_.setSingleShot(true);
    quietTimer_.setSingleShot(true);
    connect(&replyTimer_, &QTimer::timeout, this, &CallWatcher::noAnswer);
    connect(&quietTimer_, &QTimer::timeout, this, [this] { deliver(parser_.finish()); });
    connect(&port_, &SerialPort::lineReceived, this, &CallWatcher::answered);
    connect(&port_, &SerialPort::bytesReceived, this, &CallWatcher::read);
    connect(&port_, &SerialPort::disconnected, this, [this] {
        if (isActive()) {
            fail(tr("The modem was disconnected"));
        }
    });
}

void CallWatcher::start()
{
    stop();
    if (const QString problem = openPort(); !problem.isEmpty()) {
        fail(problem);
        return;
    }
    answers_.clear();
    send(State::Resetting, kReset);
}

void CallWatcher::stop()
{
    replyTimer_.stop();
    quietTimer_.stop();
    state_ = State::Stopped;
    parser_ = {};
    port_.setPortOpen(false);
}

// Why the recorded port could not be opened; empty when it is open.
QString CallWatcher::openPort()
{
    const Result<QString> line = SettingsFile().readPortLine();
    bool isNumber = false;
    const int port = line ? line->trimmed().toInt(&isNumber) : 0;
    if (!isNumber || !port_.setCommPort(port)) {
        return tr("The modem is not connected");
    }
    port_.setSettings(QStringLiteral("9600,N,8,1"));
    if (const Status opened = port_.setPortOpen(true); !opened) {
        const QString where = tr("port %1 (%2)").arg(port).arg(port_.device());
        switch (port_.lastFailure()) {
        case PortFailure::Missing:
            return tr("The modem on %1 cannot be found").arg(where);
        case PortFailure::InUse:
            return tr("The modem on %1 is used by another program").arg(where);
        case PortFailure::NoPermission:
            return tr("The modem on %1 may not be used. %2").arg(where, portPermissionHint());
        case PortFailure::None:
            break;
        }
        return tr("The modem on %1 could not be opened: %2").arg(where, opened.error());
    }
    return {};
}

void CallWatcher::send(State next, const QByteArray& command)
{
    state_ = next;
    answers_ += QString::fromLatin1(command.trimmed()) + QStringLiteral(": ");
    if (const Status sent = port_.output(command); !sent) {
        fail(tr("The modem could not be written to: %1").arg(sent.error()));
        return;
    }
    replyTimer_.start(waits_.reply);
}

// The modem's last line of a read while a command waits for its answer; its echo of the
// command and anything else but OK and ERROR are passed over.
void CallWatcher::answered(const QString& line)
{
    const QString answer = line.trimmed();
    if (state_ == State::Stopped || state_ == State::Watching ||
        (answer != QLatin1String("OK") && answer != QLatin1String("ERROR"))) {
        return;
    }
    replyTimer_.stop();
    answers_ += answer + QLatin1Char('\n');
    const bool ok = answer == QLatin1String("OK");
    if (state_ == State::Resetting) {
        send(State::AskingVcid, kVoiceCallerId);
    } else if (ok) {
        state_ = State::Watching;
        parser_ = {};
        emit watching();
    } else if (state_ == State::AskingVcid) {
        send(State::AskingCid, kCallerId);
    } else {
        fail(tr("This modem does not report callers") + QStringLiteral("\n\n") +
             answers_.trimmed());
    }
}

void CallWatcher::noAnswer()
{
    answers_ += tr("no answer") + QLatin1Char('\n');
    if (state_ == State::AskingVcid) {
        send(State::AskingCid, kCallerId);
        return;
    }
    fail(state_ == State::Resetting ? tr("The modem does not answer")
                                    : tr("This modem does not report callers") +
                                          QStringLiteral("\n\n") + answers_.trimmed());
}

void CallWatcher::read(const QByteArray& bytes)
{
    if (state_ != State::Watching) {
        return;
    }
    deliver(parser_.feed(bytes));
    if (parser_.reportPending()) {
        quietTimer_.start(waits_.quiet);
    } else {
        quietTimer_.stop();
    }
}

void CallWatcher::deliver(const std::vector<CallEvent>& events)
{
    for (const CallEvent& event : events) {
        if (state_ != State::Watching) {
            return; // a receiver stopped the watch
        }
        if (event.kind == CallEvent::Kind::Ring) {
            emit ring();
        } else {
            emit callerReported(event.caller);
        }
    }
}

void CallWatcher::fail(const QString& message)
{
    stop();
    emit failed(message);
}

} // namespace vennor
