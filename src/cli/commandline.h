// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/synccommands.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vennor::app {

// What the command line asks for: print a text and exit, or start (and dial a number).
struct Startup
{
    std::optional<int> exitStatus; // set: print message and end with this status
    QString message;               // to standard output when exitStatus is 0, else to errors
    QString number;                // the number to dial once started; empty for none
    // The message refuses a number: a user who clicked a link on the desktop sees it in a box.
    bool refusedNumber = false;
    // --link, --unlink or --sync: run without a window, then end.
    std::optional<SyncRequest> sync = std::nullopt;
    // --watch: watch for calls without a window until stopped.
    bool watchCalls = false;
    // Qt's own options name the window system or the display (-platform, -display).
    bool displayGiven = false;
};

// vennor [--dial NUMBER | tel:NUMBER], --help, --version, and the vCard commands
// (--import-vcard, --export-vcard), which run here and end the program. Bad input ends
// with status 2.
// Needs no application object, so --help and --version work without a display.
Startup parseCommandLine(const QStringList& arguments);

// The program's name, version and desktop identity, set before anything reads them.
void describeApplication();

inline constexpr auto kApplicationId = "io.github.vennor.vennor";

} // namespace vennor::app
