// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/incomingcalls.h"

#include "core/settingsfile.h"

#include <QDateTime>

namespace vennor {

namespace {

CallEntry::Hidden hiddenOf(CallerReport::Number kind)
{
    switch (kind) {
    case CallerReport::Number::Private:
        return CallEntry::Hidden::Private;
    case CallerReport::Number::Unavailable:
        return CallEntry::Hidden::Unavailable;
    case CallerReport::Number::Given:
    case CallerReport::Number::Missing:
        break;
    }
    return CallEntry::Hidden::No;
}

} // namespace

QStringList listedBooks()
{
    const Result<QStringList> lines = SettingsFile().readAll();
    return lines && lines->size() > 1 ? lines->mid(1) : QStringList();
}

void IncomingCalls::prepare()
{
    lookup_.prepare(listedBooks());
}

IncomingCall IncomingCalls::identify(const CallerReport& caller, const QString& internationalPrefix)
{
    IncomingCall call{caller, std::nullopt, {}};
    if (caller.kind == CallerReport::Number::Given) {
        call.match = lookup_.find(listedBooks(), caller.number, internationalPrefix);
    }
    CallEntry& entry = call.entry;
    entry.time = QDateTime::currentDateTimeUtc();
    entry.number = caller.number;
    entry.hidden = hiddenOf(caller.kind);
    entry.networkName = caller.name;
    if (call.match) {
        entry.record = call.match->record.name;
        entry.book = call.match->book;
    }
    return call;
}

} // namespace vennor
