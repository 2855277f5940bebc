// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/mainwindow.h"

#include "gui/phonebooks/backup.h"
#include "gui/phonebooks/phonebookcommands.h"
#include "gui/phonebooks/phonebookdialog.h"

namespace vennor {

void MainWindow::phoneBookCommand(BookDialogMode mode)
{
    openPhoneBookDialog(state_, *this, mode);
}

void MainWindow::showCreateDialog()
{
    state_.dialogMode = BookDialogMode::create;
    PhoneBookDialog dialog(state_, *this, this);
    dialog.exec();
}

// The save's way out when there is no phone book to write to: the dialog in the mode the last
// phone book command left.
void MainWindow::phoneBookFallback()
{
    PhoneBookDialog dialog(state_, *this, this);
    dialog.exec();
}

void MainWindow::getBackupCommand()
{
    getBackup(*this);
}

} // namespace vennor
