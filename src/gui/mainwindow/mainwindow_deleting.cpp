// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/mainwindow.h"

#include "core/fields.h"
#include "core/phonebook.h"
#include "core/settingsfile.h"
#include "sync/syncnotes.h"
#include "widgets/messagebox.h"
#include "widgets/simplecombo.h"
#include "widgets/textbox.h"

#include <QComboBox>

namespace vennor {
namespace {

// Only a deletion the sync is told of leaves the server; any other missing record comes back
// from it.
void tellLinkOfDeletion(QWidget* parent, const QString& bookPath, const QString& name)
{
    if (const Status noted = noteDeleted(bookPath, {name}); !noted) {
        MessageBox::show(parent,
                         {MainWindow::tr("The record was deleted here, but the server "
                                         "will give it back at the next sync"),
                          MainWindow::tr("Warning"), MessageBox::Buttons::Ok, noted.error()});
    }
}

} // namespace

void MainWindow::deleteRecord()
{
    if (!recordFromFile_) {
        MessageBox::ok(this, tr("Select a record to delete"), tr("Warning"));
        return;
    }
    const auto answer = MessageBox::okCancel(
        this, tr("Are you sure you want to delete this record?"), tr("Warning"));
    if (answer != MessageBox::Answer::Ok) {
        nameSearch_->setFocus();
        return;
    }
    if (removeRecordFromBook()) {
        clearRecord();
    }
}

// Takes every record of the name on screen out of the default phone book, then its entries
// out of the lists; a failed write changes neither and is reported.
bool MainWindow::removeRecordFromBook()
{
    const QString key = trimBlanks(fields_.text(0).toLower());
    state_.selectedName = key;
    const auto book = SettingsFile().readDefaultBook();
    Status removed = book ? Status::success() : Status::failure(book.error());
    if (removed) {
        const auto stored = bookIndex_.removeAll(PhoneBookFile::named(*book), key);
        removed = stored ? Status::success() : Status::failure(stored.error());
        if (stored) {
            // Before the lists follow, since they start a sync that must know of it.
            tellLinkOfDeletion(this, PhoneBookFile::named(*book).path(), key);
            followBookChange(*stored, {});
        }
    }
    if (!removed) {
        MessageBox::show(this, {tr("The record could not be deleted"), tr("Warning"),
                                MessageBox::Buttons::Ok, removed.error()});
        return false;
    }
    return true;
}

// Removes the number shown in the number box, with its type, from the record on screen. The
// file keeps it until the record is saved, and so does the number list.
void MainWindow::deleteNumber()
{
    const QString shown = numbers_->currentText();
    if (shown.isEmpty()) {
        return;
    }
    int index = chosenNumberIndex_;
    if (index < 0 || index >= numbers_->count() || numbers_->itemText(index) != shown) {
        index = numbers_->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
    }
    if (index < 0) {
        return;
    }
    if (index < state_.typeCodes.size()) {
        state_.typeCodes.removeAt(index);
    }
    state_.numberDeleted = 1;
    numbers_->removeItem(index);
    numbers_->setEditText(QString());
    numbers_->setFocus();
}

} // namespace vennor
