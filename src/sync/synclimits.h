// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

namespace vennor {

// How much one sync may take from a server, and for how long: a bound on every answer, on
// every card, on all a sync receives, on each request and on the whole sync. Read from the
// [sync] section of vennor.ini; a missing or unusable value keeps its default.
struct SyncLimits
{
    qint64 responseBytes = qint64(64) << 20; // maxResponseMB
    qint64 cardBytes = qint64(1) << 20;      // maxCardKB
    qint64 syncBytes = qint64(512) << 20;    // maxSyncMB
    int requestSeconds = 60;                 // requestTimeoutSeconds
    int syncSeconds = 600;                   // syncTimeoutSeconds

    static SyncLimits fromSettings();
    // "maxCardKB in the [sync] section of /home/ann/.config/vennor/vennor.ini", for messages.
    static QString whereSet(const char* key);
};

} // namespace vennor
