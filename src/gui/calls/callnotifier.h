// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/callnotice.h"
#include "platform/callnotifications.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

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

private:
    void showWindow(const CallNotice& notice);

    CallNotifications desktop_;
    QPointer<QWidget> near_;
    QPointer<CallNoticeWindow> window_;
};

} // namespace vennor
