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

// Copies source onto target, replacing the target only once the copy is complete. When both
// name the same file nothing is written, so the file cannot be lost by copying it onto itself.
CopyOutcome copyReplacing(const QString& source, const QString& target);

} // namespace vennor
