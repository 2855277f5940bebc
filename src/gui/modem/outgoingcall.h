// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calllog.h"
#include "core/result.h"

#include <QString>

namespace vennor {

// One dialling as the call log keeps it: the number and the record it was dialled from when
// the call starts, the outcome once the call has one. Logged once, the first outcome wins.
class OutgoingCall
{
public:
    // The outcomes that are no reply of the modem, kept untranslated in the log.
    static inline const QString kCancel = QStringLiteral("Cancel");
    static inline const QString kDisconnected = QStringLiteral("Disconnected");

    explicit OutgoingCall(const QString& number);

    // Without it the record is looked up by the number in the listed phone books.
    void setDialledFrom(const QString& record, const QString& book);

    bool logged() const { return logged_; }
    // Appends the call to the call log unless it is there already.
    Status log(const QString& outcome);

private:
    void findRecord();

    CallEntry entry_;
    bool logged_ = false;
};

} // namespace vennor
