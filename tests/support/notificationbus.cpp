// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/notificationbus.h"

#include <QDBusMessage>

namespace vennor::test {

uint NotificationService::Notify(const QString& /*app*/, uint /*replaces*/, const QString& /*icon*/,
                                 const QString& summary, const QString& body,
                                 const QStringList& actions, const QVariantMap& /*hints*/,
                                 int /*timeout*/)
{
    QStringList keys;
    for (qsizetype i = 0; i < actions.size(); i += 2) {
        keys << actions.at(i);
    }
    notes.append({summary, body, keys});
    return uint(notes.size());
}

PrivateBus::PrivateBus(bool withService)
{
    daemon_.start("dbus-daemon", {"--session", "--print-address", "--nofork"});
    if (!daemon_.waitForReadyRead(5000)) {
        qFatal("dbus-daemon did not start");
    }
    address_ = QString::fromLatin1(daemon_.readLine().trimmed());
    if (withService) {
        QDBusConnection bus = connection("service");
        bus.registerObject("/org/freedesktop/Notifications", &service,
                           QDBusConnection::ExportAllSlots);
        bus.registerService("org.freedesktop.Notifications");
    }
}

PrivateBus::~PrivateBus()
{
    QDBusConnection::disconnectFromBus("service");
    QDBusConnection::disconnectFromBus("program");
    daemon_.kill();
    daemon_.waitForFinished();
}

QDBusConnection PrivateBus::connection(const QString& name) const
{
    return QDBusConnection::connectToBus(address_, name);
}

void PrivateBus::invoke(const QString& action) const
{
    QDBusMessage signal = QDBusMessage::createSignal(
        "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
    signal << uint(service.notes.size()) << action;
    connection("service").send(signal);
}

} // namespace vennor::test
