// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calls/callwatch.h"

#include "cli/dialsettings.h"
#include "core/folders.h"
#include "core/telnumber.h"
#include "widgets/messagebox.h"

#include <QDateTime>
#include <QSettings>
#include <QWidget>

namespace vennor {

namespace {

const QString kWatchKey = QStringLiteral("calls/watch");

QString callerPrefix()
{
    const Result<QString> prefix = app::internationalPrefix();
    return prefix ? *prefix : defaultInternationalPrefix();
}

void remember(bool on)
{
    const QString path = app::dialSettingsPath();
    if (CallWatch::rememberedOn() == on || !folders::ensureFolderOf(path)) {
        return; // the file is the user's too: it is rewritten only for a change
    }
    QSettings(path, QSettings::IniFormat).setValue(kWatchKey, on);
}

} // namespace

CallWatch::CallWatch(SharedState& state, QWidget& window)
    : QObject(&window), state_(state), window_(window)
{
    setObjectName(QStringLiteral("callWatch"));
    ringsEnd_.setSingleShot(true);
    ringsEnd_.setInterval(kRingsEndMs);
    connect(&ringsEnd_, &QTimer::timeout, this, &CallWatch::ringsEnded);
    connect(&watcher_, &CallWatcher::callerReported, this, &CallWatch::callerReported);
    connect(&watcher_, &CallWatcher::ring, this, &CallWatch::rang);
    connect(&watcher_, &CallWatcher::failed, this, &CallWatch::failed);
    state_.modemPort.setHolder([this] { watcher_.stop(); },
                               [this] {
                                   if (on_) {
                                       watcher_.start();
                                   }
                               });
    // Started once the window stands, so that a failure's message has a window to sit on.
    if (rememberedOn()) {
        QTimer::singleShot(0, this, [this] {
            if (!on_ && rememberedOn()) {
                setOn(true);
            }
        });
    }
}

CallWatch::~CallWatch()
{
    state_.modemPort.setHolder({}, {});
}

bool CallWatch::rememberedOn()
{
    return QSettings(app::dialSettingsPath(), QSettings::IniFormat).value(kWatchKey).toBool();
}

void CallWatch::setOn(bool on)
{
    remember(on);
    on_ = on;
    ringsEnd_.stop();
    if (!on) {
        watcher_.stop();
        return;
    }
    calls_.prepare();
    if (notifier_ == nullptr) { // a window that never watches never reaches for the bus
        setBus(QDBusConnection::sessionBus());
    }
    if (!state_.modemPort.isLent()) {
        watcher_.start();
    }
}

void CallWatch::setBus(QDBusConnection bus)
{
    delete notifier_;
    notifier_ = new CallNotifier(std::move(bus), &window_, this);
    connect(notifier_, &CallNotifier::showRequested, this, &CallWatch::showRequested);
    connect(notifier_, &CallNotifier::addRequested, this, &CallWatch::addRequested);
}

void CallWatch::callerReported(const CallerReport& caller)
{
    reported_ = true;
    const IncomingCall call = calls_.identify(caller, callerPrefix());
    notifier_->notify(CallNotice::of(call));
    log(call.entry);
}

// The rings of one call come a few seconds apart; a longer silence ends the call.
void CallWatch::rang()
{
    if (!ringsEnd_.isActive()) {
        reported_ = false;
    }
    ringsEnd_.start();
}

// A modem that reports no caller for a call (a line without caller ID, a report lost on the
// way) still leaves the call in the log, without a number.
void CallWatch::ringsEnded()
{
    if (!reported_) {
        CallEntry call;
        call.time = QDateTime::currentDateTimeUtc();
        log(call);
    }
}

void CallWatch::log(const CallEntry& call)
{
    if (const Status logged = CallLog::inPhoneBookFolder().append(call); !logged) {
        MessageBox::ok(&window_,
                       tr("The call was not added to the call log: %1").arg(logged.error()),
                       tr("Warning"));
        return;
    }
    emit callLogged();
}

void CallWatch::failed(const QString& message)
{
    on_ = false;
    ringsEnd_.stop();
    remember(false);
    emit switchedOff();
    MessageBox::ok(&window_, message, tr("Warning"));
}

} // namespace vennor
