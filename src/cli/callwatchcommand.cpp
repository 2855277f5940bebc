// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/callwatchcommand.h"

#include "cli/calloptions.h"
#include "cli/dialsettings.h"
#include "core/telnumber.h"

#include <QCoreApplication>

namespace vennor::app {

CallWatchCommand::CallWatchCommand(QTextStream& out, QTextStream& errors, QObject* parent)
    : QObject(parent), out_(out), errors_(errors)
{
    connect(&watcher_, &CallWatcher::callerReported, this, &CallWatchCommand::callerReported);
    connect(&watcher_, &CallWatcher::failed, this, [this](const QString& message) {
        errors_ << "vennor: " << message << Qt::endl;
        emit ended(1);
    });
}

void CallWatchCommand::start()
{
    const Result<QString> prefix = internationalPrefix();
    prefix_ = prefix ? *prefix : defaultInternationalPrefix();
    calls_.prepare();
    watcher_.start();
}

void CallWatchCommand::callerReported(const CallerReport& caller)
{
    const CallEntry call = calls_.identify(caller, prefix_).entry;
    out_ << callLine(call) << Qt::endl;
    if (const Status logged = CallLog::inPhoneBookFolder().append(call); !logged) {
        errors_ << "vennor: the call was not logged: " << logged.error() << Qt::endl;
    }
}

int runCallWatch()
{
    QTextStream out(stdout);
    QTextStream errors(stderr);
    CallWatchCommand command(out, errors);
    QObject::connect(&command, &CallWatchCommand::ended, qApp, &QCoreApplication::exit,
                     Qt::QueuedConnection);
    command.start();
    return QCoreApplication::exec();
}

} // namespace vennor::app
