// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace vennor {

struct CopyOutcome
{
    enum class Kind { Copied, SameFile, Failed };
    Kind kind = Kind::Copied;
    QString reason; // why it failed, worded for the user

    bool copied() const { return kind == Kind::Copied; }
};

// Whether both paths name one existing file (through links too).
bool isSameFile(const QString& source, const QString& target);

// Copies source onto target, replacing the target only once the copy is complete. When both
// name the same file nothing is written, so the file cannot be lost by copying it onto itself.
CopyOutcome copyReplacing(const QString& source, const QString& target);

// Moves the file to its new name, or copies it there when it cannot be moved (the old file
// then stays). Never replaces an existing file.
struct MoveOutcome
{
    bool done = false;
    bool copied = false; // the old file is still in place
    QString reason;
};
MoveOutcome renameOrCopy(const QString& from, const QString& to);
// Takes a successful renameOrCopy back.
void undoMove(const MoveOutcome& moved, const QString& from, const QString& to);

} // namespace vennor
