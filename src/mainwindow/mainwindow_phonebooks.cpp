#include "mainwindow/mainwindow.h"

#include "phonebooks/backup.h"
#include "phonebooks/phonebookcommands.h"
#include "phonebooks/phonebookdialog.h"

namespace vennor {

void MainWindow::phoneBookCommand(int mode)
{
    openPhoneBookDialog(state_, *this, mode);
}

void MainWindow::showCreateDialog()
{
    state_.dialogMode = 0;
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
