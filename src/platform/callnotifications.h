// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/callnotice.h"

#include <QDBusConnection>
#include <QObject>
#include <map>

namespace vennor {

// The desktop's notification service (org.freedesktop.Notifications) on a session bus, told of
// each call, and heard when the user picks one of a notice's actions.
class CallNotifications : public QObject
{
    Q_OBJECT

public:
    // A service that does not answer by then counts as missing.
    static constexpr int kTimeoutMs = 2000;

    // desktopEntry: the program's desktop file name, for the service's icon and grouping.
    CallNotifications(QDBusConnection bus, QString desktopEntry, QObject* parent = nullptr);

    // withActions: offer the notice's "Show" and "Add to phone book", for a program with a
    // window to carry them out in.
    void send(const CallNotice& notice, bool withActions);

signals:
    // No bus, no service, or the service refused or did not answer.
    void refused(const CallNotice& notice);
    void showChosen(const CallNotice& notice);
    void addChosen(const CallNotice& notice);

private slots:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    void remember(uint id, const CallNotice& notice);

    QDBusConnection bus_;
    QString desktopEntry_;
    std::map<uint, CallNotice> shown_; // by the service's id, until it closes the notice
};

} // namespace vennor
