// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/modem/eventwait.h"

#include <QTimer>

namespace vennor {

ModemWaits& modemWaits()
{
    static ModemWaits waits;
    return waits;
}

bool EventWait::run(std::chrono::milliseconds limit)
{
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    quitted_ = false;
    loop_ = &loop;
    deadline.start(limit);
    loop.exec();
    loop_ = nullptr;
    return quitted_;
}

void EventWait::quit()
{
    if (loop_ != nullptr) {
        quitted_ = true;
        loop_->quit();
    }
}

} // namespace vennor
