// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vennor {

// The modem port line written when detection found no modem: the stored form of "none",
// written as it is.
inline QString noModemLine()
{
    return QStringLiteral("@jM8");
}

// The settings file "com.exe": line 1 the modem port line, lines 2 to n the phone book list,
// the default first; every line scrambled. Nothing is cached: every call reads or writes the
// file whole.
class SettingsFile
{
public:
    SettingsFile(); // the file at its usual place
    explicit SettingsFile(QString path);

    const QString& path() const { return path_; }

    // Whether the file can be opened for reading.
    bool canOpen() const;

    // Every line, unscrambled, in file order.
    Result<QStringList> readAll() const;
    // Line 1, unscrambled.
    Result<QString> readPortLine() const;
    // Line 2, unscrambled: the default phone book. Fails when the file is missing or holds
    // line 1 only (no phone book exists).
    Result<QString> readDefaultBook() const;

    // Rewrites the file whole from plain lines (each scrambled).
    Status rewrite(const QStringList& plainLines) const;
    // Appends one phone book name as the last line. When the file is missing, the no-modem
    // line is written first, so that the name lands in the phone book list, not in line 1.
    Status appendBook(const QString& name) const;

    // Records the result of a modem detection as line 1, keeping lines 2 to n; creates the
    // file holding line 1 alone when missing. No port means none was found. A file that
    // exists but cannot be read is left alone (it holds the phone book list).
    Status recordModemPort(std::optional<int> foundPort) const;

private:
    QString path_;
};

} // namespace vennor
