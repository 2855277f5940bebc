// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/incomingcalls.h"
#include "platform/callnotifications.h"
#include "platform/callwatcher.h"

#include <QObject>
#include <QTextStream>

namespace vennor::app {

// vennor --watch: watches the modem without a window; each caller is looked up in the listed
// phone books, added to the call log, printed as a line (callLine) to out and, where bus has a
// notification service, shown on the desktop (without actions: there is no window to carry
// them out). A watch that cannot start or that ends (the modem unplugged) prints why to errors
// and ends with 1.
class CallWatchCommand : public QObject
{
    Q_OBJECT

public:
    CallWatchCommand(QTextStream& out, QTextStream& errors, QDBusConnection bus,
                     QObject* parent = nullptr);

    void start();
    CallWatcher& watcher() { return watcher_; }

signals:
    void ended(int status);

private:
    void callerReported(const CallerReport& caller);

    QTextStream& out_;
    QTextStream& errors_;
    CallWatcher watcher_;
    CallNotifications desktop_;
    IncomingCalls calls_;
    QString prefix_;
};

// Runs the watch until it fails or the process is stopped; a QCoreApplication must exist.
int runCallWatch();

} // namespace vennor::app
