// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/phonebooks/phonebookdialog.h"

#include "core/settingsfile.h"
#include "gui/sharedstate.h"
#include "widgets/accessiblename.h"
#include "widgets/keyfilter.h"
#include "widgets/messagebox.h"
#include "widgets/sortedtext.h"
#include "widgets/twipslayout.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vennor {
namespace {

QString captionOf(BookDialogMode mode)
{
    switch (mode) {
    case BookDialogMode::rename:
        return PhoneBookDialog::tr("Rename phone book ");
    case BookDialogMode::makeDefault:
        return PhoneBookDialog::tr("Make a phone book as default");
    case BookDialogMode::remove:
        return PhoneBookDialog::tr("Delete a phone book ");
    case BookDialogMode::backup:
        return PhoneBookDialog::tr("Make a backup from phone book");
    case BookDialogMode::create:
        break;
    }
    return PhoneBookDialog::tr("Create new phone book");
}

// A window's height includes its title bar and borders; the layout gives client areas.
constexpr int kFrameTwips = 405;
constexpr int kClientWidth = 2805;
constexpr int kClientHeight = 1395;
constexpr int kRenameHeight = 2625;
constexpr Anchors kRightAligned{1, 1, 0, 0};

// In the order of the main window's lists, so that the two agree.
QStringList sortedNames(QStringList names)
{
    sortedtext::sort(names);
    return names;
}

} // namespace

PhoneBookDialog::PhoneBookDialog(SharedState& state, RecordHost& host, QWidget* parent)
    : QDialog(parent), state_(state), host_(host)
{
    setObjectName(QStringLiteral("newphone_book"));
    buildControls();
    applyMode();
}

void PhoneBookDialog::buildControls()
{
    setWindowTitle(PhoneBookDialog::tr("Create new phone book"));
    // Widened, the boxes widen with it and Cancel keeps to the right; the height is the form's.
    layout_ = new TwipsLayout(this, {kClientWidth, kClientHeight});
    layout_->setGrowsVertically(false);

    promptLabel_ = new QLabel(tr("Name of the phone book"), this);
    nameBox_ = new QLineEdit(this);
    bookList_ = new QComboBox(this);
    newNameLabel_ = new QLabel(tr("The new name"), this);
    newNameBox_ = new QLineEdit(this);
    okButton_ = new QPushButton(tr("OK"), this);
    cancelButton_ = new QPushButton(tr("Cancel"), this);

    promptLabel_->setObjectName(QStringLiteral("Label1"));
    nameBox_->setObjectName(QStringLiteral("Text1"));
    bookList_->setObjectName(QStringLiteral("Combo1"));
    newNameLabel_->setObjectName(QStringLiteral("Label2"));
    newNameBox_->setObjectName(QStringLiteral("Text2"));
    okButton_->setObjectName(QStringLiteral("Command1"));
    cancelButton_->setObjectName(QStringLiteral("Command2"));

    bookList_->setEditable(true);
    bookList_->setInsertPolicy(QComboBox::NoInsert);
    okButton_->setDefault(true);

    setAccessibleNameOf(nameBox_, promptLabel_->text());
    setAccessibleNameOf(bookList_, promptLabel_->text());
    setAccessibleNameOf(newNameBox_, newNameLabel_->text());

    constexpr Anchors kWidens{0, 1, 0, 0};
    layout_->place(promptLabel_, {240, 120, 2655, 375}, kWidens);
    layout_->place(nameBox_, {240, 480, 2295, 285}, kWidens);
    layout_->place(bookList_, {240, 480, 2310, 315}, kWidens);
    layout_->place(newNameLabel_, {240, 960, 1335, 255}, kWidens);
    layout_->place(newNameBox_, {240, 1320, 2310, 285}, kWidens);
    layout_->place(okButton_, {240, 960, 975, 315});
    layout_->place(cancelButton_, {1560, 960, 975, 315}, kRightAligned);
    bookList_->raise();

    bookList_->hide();
    newNameLabel_->hide();
    newNameBox_->hide();

    setTabOrder(nameBox_, okButton_);
    setTabOrder(okButton_, bookList_);
    setTabOrder(bookList_, cancelButton_);
    setTabOrder(cancelButton_, newNameBox_);

    connect(okButton_, &QPushButton::clicked, this, &PhoneBookDialog::acceptChoice);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void PhoneBookDialog::applyMode()
{
    settingsLines_.clear();
    const BookDialogMode mode = state_.dialogMode;
    if (mode == BookDialogMode::create) {
        return;
    }
    const bool renaming = mode == BookDialogMode::rename;
    if (renaming) {
        newNameLabel_->show();
        newNameBox_->show();
        layout_->setFormSize({kClientWidth, kRenameHeight - kFrameTwips});
        layout_->place(okButton_, {240, 1800, 975, 315});
        layout_->place(cancelButton_, {1560, 1800, 975, 315}, kRightAligned);
    }
    setWindowTitle(captionOf(mode));
    promptLabel_->setText(renaming ? tr("Select a phone book to rename")
                                   : tr("Select the phone book"));
    // The list covers the name box; hidden, the name box cannot take the focus unseen.
    nameBox_->hide();
    bookList_->show();
    fillBookList();
    // Typing goes where a name is wanted; the OK button first in the tab order would take none.
    (renaming ? static_cast<QWidget*>(newNameBox_) : bookList_)->setFocus();
    // The editable list keeps Enter for itself: in it, Enter chooses the book shown.
    KeyPressFilter::install(bookList_, [this, renaming](QChar key) {
        if (key != u'\r') {
            return false;
        }
        renaming ? newNameBox_->setFocus() : okButton_->click();
        return true;
    });
}

void PhoneBookDialog::fillBookList()
{
    settingsLines_.clear();
    bookList_->clear();
    Result<QStringList> lines = SettingsFile().readAll();
    if (!lines) {
        readError_ = lines.error();
        return;
    }
    settingsLines_ = *lines;
    bookList_->addItems(sortedNames(settingsLines_.mid(1)));
    if (bookList_->count() > 0) {
        bookList_->setCurrentIndex(0);
    }
}

bool PhoneBookDialog::listed(const QString& name) const
{
    return settingsLines_.indexOf(name, 1) >= 1;
}

// The list must be known before the settings file is rewritten from it.
bool PhoneBookDialog::settingsUnreadable()
{
    if (!settingsLines_.isEmpty()) {
        return false;
    }
    warn(tr("The list of phone books could not be read"), readError_);
    return true;
}

// The list's text can be typed into: only a listed book is acted on, never a stray file or a
// name the list would gain.
std::optional<QString> PhoneBookDialog::chosenBook()
{
    const QString name = bookList_->currentText();
    if (name.isEmpty() || settingsUnreadable()) {
        return std::nullopt;
    }
    if (!listed(name)) {
        warn(tr("This phone book does not exist"));
        return std::nullopt;
    }
    return name;
}

void PhoneBookDialog::warn(const QString& text, const QString& reason)
{
    MessageBox::show(this, {text, tr("Warning"), MessageBox::Buttons::Ok, reason});
}

} // namespace vennor
