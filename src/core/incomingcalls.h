// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/callerlookup.h"
#include "core/callerreport.h"
#include "core/calllog.h"

#include <QString>
#include <optional>

namespace vennor {

// An incoming call as the window and the command line both take it: who the network said is
// calling, the record of the listed phone books the number belongs to, and the call log's
// entry for it.
struct IncomingCall
{
    CallerReport caller;
    std::optional<CallerMatch> match;
    CallEntry entry;
};

// Looks callers up in the books the settings file lists, the default first, reading the list
// again for every call so that a book added or made default since counts.
class IncomingCalls
{
public:
    // Indexes the listed books now, so that the first call is found as fast as the next.
    void prepare();
    // The caller lookup's use of an index kept by its owner: CallerLookup::share.
    void share(BookIndex& index) { lookup_.share(index); }
    IncomingCall identify(const CallerReport& caller, const QString& internationalPrefix);

private:
    CallerLookup lookup_;
};

// The phone books of the settings file, the default first; none when it cannot be read.
QStringList listedBooks();

} // namespace vennor
