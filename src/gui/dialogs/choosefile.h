// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace vennor {

// The open dialog, owned by the main window, starting in the current folder: the chosen path,
// or empty text when the user cancelled.
QString chooseFileToOpen(QWidget* mainWindow, const QString& title, const QString& filter,
                         quint32 options);

// The save dialog, without owner, proposing name followed by ".dat": the chosen path, or empty
// text when the user cancelled.
QString chooseFileToSave(const QString& title, const QString& filter, quint32 options,
                         const QString& name);

} // namespace vennor
