// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/modemportloans.h"

#include <QList>
#include <QString>

namespace vennor {

// What the phone book dialog is opened for: a new book, or one of the books to act on.
enum class BookDialogMode { create, rename, makeDefault, remove, backup };

// The values the windows share. One instance lives as long as the program and is handed to
// every window by reference.
struct SharedState
{
    QString selectedName;  // the name or number being looked up
    qint64 fieldCount = 0; // running count of phone book fields read or written
    QList<int> typeCodes;  // type code of each entry of the record's number list
    BookDialogMode dialogMode = BookDialogMode::create;
    QString numberToDial;     // the number the dialing window dials
    int modemDetected = 0;    // 1 once a detection found a modem
    int numberDeleted = 0;    // 1 once a number was deleted from a record
    ModemPortLoans modemPort; // the call watch gives it up while a window dials or detects
};

} // namespace vennor
