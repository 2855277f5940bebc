// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/calloptions.h"

#include "core/printabletext.h"

#include <QCommandLineParser>

namespace vennor::app {

namespace {

QString column(const QString& text)
{
    return printableForTerminal(text).replace(QLatin1Char('\n'), QChar::ReplacementCharacter);
}

Startup listCalls(qsizetype limit)
{
    const Result<CallLog::Contents> contents = CallLog::inPhoneBookFolder().read();
    if (!contents) {
        return {1, QStringLiteral("vennor: ") + contents.error(), {}};
    }
    QStringList lines;
    for (auto call = contents->calls.rbegin();
         call != contents->calls.rend() && lines.size() < limit; ++call) {
        lines << callLine(*call);
    }
    return {0, lines.join(QLatin1Char('\n')), {}};
}

} // namespace

QString callLine(const CallEntry& call)
{
    const QString number = call.hidden == CallEntry::Hidden::Private ? QStringLiteral("private")
                           : call.hidden == CallEntry::Hidden::Unavailable
                               ? QStringLiteral("unavailable")
                               : call.number;
    const QStringList columns = {
        call.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
        call.direction == CallEntry::Direction::In ? QStringLiteral("in") : QStringLiteral("out"),
        number,
        call.record,
        call.book,
        call.networkName,
        call.outcome};
    QStringList shown;
    for (const QString& text : columns) {
        shown << column(text);
    }
    return shown.join(QLatin1Char('\t'));
}

void CallOptions::addTo(QCommandLineParser& parser) const
{
    parser.addOptions({calls, limit, watch});
}

bool CallOptions::asked(const QCommandLineParser& parser) const
{
    return parser.isSet(calls) || parser.isSet(limit) || parser.isSet(watch);
}

Startup CallOptions::startup(const QCommandLineParser& parser) const
{
    bool whole = true;
    const qsizetype most =
        parser.isSet(limit) ? parser.value(limit).toLongLong(&whole) : CallLog::kKept;
    if (parser.isSet(calls) == parser.isSet(watch) ||
        (parser.isSet(limit) && !parser.isSet(calls)) || !whole || most < 1) {
        return {2,
                QStringLiteral("vennor: use --calls [--limit N] (N a whole number from 1) or "
                               "--watch, alone\nTry \"vennor --help\" for more."),
                {}};
    }
    if (parser.isSet(calls)) {
        return listCalls(most);
    }
    Startup startup;
    startup.watchCalls = true;
    return startup;
}

} // namespace vennor::app
