// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEventLoop>
#include <QObject>
#include <chrono>

namespace vennor {

// How long the modem windows wait, processing window events all the while.
inline constexpr std::chrono::milliseconds kProbeWait{1000}; // at most, for a probe's reply
inline constexpr std::chrono::milliseconds kDialWait{3000};  // while the modem dials

struct ModemWaits
{
    std::chrono::milliseconds probe = kProbeWait;
    std::chrono::milliseconds call = kDialWait;
};

// The waits in use. Test seam: tests shorten them.
ModemWaits& modemWaits();

// A wait that keeps the windows working: it processes events until the time is up or
// quit() is called (by a reply arriving, or by Cancel).
class EventWait : public QObject
{
public:
    using QObject::QObject;

    // True when quit() ended it before the time was up.
    bool run(std::chrono::milliseconds limit);
    void quit();

private:
    QEventLoop* loop_ = nullptr;
    bool quitted_ = false;
};

} // namespace vennor
