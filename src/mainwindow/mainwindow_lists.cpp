#include "mainwindow/mainwindow.h"

#include "platform/messagebox.h"
#include "platform/simplecombo.h"
#include "platform/textbox.h"
#include "storage/phonebook.h"
#include "storage/settingsfile.h"

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
// that it equals a fresh fill without sorting everything again.
void followListing(SimpleCombo* list, const QStringList& removed, const QStringList& added)
{
    while (list->count() > 0 && list->at(list->count() - 1).isEmpty()) {
        list->removeItem(list->count() - 1);
    }
    for (const QString& entry : removed) {
        list->removeItem(list->indexOf(entry));
    }
    for (const QString& entry : added) {
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
        MessageBox::ok(this, QStringLiteral("Create a phone book"), QStringLiteral("Warning"));
        state_.dialogMode = 0;
        showCreateDialog();
        return;
    }
    state_.fieldCount += listing->fieldCount;
    nameSearch_->addItems(std::move(listing.value().names));
    numberSearch_->addItems(std::move(listing.value().numbers));
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
    recordFromFile_ = 0;
}

void MainWindow::refillLists()
{
    nameSearch_->clear();
    numberSearch_->clear();
    clearRecord();
    fillSearchLists();
}

} // namespace vennor
