// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/calls/callnotice.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <map>

class QWidget;

namespace vennor {

class CallNoticeWindow;

// Tells the user of a call through the desktop's notification service
// (org.freedesktop.Notifications) on a session bus, and hears which action was chosen; where
// the bus or the service is missing, or refuses, a CallNoticeWindow shows the notice instead.
class CallNotifier : public QObject
{
    Q_OBJECT

public:
    // near: the window whose screen the stand-in window appears on.
    CallNotifier(QDBusConnection bus, QWidget* near, QObject* parent = nullptr);
    ~CallNotifier() override;
    CallNotifier(const CallNotifier&) = delete;
    CallNotifier& operator=(const CallNotifier&) = delete;

    void notify(const CallNotice& notice);

signals:
    void showRequested(const QString& book, const QString& record);
    void addRequested(const QString& number);

private slots:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    void showWindow(const CallNotice& notice);
    void act(const CallNotice& notice, const QString& action);

    QDBusConnection bus_;
    QPointer<QWidget> near_;
    std::map<uint, CallNotice> shown_; // by the service's id, until it closes the notice
    QPointer<CallNoticeWindow> window_;
};

} // namespace vennor
