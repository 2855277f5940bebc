// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/callwatchcommand.h"

#include "cli/calloptions.h"
#include "cli/dialsettings.h"
#include "core/settingsfile.h"
#include "core/telnumber.h"

#include <QCoreApplication>
#include <QDateTime>

namespace vennor::app {

namespace {

// The phone books to look callers up in, the default first.
QStringList listedBooks()
{
    const Result<QStringList> lines = SettingsFile().readAll();
    return lines && lines->size() > 1 ? lines->mid(1) : QStringList();
}

} // namespace

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
    lookup_.prepare(listedBooks()); // so that the first call is found as fast as the next
    watcher_.start();
}

void CallWatchCommand::callerReported(const CallerReport& caller)
{
    CallEntry call;
    call.time = QDateTime::currentDateTimeUtc();
    call.number = caller.number;
    call.hidden = caller.kind == CallerReport::Number::Private ? CallEntry::Hidden::Private
                  : caller.kind == CallerReport::Number::Unavailable
                      ? CallEntry::Hidden::Unavailable
                      : CallEntry::Hidden::No;
    call.networkName = caller.name;
    if (caller.kind == CallerReport::Number::Given) {
        if (const auto match = lookup_.find(listedBooks(), caller.number, prefix_)) {
            call.record = match->record.name;
            call.book = match->book;
        }
    }
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
