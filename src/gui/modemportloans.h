// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QObject;

namespace vennor {

// The modem has one port. While no window needs it the call watch may hold it; a window that
// dials or detects borrows it for as long as that window lives, and the watch takes it back
// when the last such window is gone.
class ModemPortLoans
{
public:
    // What the holder does when the first window borrows the port and when the last gives it
    // back; a holder going away sets none.
    void setHolder(std::function<void()> release, std::function<void()> takeBack);
    // Lends the port to window until window is destroyed (one line in its constructor).
    void lendTo(QObject* window);
    bool isLent() const { return loans_ > 0; }

private:
    class Loan;
    void returned();

    int loans_ = 0;
    std::function<void()> release_;
    std::function<void()> takeBack_;
};

} // namespace vennor
