// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace vennor::app {

// The standard options the window toolkit reads from the command line itself (-style,
// -session, -reverse, -geometry …): they are its, not ours, and reach it untouched.
struct QtArguments
{
    QStringList ours;   // the program's name and everything else
    QStringList theirs; // Qt's options with their values
    QStringList names;  // the names of Qt's options given ("style", "session" …)

    // Whether they name the window system or the display (-platform, -display).
    bool namesDisplay() const;
};

// Splits the command line. A Qt option is written with one dash (with two as well, unless
// one of ours has its name: "--sync" syncs, "-sync" is the X11 option); its value follows it
// or is joined to it by "=".
QtArguments splitQtArguments(const QStringList& arguments, const QStringList& ourNames);

// Qt's options as --help-all lists them after ours.
QString qtOptionsHelp();

} // namespace vennor::app
