#include "mainwindow/mainwindow.h"

#include "platform/messagebox.h"
#include "platform/simplecombo.h"
#include "platform/textbox.h"
#include "storage/phonebook.h"
#include "storage/settingsfile.h"

#include <QComboBox>
#include <QHash>

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

// How many times each entry occurs.
QHash<QString, int> tally(const QStringList& entries, int sign = 1, QHash<QString, int> into = {})
{
    for (const QString& entry : entries) {
        into[entry] += sign;
    }
    return into;
}

// Moves one list from the entries the file listed before a change to those it lists now, so
// that it equals a fresh fill without sorting everything again; a list that was out of step
// with the file (a restore does not refill) is filled afresh.
void followListing(SimpleCombo* list, const QStringList& before, const QStringList& after)
{
    while (list->count() > 0 && list->at(list->count() - 1).isEmpty()) {
        list->removeItem(list->count() - 1);
    }
    if (tally(list->entries()) != tally(before)) {
        list->clear();
        list->addItems(after);
    } else {
        const QHash<QString, int> added = tally(before, -1, tally(after));
        for (auto it = added.cbegin(); it != added.cend(); ++it) {
            for (int i = it.value(); i < 0; ++i) {
                list->removeItem(list->indexOf(it.key()));
            }
            for (int i = 0; i < it.value(); ++i) {
                list->addItem(it.key());
            }
        }
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
    const auto listing =
        book ? PhoneBookFile::named(*book).list() : Result<Listing>::failure(book.error());
    if (!listing) {
        MessageBox::ok(this, QStringLiteral("Create a phone book"), QStringLiteral("Warning"));
        state_.dialogMode = 0;
        showCreateDialog();
        return;
    }
    state_.fieldCount += listing->fieldCount;
    nameSearch_->addItems(listing->names);
    numberSearch_->addItems(listing->numbers);
    closeWithEmpties(nameSearch_);
    closeWithEmpties(numberSearch_);
}

void MainWindow::followBookChange(const PhoneBookFile& file, const Listing& before)
{
    if (const auto after = file.list()) {
        followListing(nameSearch_, before.names, after->names);
        followListing(numberSearch_, before.numbers, after->numbers);
    }
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
