// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/phonebooks/phonebookcommands.h"

#include "core/settingsfile.h"
#include "gui/phonebooks/phonebookdialog.h"
#include "gui/recordhost.h"
#include "gui/sharedstate.h"
#include "widgets/messagebox.h"

namespace vennor {
namespace {

QString noBookMessage(BookDialogMode mode)
{
    switch (mode) {
    case BookDialogMode::rename:
        return PhoneBookDialog::tr("No phone book to rename,Create a phone book first");
    case BookDialogMode::makeDefault:
        return PhoneBookDialog::tr("No phone book to make default,Create a phone book first");
    case BookDialogMode::remove:
        return PhoneBookDialog::tr("No phone book to delete,Create a phone book first");
    default:
        return PhoneBookDialog::tr(
            "No phone book to make to make a backup,Create a phone book first");
    }
}

} // namespace

void openPhoneBookDialog(SharedState& state, RecordHost& host, BookDialogMode mode)
{
    state.dialogMode = mode;
    if (mode != BookDialogMode::create && !SettingsFile().readDefaultBook()) {
        if (MessageBox::okCancel(host.window(), noBookMessage(mode),
                                 PhoneBookDialog::tr("Warning")) != MessageBox::Answer::Ok) {
            return;
        }
        state.dialogMode = BookDialogMode::create;
    }
    PhoneBookDialog dialog(state, host, host.window());
    dialog.exec();
}

} // namespace vennor
