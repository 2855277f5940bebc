// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/folders.h"
#include "core/phonebook.h"
#include "core/settingsfile.h"
#include "gui/phonebooks/backup.h"
#include "gui/phonebooks/booknames.h"
#include "gui/phonebooks/filecopy.h"
#include "gui/phonebooks/phonebookdialog.h"
#include "gui/recordhost.h"
#include "gui/sharedstate.h"
#include "sync/passwords.h"
#include "sync/syncnotes.h"
#include "widgets/messagebox.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <algorithm>
#include <iterator>

// What OK does in each mode of the phone book dialog.
namespace vennor {
namespace {

// The settings lines without the phone book's; the port line is never compared.
QStringList withoutBook(const QStringList& lines, const QString& name)
{
    QStringList kept{lines.first()};
    std::copy_if(lines.begin() + 1, lines.end(), std::back_inserter(kept),
                 [&name](const QString& line) { return line != name; });
    return kept;
}

} // namespace

void PhoneBookDialog::acceptChoice()
{
    switch (state_.dialogMode) {
    case BookDialogMode::create:
        create();
        break;
    case BookDialogMode::rename:
        renameBook();
        break;
    case BookDialogMode::makeDefault:
        makeDefault();
        break;
    case BookDialogMode::remove:
        deleteBook();
        break;
    case BookDialogMode::backup:
        backup();
        break;
    }
}

void PhoneBookDialog::create()
{
    const QString name = nameBox_->text();
    if (name.isEmpty()) {
        return;
    }
    if (!isValidBookName(name)) {
        warn(tr("Enter a valid name for the phone book"));
        return;
    }
    fillBookList();
    if (settingsLines_.isEmpty() && QFile::exists(SettingsFile().path())) {
        settingsUnreadable();
        return;
    }
    const PhoneBookFile book = PhoneBookFile::named(name);
    if (listed(name) || book.exists()) {
        warn(tr("This phone book name already exists,use another name"));
        return;
    }
    // A link left by a book of this name deleted earlier belongs to no book.
    if (const auto unlinked = dropLink(book.path()); !unlinked) {
        warn(tr("The phone book %1 could not be created").arg(name), unlinked.error());
        return;
    }
    if (Status made = book.createEmpty(); !made) {
        warn(tr("The phone book %1 could not be created").arg(name), made.error());
        return;
    }
    if (Status added = SettingsFile().appendBook(name); !added) {
        QFile::remove(book.path());
        warn(tr("The phone book %1 could not be added to the list").arg(name), added.error());
        return;
    }
    accept();
}

void PhoneBookDialog::renameBook()
{
    const QString oldName = bookList_->currentText();
    const QString newName = newNameBox_->text();
    if (newName.isEmpty()) {
        MessageBox::ok(this, tr("Enter a name for the phone book"), tr("Warninig"));
        return;
    }
    const std::optional<QString> chosen = chosenBook();
    if (!chosen) {
        return;
    }
    const std::optional<QString> from = folders::phoneBookPath(*chosen);
    const std::optional<QString> to = folders::phoneBookPath(newName);
    if (!from || !to) {
        warn(tr("Enter a valid name for the phone book"));
        return;
    }
    if (listed(newName) || QFile::exists(*to)) {
        warn(tr("This phone book name already exists,use another name"));
        return;
    }
    if (settingsUnreadable()) {
        return;
    }
    // The link moves first: a book must never be left linked under the other's name.
    if (Status linkMoved = moveLink(*from, *to); !linkMoved) {
        warn(tr("The phone book %1 could not be renamed").arg(oldName), linkMoved.error());
        return;
    }
    const MoveOutcome moved = renameOrCopy(*from, *to);
    if (!moved.done) {
        moveLink(*to, *from);
        warn(tr("The phone book %1 could not be renamed").arg(oldName), moved.reason);
        return;
    }
    if (Status written = renameInSettings(oldName, newName); !written) {
        undoMove(moved, *from, *to);
        moveLink(*to, *from);
        warn(tr("The phone book %1 could not be renamed").arg(oldName), written.error());
        return;
    }
    accept();
}

// The line holding the old name gets the new one, in the same place; the port line stays.
Status PhoneBookDialog::renameInSettings(const QString& oldName, const QString& newName) const
{
    QStringList lines = settingsLines_;
    std::replace(lines.begin() + 1, lines.end(), oldName, newName);
    return SettingsFile().rewrite(lines);
}

// The chosen book on line 2, the others after it in their order.
Status PhoneBookDialog::makeDefaultInSettings(const QString& name) const
{
    QStringList lines = withoutBook(settingsLines_, name);
    lines.insert(1, name);
    return SettingsFile().rewrite(lines);
}

void PhoneBookDialog::makeDefault()
{
    const std::optional<QString> chosen = chosenBook();
    if (!chosen || settingsUnreadable()) {
        return;
    }
    const QString& name = *chosen;
    if (Status written = makeDefaultInSettings(name); !written) {
        warn(tr("The phone book %1 could not be made the default").arg(name), written.error());
        return;
    }
    accept();
    host_.refillLists();
}

void PhoneBookDialog::deleteBook()
{
    const std::optional<QString> chosen = chosenBook();
    if (!chosen) {
        return;
    }
    const QString& name = *chosen;
    if (MessageBox::okCancel(this, tr(" Are you sure you want to delete this phone book"),
                             tr("Delete phone book")) == MessageBox::Answer::Ok) {
        deleteBookFile(name);
    }
    accept();
}

void PhoneBookDialog::deleteBookFile(const QString& name)
{
    if (settingsUnreadable()) {
        return;
    }
    if (Status written = SettingsFile().rewrite(withoutBook(settingsLines_, name)); !written) {
        warn(tr("The phone book %1 was not deleted").arg(name), written.error());
        return;
    }
    QFile file(folders::phoneBookPath(name).value_or(QString()));
    if (!file.fileName().isEmpty() && file.exists() && !file.remove()) {
        warn(tr("The phone book %1 was taken off the list, but its file could not be "
                "deleted")
                 .arg(name),
             file.errorString());
    } else if (!file.fileName().isEmpty()) {
        dropBookLink(name, file.fileName());
    }
    if (name == settingsLines_.value(1)) {
        accept();
        host_.refillLists();
    }
}

// A deleted book is unlinked: nothing of it stays to be linked to a book of the same name
// later, and its password leaves the keyring.
void PhoneBookDialog::dropBookLink(const QString& name, const QString& path)
{
    const Result<std::optional<SyncState>> dropped = dropLink(path);
    if (!dropped) {
        warn(tr("The phone book %1 was deleted, but not its link to the server").arg(name),
             dropped.error());
    } else if (*dropped) {
        carddav::KeyringPasswords(nullptr).forget(
            carddav::passwordKey((*dropped)->url, (*dropped)->user));
    }
}

void PhoneBookDialog::backup()
{
    const std::optional<QString> chosen = chosenBook();
    if (!chosen) {
        return;
    }
    const QString& name = *chosen;
    makeBackup(this, name);
    accept();
}

} // namespace vennor
