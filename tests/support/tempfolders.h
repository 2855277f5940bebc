// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>

namespace vennor::test {

// Points the settings folder and the phone book folder at fresh temporary folders for the
// life of the object, and restores the environment afterwards.
class TempFolders
{
public:
    TempFolders();
    ~TempFolders();
    TempFolders(const TempFolders&) = delete;
    TempFolders& operator=(const TempFolders&) = delete;

    QString root() const { return dir_.path(); }
    QString settingsFile() const;                 // the settings file's path (may not exist)
    QString phoneBook(const QString& name) const; // a phone book's path (may not exist)

    // Writes the settings file from plain lines (scrambled, CR LF).
    void writeSettings(const QStringList& plainLines) const;
    // The settings file's lines, unscrambled; empty when missing.
    QStringList readSettings() const;
    // Writes a phone book file's bytes as they are.
    void writePhoneBook(const QString& name, const QByteArray& bytes) const;
    QByteArray readPhoneBook(const QString& name) const;

private:
    QTemporaryDir dir_;
    QByteArray oldConfig_;
    QByteArray oldData_;
};

} // namespace vennor::test
