// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calls/callnotifier.h"

#include "cli/commandline.h"
#include "gui/calls/callnoticewindow.h"

#include <QWidget>

namespace vennor {

CallNotifier::CallNotifier(QDBusConnection bus, QWidget* near, QObject* parent)
    : QObject(parent), desktop_(std::move(bus), QString::fromLatin1(app::kApplicationId)),
      near_(near)
{
    connect(&desktop_, &CallNotifications::refused, this, &CallNotifier::showWindow);
    connect(&desktop_, &CallNotifications::showChosen, this,
            [this](const CallNotice& notice) { emit showRequested(notice.book, notice.record); });
    connect(&desktop_, &CallNotifications::addChosen, this,
            [this](const CallNotice& notice) { emit addRequested(notice.number); });
}

CallNotifier::~CallNotifier()
{
    if (window_) {
        window_->close();
    }
}

void CallNotifier::notify(const CallNotice& notice)
{
    desktop_.send(notice, true);
}

void CallNotifier::showWindow(const CallNotice& notice)
{
    if (window_) {
        window_->close(); // the newer call is the one that rings
    }
    window_ = new CallNoticeWindow(notice, near_);
    connect(window_, &CallNoticeWindow::showRequested, this,
            [this, notice] { emit showRequested(notice.book, notice.record); });
    connect(window_, &CallNoticeWindow::addRequested, this,
            [this, notice] { emit addRequested(notice.number); });
    window_->show();
}

} // namespace vennor
