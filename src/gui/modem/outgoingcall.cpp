// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/modem/outgoingcall.h"

#include "cli/dialsettings.h"
#include "core/callerlookup.h"
#include "core/settingsfile.h"
#include "core/telnumber.h"

#include <QDateTime>

namespace vennor {

OutgoingCall::OutgoingCall(const QString& number)
{
    entry_.time = QDateTime::currentDateTimeUtc();
    entry_.direction = CallEntry::Direction::Out;
    entry_.number = number;
}

void OutgoingCall::setDialledFrom(const QString& record, const QString& book)
{
    entry_.record = record;
    entry_.book = book;
}

// A typed number may well be stored: the log then names its record as for a call in.
void OutgoingCall::findRecord()
{
    const Result<QStringList> lines = SettingsFile().readAll();
    if (!lines || lines->size() < 2) {
        return;
    }
    const QStringList books = lines->mid(1);
    const Result<QString> prefix = app::internationalPrefix();
    CallerLookup lookup;
    if (const auto match =
            lookup.find(books, entry_.number, prefix ? *prefix : defaultInternationalPrefix())) {
        entry_.record = match->record.name;
        entry_.book = match->book;
    }
}

Status OutgoingCall::log(const QString& outcome)
{
    if (logged_) {
        return Status::success();
    }
    logged_ = true;
    if (entry_.record.isEmpty()) {
        findRecord();
    }
    entry_.outcome = outcome;
    return CallLog::inPhoneBookFolder().append(entry_);
}

} // namespace vennor
