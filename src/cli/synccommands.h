// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdio>

namespace vennor {

// vennor --link URL --user NAME [--insecure] | --unlink | --sync, each with [--book NAME].
struct SyncRequest
{
    enum class Kind { link, unlink, sync };
    Kind kind = Kind::sync;
    QString url;
    QString user;
    QString book;                 // empty: the default phone book
    bool insecure = false;        // --link may use plain http to another computer
    bool allowMassDelete = false; // --sync may remove more than a few cards at once
};

// Runs the request without a window (a QCoreApplication must exist) and prints what it did
// to out, or why it failed to errors: 0 done, 1 failed, 2 a wrong argument. A password is read
// from in (one line), for --sync only when the keyring has none.
int runSyncCommand(const SyncRequest& request, FILE* in = stdin, FILE* out = stdout,
                   FILE* errors = stderr);

} // namespace vennor
