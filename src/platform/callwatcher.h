// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/callerreport.h"
#include "platform/serialport.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

namespace vennor {

// Watches the modem recorded in the settings file for incoming calls: opens its port, asks it
// to report callers (ATZ, then AT+VCID=1, else AT#CID=1) and turns what arrives into rings and
// callers. Dialing needs the port: stop before, start again after. Nothing here blocks; every
// failure ends the watch with one message for the user.
class CallWatcher : public QObject
{
    Q_OBJECT

public:
    struct Waits
    {
        int reply = 3000; // for the modem's answer to each command
        int quiet = 80;   // after the last line of a report that held no name
    };

    explicit CallWatcher(QObject* parent = nullptr);

    void setWaits(Waits waits) { waits_ = waits; }
    void start();
    void stop();
    bool isWatching() const { return state_ == State::Watching; }
    bool isActive() const { return state_ != State::Stopped; }

signals:
    // The modem takes caller reports: calls will show from now on.
    void watching();
    void ring();
    void callerReported(const CallerReport& caller);
    // The watch has ended; the text says why, for the user.
    void failed(const QString& message);

private:
    enum class State { Stopped, Resetting, AskingVcid, AskingCid, Watching };

    QString openPort();
    void send(State next, const QByteArray& command);
    void answered(const QString& line);
    void noAnswer();
    void read(const QByteArray& bytes);
    void deliver(const std::vector<CallEvent>& events);
    void fail(const QString& message);

    SerialPort port_;
    CallerReportParser parser_;
    QTimer replyTimer_;
    QTimer quietTimer_;
    Waits waits_;
    State state_ = State::Stopped;
    QString answers_; // each command and what the modem said to it
};

} // namespace vennor
