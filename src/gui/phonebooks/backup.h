// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace vennor {

class RecordHost;

// Copies the phone book's file to a file the user names in a save dialog (OK of the phone
// book dialog in Backup mode). Cancel copies nothing.
void makeBackup(QWidget* parent, const QString& bookName);

// Restores a phone book from a file the user picks in an open dialog (Tools > Get backup).
void getBackup(RecordHost& host);

} // namespace vennor
