// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calls/callnotifier.h"

#include "cli/commandline.h"
#include "gui/calls/callnoticewindow.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QWidget>

namespace vennor {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kShow = QStringLiteral("show");
const QString kClicked = QStringLiteral("default"); // the notice itself was clicked
const QString kAdd = QStringLiteral("add");
// A service that does not answer by then counts as missing: the call is shown in a window.
constexpr int kNotifyTimeoutMs = 2000;

QDBusMessage notifyMessage(const CallNotice& notice)
{
    QStringList actions;
    if (notice.canShow()) {
        actions << kClicked << QString() << kShow << CallNotice::showText();
    }
    if (notice.canAdd()) {
        actions << kAdd << CallNotice::addText();
    }
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QString::fromLatin1(app::kApplicationId)}};
    QDBusMessage message =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    // Services that read the body as markup would take a caller's "<" or "&" for it.
    message << QStringLiteral("Vennor") << uint{0} << QStringLiteral("vennor") << notice.summary
            << notice.body.toHtmlEscaped() << actions << hints << -1;
    return message;
}

} // namespace

CallNotifier::CallNotifier(QDBusConnection bus, QWidget* near, QObject* parent)
    : QObject(parent), bus_(std::move(bus)), near_(near)
{
    if (bus_.isConnected()) {
        bus_.connect(QString(), kPath, kService, QStringLiteral("ActionInvoked"), this,
                     SLOT(actionInvoked(uint, QString)));
        bus_.connect(QString(), kPath, kService, QStringLiteral("NotificationClosed"), this,
                     SLOT(notificationClosed(uint, uint)));
    }
}

CallNotifier::~CallNotifier()
{
    if (window_) {
        window_->close();
    }
}

void CallNotifier::notify(const CallNotice& notice)
{
    if (!bus_.isConnected()) {
        showWindow(notice);
        return;
    }
    auto* pending =
        new QDBusPendingCallWatcher(bus_.asyncCall(notifyMessage(notice), kNotifyTimeoutMs), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, notice](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                const QDBusPendingReply<uint> reply = *call;
                if (reply.isError()) {
                    showWindow(notice);
                    return;
                }
                shown_[reply.value()] = notice;
                // A service that never says a notice closed must not make the list grow.
                constexpr size_t kKept = 32;
                if (shown_.size() > kKept) {
                    shown_.erase(shown_.begin());
                }
            });
}

void CallNotifier::actionInvoked(uint id, const QString& action)
{
    const auto shown = shown_.find(id);
    if (shown != shown_.end()) {
        act(shown->second, action);
    }
}

void CallNotifier::notificationClosed(uint id, uint /*reason*/)
{
    shown_.erase(id);
}

void CallNotifier::showWindow(const CallNotice& notice)
{
    if (window_) {
        window_->close(); // the newer call is the one that rings
    }
    window_ = new CallNoticeWindow(notice, near_);
    connect(window_, &CallNoticeWindow::showRequested, this,
            [this, notice] { act(notice, kShow); });
    connect(window_, &CallNoticeWindow::addRequested, this, [this, notice] { act(notice, kAdd); });
    window_->show();
}

void CallNotifier::act(const CallNotice& notice, const QString& action)
{
    if ((action == kShow || action == kClicked) && notice.canShow()) {
        emit showRequested(notice.book, notice.record);
    } else if (action == kAdd && notice.canAdd()) {
        emit addRequested(notice.number);
    }
}

} // namespace vennor
