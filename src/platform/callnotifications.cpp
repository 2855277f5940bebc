// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/callnotifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace vennor {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kShow = QStringLiteral("show");
const QString kClicked = QStringLiteral("default"); // the notice itself was clicked
const QString kAdd = QStringLiteral("add");

QStringList actionsOf(const CallNotice& notice)
{
    QStringList actions;
    if (notice.canShow()) {
        actions << kClicked << QString() << kShow << CallNotice::showText();
    }
    if (notice.canAdd()) {
        actions << kAdd << CallNotice::addText();
    }
    return actions;
}

} // namespace

CallNotifications::CallNotifications(QDBusConnection bus, QString desktopEntry, QObject* parent)
    : QObject(parent), bus_(std::move(bus)), desktopEntry_(std::move(desktopEntry))
{
    if (bus_.isConnected()) {
        bus_.connect(QString(), kPath, kService, QStringLiteral("ActionInvoked"), this,
                     SLOT(actionInvoked(uint, QString)));
        bus_.connect(QString(), kPath, kService, QStringLiteral("NotificationClosed"), this,
                     SLOT(notificationClosed(uint, uint)));
    }
}

void CallNotifications::send(const CallNotice& notice, bool withActions)
{
    if (!bus_.isConnected()) {
        emit refused(notice);
        return;
    }
    const QVariantMap hints{{QStringLiteral("desktop-entry"), desktopEntry_}};
    QDBusMessage message =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    // Services that read the body as markup would take a caller's "<" or "&" for it.
    message << QStringLiteral("Vennor") << uint{0} << QStringLiteral("vennor") << notice.summary
            << notice.body.toHtmlEscaped() << (withActions ? actionsOf(notice) : QStringList())
            << hints << -1;
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(message, kTimeoutMs), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, notice, withActions](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                const QDBusPendingReply<uint> reply = *call;
                if (reply.isError()) {
                    emit refused(notice);
                } else if (withActions) {
                    remember(reply.value(), notice);
                }
            });
}

void CallNotifications::remember(uint id, const CallNotice& notice)
{
    shown_[id] = notice;
    // A service that never says a notice closed must not make the list grow.
    constexpr size_t kKept = 32;
    if (shown_.size() > kKept) {
        shown_.erase(shown_.begin());
    }
}

void CallNotifications::actionInvoked(uint id, const QString& action)
{
    const auto shown = shown_.find(id);
    if (shown == shown_.end()) {
        return;
    }
    const CallNotice& notice = shown->second;
    if ((action == kShow || action == kClicked) && notice.canShow()) {
        emit showChosen(notice);
    } else if (action == kAdd && notice.canAdd()) {
        emit addChosen(notice);
    }
}

void CallNotifications::notificationClosed(uint id, uint /*reason*/)
{
    shown_.erase(id);
}

} // namespace vennor
