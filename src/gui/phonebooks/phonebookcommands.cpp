#include "gui/phonebooks/phonebookcommands.h"

#include "core/settingsfile.h"
#include "gui/phonebooks/phonebookdialog.h"
#include "gui/recordhost.h"
#include "gui/sharedstate.h"
#include "widgets/messagebox.h"

namespace vennor {
namespace {

QString noBookMessage(int mode)
{
    switch (mode) {
    case 1:
        return QStringLiteral("No phone book to rename,Create a phone book first");
    case 2:
        return QStringLiteral("No phone book to make default,Create a phone book first");
    case 3:
        return QStringLiteral("No phone book to delete,Create a phone book first");
    default:
        return QStringLiteral("No phone book to make to make a backup,Create a phone book first");
    }
}

} // namespace

void openPhoneBookDialog(SharedState& state, RecordHost& host, int mode)
{
    state.dialogMode = mode;
    if (mode != 0 && !SettingsFile().readDefaultBook()) {
        if (MessageBox::okCancel(host.window(), noBookMessage(mode), QStringLiteral("Warning")) !=
            MessageBox::Answer::Ok) {
            return;
        }
        state.dialogMode = 0;
    }
    PhoneBookDialog dialog(state, host, host.window());
    dialog.exec();
}

} // namespace vennor
