#include "mainwindow/form1.h"

namespace vennor {

// The phone book windows are opened from here only.
void form1::phoneBookCommand(int mode)
{
    (void)mode;
}

void form1::showCreateDialog()
{
    state_.pbmode = 0;
}

// The save's way out when there is no phone book to write to: the dialog in the mode the last
// phone book command left.
void form1::phoneBookFallback() {}

void form1::getBackupCommand() {}

} // namespace vennor
