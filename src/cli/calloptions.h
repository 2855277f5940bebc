// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/commandline.h"
#include "core/calllog.h"

#include <QCommandLineOption>

class QCommandLineParser;

namespace vennor::app {

// One call as --calls and --watch print it: time, in or out, the number (or private,
// unavailable), the record, its book, the network's name, the outcome; tab-separated, nothing
// in a column that could move the terminal's cursor or split the line.
QString callLine(const CallEntry& call);

// --calls [--limit N] prints the call log, newest first; --watch starts a watch without a
// window.
struct CallOptions
{
    QCommandLineOption calls{QStringLiteral("calls"),
                             QStringLiteral("Print the call log, newest first, tab-separated, "
                                            "then exit.")};
    QCommandLineOption limit{QStringLiteral("limit"),
                             QStringLiteral("Print at most the N latest calls with --calls."),
                             QStringLiteral("N")};
    QCommandLineOption watch{QStringLiteral("watch"),
                             QStringLiteral("Watch the modem for incoming calls without a "
                                            "window, printing one line a call, until stopped.")};

    void addTo(QCommandLineParser& parser) const;
    bool asked(const QCommandLineParser& parser) const;
    // The listing, the watch to start, or a usage failure.
    Startup startup(const QCommandLineParser& parser) const;
};

} // namespace vennor::app
