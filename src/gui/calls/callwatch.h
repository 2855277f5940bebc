// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/incomingcalls.h"
#include "gui/calls/callnotifier.h"
#include "gui/sharedstate.h"
#include "platform/callwatcher.h"

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

class QWidget;

namespace vennor {

// The main window's watch for incoming calls (Dial > Watch for incoming calls): watches the
// modem of the settings file while on, looks each caller up in the listed phone books, adds the
// call to the call log and tells the user. It gives the port up while a window dials or
// detects. Whether it is on is kept in vennor.ini ([calls] watch) and followed at start.
class CallWatch : public QObject
{
    Q_OBJECT

public:
    // A call that rang with no caller report is logged once the line was quiet this long.
    static constexpr int kRingsEndMs = 8000;

    CallWatch(SharedState& state, QWidget& window);
    ~CallWatch() override;
    CallWatch(const CallWatch&) = delete;
    CallWatch& operator=(const CallWatch&) = delete;

    bool isOn() const { return on_; }
    static bool rememberedOn();
    // The user's choice: remembered, and the watch started or stopped.
    void setOn(bool on);

    // The main window's index of the default book, so that a large book is not indexed twice.
    void share(BookIndex& index) { calls_.share(index); }

    // Test seams: the bus the notifications go to, the modem's waits.
    void setBus(QDBusConnection bus);
    CallWatcher& watcher() { return watcher_; }
    void setRingsEnd(int ms) { ringsEnd_.setInterval(ms); }

signals:
    // The watch ended without the user: the menu item is to show it off.
    void switchedOff();
    // A call was added to the call log.
    void callLogged();
    void showRequested(const QString& book, const QString& record);
    void addRequested(const QString& number);

private:
    void callerReported(const CallerReport& caller);
    void rang();
    void ringsEnded();
    void log(const CallEntry& call);
    void failed(const QString& message);

    SharedState& state_;
    QWidget& window_;
    CallWatcher watcher_;
    IncomingCalls calls_;
    CallNotifier* notifier_ = nullptr;
    QTimer ringsEnd_;
    bool reported_ = false; // the call ringing now brought a caller report
    bool on_ = false;
};

} // namespace vennor
