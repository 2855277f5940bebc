// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/mainwindow.h"

#include "core/phonebook.h"
#include "core/settingsfile.h"
#include "widgets/messagebox.h"
#include "widgets/simplecombo.h"
#include "widgets/sortedtext.h"
#include "widgets/textbox.h"

#include <QComboBox>

namespace vennor {
namespace {

// Three empty entries close a filled list, placed by position.
void closeWithEmpties(SimpleCombo* list)
{
    if (list->count() > 0 && !list->at(list->count() - 1).isEmpty()) {
        for (int i = 0; i < 3; ++i) {
            list->insertItem(list->count(), QString());
        }
    }
}

// Takes the entries of removed records out of a list and puts those of an added one in, so
// that it shows what a fresh fill would, without sorting everything again. Each row taken out
// of a list of a million costs milliseconds, so an entry both removed and added stays, and
// the closing empty entries stay unless nothing else is left.
void followListing(SimpleCombo* list, QStringList removed, QStringList added)
{
    for (qsizetype i = removed.size() - 1; i >= 0; --i) {
        if (added.removeOne(removed.at(i))) {
            removed.removeAt(i);
        }
    }
    for (const QString& entry : std::as_const(removed)) {
        list->removeItem(list->indexOf(entry));
    }
    int firstFilled = 0;
    while (firstFilled < list->count() && list->at(firstFilled).isEmpty()) {
        ++firstFilled;
    }
    if (firstFilled == list->count()) {
        list->clear();
    }
    for (const QString& entry : std::as_const(added)) {
        list->addItem(entry);
    }
    closeWithEmpties(list);
}

} // namespace

void MainWindow::fillSearchLists()
{
    const SettingsFile settings;
    if (!settings.canOpen()) {
        runDetection();
        return;
    }
    const auto book = settings.readDefaultBook();
    auto listing = book ? bookIndex_.list(PhoneBookFile::named(*book))
                        : Result<CompactListing>::failure(book.error());
    if (!listing) {
        MessageBox::ok(this, tr("Create a phone book"), tr("Warning"));
        state_.dialogMode = BookDialogMode::create;
        showCreateDialog();
        return;
    }
    state_.fieldCount += listing->fieldCount;
    sortedtext::sortBoth(listing.value().names, listing.value().numbers);
    nameSearch_->addSortedItems(std::move(listing.value().names));
    numberSearch_->addSortedItems(std::move(listing.value().numbers));
    closeWithEmpties(nameSearch_);
    closeWithEmpties(numberSearch_);
}

void MainWindow::followBookChange(const Listing& removed, const Listing& added)
{
    followListing(nameSearch_, removed.names, added.names);
    followListing(numberSearch_, removed.numbers, added.numbers);
    emit bookChanged();
}

void MainWindow::clearRecord()
{
    fields_[0]->setFocus();
    nameSearch_->setText(QString());
    numberSearch_->setText(QString());
    numbers_->clear();
    for (int i = 0; i < 4; ++i) {
        fields_.setText(i, QString());
    }
    state_.typeCodes.clear();
    shownName_.clear();
    recordFromFile_ = false;
}

void MainWindow::refillLists()
{
    nameSearch_->clear();
    numberSearch_->clear();
    clearRecord();
    fillSearchLists();
}

} // namespace vennor
