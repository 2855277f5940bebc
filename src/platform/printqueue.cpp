// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/printqueue.h"

#ifdef VENNOR_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace vennor {

#ifdef VENNOR_HAVE_CUPS

namespace {

constexpr const char* kStopped = "5"; // IPP printer-state "stopped"

} // namespace

std::optional<bool> queueAcceptsJobs(const QString& queue)
{
    if (queue.isEmpty()) {
        return std::nullopt;
    }
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr);
    if (dest == nullptr) {
        return std::nullopt;
    }
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const bool rejecting = accepting != nullptr && qstrcmp(accepting, "false") == 0;
    const bool stopped = state != nullptr && qstrcmp(state, kStopped) == 0;
    cupsFreeDests(1, dest);
    return !rejecting && !stopped;
}

#else

std::optional<bool> queueAcceptsJobs(const QString&)
{
    return std::nullopt;
}

#endif

} // namespace vennor
