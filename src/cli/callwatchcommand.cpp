// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/callwatchcommand.h"

#include "cli/calloptions.h"
#include "cli/commandline.h"
#include "cli/dialsettings.h"
#include "core/telnumber.h"

#include <QCoreApplication>

namespace vennor::app {

CallWatchCommand::CallWatchCommand(QTextStream& out, QTextStream& errors, QDBusConnection bus,
                                   QObject* parent)
    : QObject(parent), out_(out), errors_(errors),
      desktop_(std::move(bus), QString::fromLatin1(kApplicationId))
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
    const IncomingCall incoming = calls_.identify(caller, prefix_);
    const CallEntry& call = incoming.entry;
    out_ << callLine(call) << Qt::endl;
    // Without a desktop session the printed line is all there is.
    desktop_.send(CallNotice::of(incoming), false);
    if (const Status logged = CallLog::inPhoneBookFolder().append(call); !logged) {
        errors_ << "vennor: the call was not logged: " << logged.error() << Qt::endl;
    }
}

int runCallWatch()
{
    QTextStream out(stdout);
    QTextStream errors(stderr);
    CallWatchCommand command(out, errors, QDBusConnection::sessionBus());
    QObject::connect(&command, &CallWatchCommand::ended, qApp, &QCoreApplication::exit,
                     Qt::QueuedConnection);
    command.start();
    return QCoreApplication::exec();
}

} // namespace vennor::app
