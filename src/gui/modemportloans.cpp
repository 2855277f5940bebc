// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/modemportloans.h"

#include <QObject>
#include <utility>

namespace vennor {

// Lives as a child of the borrowing window: Qt ends it with the window, however that ends.
class ModemPortLoans::Loan : public QObject
{
public:
    Loan(ModemPortLoans& loans, QObject* window) : QObject(window), loans_(loans) {}
    Loan(const Loan&) = delete;
    Loan& operator=(const Loan&) = delete;
    ~Loan() override { loans_.returned(); }

private:
    ModemPortLoans& loans_;
};

void ModemPortLoans::setHolder(std::function<void()> release, std::function<void()> takeBack)
{
    release_ = std::move(release);
    takeBack_ = std::move(takeBack);
}

void ModemPortLoans::lendTo(QObject* window)
{
    if (loans_++ == 0 && release_) {
        release_();
    }
    new Loan(*this, window);
}

void ModemPortLoans::returned()
{
    if (--loans_ == 0 && takeBack_) {
        takeBack_();
    }
}

} // namespace vennor
