#include "mainwindow/mainwindow.h"

#include "phonebooks/backup.h"
#include "phonebooks/phonebookdialog.h"
#include "phonebooks/phonebookcommands.h"

namespace vennor {

void form1::phoneBookCommand(int mode)
{
    openPhoneBookDialog(state_, *this, mode);
}

void form1::showCreateDialog()
{
    state_.pbmode = 0;
    newphone_book dialog(state_, *this, this);
    dialog.exec();
}

// The save's way out when there is no phone book to write to: the dialog in the mode the last
// phone book command left.
void form1::phoneBookFallback()
{
    newphone_book dialog(state_, *this, this);
    dialog.exec();
}

void form1::getBackupCommand()
{
    getBackup(*this);
}

} // namespace vennor
