// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/callnotice.h"

#include "core/record.h"

namespace vennor {

CallNotice CallNotice::of(const IncomingCall& call)
{
    const CallerReport& caller = call.caller;
    CallNotice notice;
    if (call.match) {
        const PhoneNumber& stored = call.match->number;
        notice.summary = tr("%1 is calling").arg(call.match->record.name);
        notice.body =
            tr("%1 (%2)").arg(stored.number, shownNumberTypes().value(stored.type, QString()));
        notice.book = call.match->book;
        notice.record = call.match->record.name;
        return notice;
    }
    const bool nameIsSummary =
        caller.kind != CallerReport::Number::Private && !caller.name.isEmpty();
    notice.summary = caller.kind == CallerReport::Number::Private ? tr("Private number")
                     : nameIsSummary                              ? caller.name
                                                                  : tr("Unknown number");
    QStringList lines;
    if (caller.kind == CallerReport::Number::Given) {
        notice.number = caller.number;
        lines << caller.number;
    }
    if (!nameIsSummary && !caller.name.isEmpty()) {
        lines << caller.name;
    }
    notice.body = lines.join(QLatin1Char('\n'));
    return notice;
}

} // namespace vennor
