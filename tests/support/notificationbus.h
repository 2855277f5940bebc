// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QVariantMap>

namespace vennor::test {

// org.freedesktop.Notifications as a desktop offers it, recording what it is asked to show.
class NotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Note
    {
        QString summary;
        QString body;
        QStringList actions; // the keys, without their labels
    };
    QList<Note> notes;

public slots:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints,
                int timeout);
};

// A session bus of the test's own (dbus-daemon --session), with or without the notification
// service on it.
class PrivateBus
{
public:
    explicit PrivateBus(bool withService = true);
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // The connection of that name to this bus, made on first use.
    QDBusConnection connection(const QString& name) const;
    // The user chose the action in the notice the service showed last.
    void invoke(const QString& action) const;

    NotificationService service;

private:
    QProcess daemon_;
    QString address_;
};

} // namespace vennor::test
