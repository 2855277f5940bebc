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

} // namespace

void MainWindow::loadlists()
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
    Combo1->addItems(listing->names);
    Combo2->addItems(listing->numbers);
    closeWithEmpties(Combo1);
    closeWithEmpties(Combo2);
}

void MainWindow::clearrec()
{
    Text[0]->setFocus();
    Combo1->setText(QString());
    Combo2->setText(QString());
    phones->clear();
    for (int i = 0; i < 4; ++i) {
        Text.setText(i, QString());
    }
    state_.typeCodes.clear();
    numbersTakenOut_.clear();
    shownName_.clear();
    shownNumbers_.clear();
    loaded_ = 0;
}

void MainWindow::refillLists()
{
    Combo1->clear();
    Combo2->clear();
    clearrec();
    loadlists();
}

} // namespace vennor
