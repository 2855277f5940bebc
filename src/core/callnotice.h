// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/incomingcalls.h"

#include <QCoreApplication>
#include <QString>

namespace vennor {

// What the user is told of an incoming call, on the desktop or in the window standing in for
// it, and what its actions act on.
struct CallNotice
{
    Q_DECLARE_TR_FUNCTIONS(vennor::CallNotice)

public:
    QString summary; // who is calling
    QString body;    // the number and its type, or what else the network told
    QString book;    // the matched record, for "Show"
    QString record;
    QString number; // an unknown caller's number, for "Add to phone book"

    bool canShow() const { return !record.isEmpty(); }
    bool canAdd() const { return record.isEmpty() && !number.isEmpty(); }

    static CallNotice of(const IncomingCall& call);
    static QString showText() { return tr("Show"); }
    static QString addText() { return tr("Add to phone book"); }
};

} // namespace vennor
