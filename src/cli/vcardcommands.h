// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

namespace vennor {

// What a command-line operation prints and the exit status it ends with: 0 done, 1 a file
// could not be read or written (nothing was changed), 2 a wrong argument.
struct CommandOutcome
{
    QString line;        // the one line of the outcome
    QStringList details; // the cards changed to fit or not imported, one line each
    int exitStatus = 0;
};

// The phone book named, which must be one of the list, or the default one (empty name).
Result<QString> chosenBook(const QString& book);

// What a leading "+" of an imported number becomes: the user's international prefix, or
// the usual one when none (or none readable) was set.
QString importPrefix();

// vennor --import-vcard FILE [--book NAME] [--on-existing replace|skip]
// An empty book means the default phone book, an empty onExisting "skip"; FILE "-" is standard
// input.
CommandOutcome runVCardImport(const QString& file, const QString& book, const QString& onExisting);

// vennor --export-vcard FILE [--book NAME] [--version 3.0|4.0]
// An empty book means the default phone book, an empty version "3.0"; FILE "-" is standard
// output, which then gets the cards alone.
CommandOutcome runVCardExport(const QString& file, const QString& book, const QString& version);

} // namespace vennor
