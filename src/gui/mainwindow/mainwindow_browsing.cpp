// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/mainwindow.h"

#include "core/fields.h"
#include "core/folders.h"
#include "core/numeric.h"
#include "core/phonebook.h"
#include "core/record.h"
#include "core/settingsfile.h"
#include "widgets/keyfilter.h"
#include "widgets/messagebox.h"
#include "widgets/simplecombo.h"
#include "widgets/textbox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace vennor {
namespace {

QString lookupText(const QString& typed)
{
    return trimBlanks(typed.toLower());
}

// What a typed number is stored as: blanks, dashes and parentheses dropped.
QString cleanedNumber(QString typed)
{
    static const QString dropped = QStringLiteral(" -()");
    typed.removeIf([](QChar c) { return dropped.contains(c); });
    return typed;
}

} // namespace

void MainWindow::connectControls()
{
    connect(nameSearch_, &SimpleCombo::changed, this, &MainWindow::nameSearchEdited);
    connect(nameSearch_, &SimpleCombo::clicked, this, &MainWindow::nameSearchChosen);
    connect(numberSearch_, &SimpleCombo::changed, this, &MainWindow::numberSearchEdited);
    connect(numberSearch_, &SimpleCombo::clicked, this, &MainWindow::numberSearchChosen);
    connect(numbers_, &QComboBox::activated, this, &MainWindow::numberChosen);
    // The combo box itself has the focus and hands keys to its line edit directly, past any
    // filter there: the keys are filtered where they arrive.
    KeyPressFilter::install(numbers_, [this](QChar key) { return numberBoxKeyPress(key); });
    KeyPressFilter::install(numberType_, [this](QChar key) { return typeBoxKeyPress(key); });
    for (int i = 0; i < 4; ++i) {
        KeyPressFilter::install(fields_[i], [this, i](QChar key) { return fieldKeyPress(i, key); });
    }
    // Typing, pasting, cutting, dropping and undoing all change the text: each is an edit.
    for (TextBox* line : fields_.line) {
        connect(line, &QLineEdit::textEdited, this, &MainWindow::fieldEdited);
    }
    connect(fields_.comment, &TextArea::edited, this, &MainWindow::fieldEdited);
    connect(saveButton_, &QPushButton::clicked, this, [this] { saveRecord(); });
    connect(deleteButton_, &QPushButton::clicked, this, &MainWindow::deleteRecord);
    connect(dialButton_, &QPushButton::clicked, this, &MainWindow::dialSelectedNumber);
    connect(clearButton_, &QPushButton::clicked, this, &MainWindow::clearRecord);
    connect(printButton_, &QPushButton::clicked, this, &MainWindow::printCommand);
}

void MainWindow::nameSearchEdited()
{
    recordFromFile_ = false;
    state_.selectedName = lookupText(nameSearch_->text());
    if (state_.selectedName.isEmpty()) {
        clearRecord();
        nameSearch_->setFocus();
        return;
    }
    loadRecordByName();
    recordFromFile_ = false;
}

void MainWindow::nameSearchChosen()
{
    state_.selectedName = nameSearch_->text();
    if (state_.selectedName.isEmpty()) {
        clearRecord();
        nameSearch_->setFocus();
        return;
    }
    loadRecordByName();
}

void MainWindow::numberSearchEdited()
{
    state_.selectedName = lookupText(numberSearch_->text());
    if (state_.selectedName.isEmpty()) {
        clearRecord();
        numberSearch_->setFocus();
        return;
    }
    loadRecordByNumber();
}

void MainWindow::numberSearchChosen()
{
    state_.selectedName = numberSearch_->text();
    if (state_.selectedName.isEmpty()) {
        clearRecord();
        numberSearch_->setFocus();
        return;
    }
    loadRecordByNumber();
}

void MainWindow::emptyEditor()
{
    state_.typeCodes.clear();
    for (int i = 0; i < 4; ++i) {
        fields_.setText(i, QString());
    }
    numbers_->clear();
    shownName_.clear();
    // What is on screen now is no loaded record: Delete must not act on it.
    recordFromFile_ = false;
}

void MainWindow::clearChangedMarks()
{
    for (int i = 0; i < 4; ++i) {
        fields_.setDataChanged(i, false);
    }
}

void MainWindow::loadRecordByName()
{
    loadRecord(nameSearch_, &BookIndex::findByName);
}

void MainWindow::loadRecordByNumber()
{
    loadRecord(numberSearch_, &BookIndex::findByNumber);
}

// Loads the record the search list's entry selectedName leads to; the editor stays empty when the
// entry or the record is not there.
void MainWindow::loadRecord(const SimpleCombo* list, RecordFinder find)
{
    emptyEditor();
    if (list->indexOf(state_.selectedName) >= 0) {
        if (const auto book = SettingsFile().readDefaultBook()) {
            const auto found = (bookIndex_.*find)(PhoneBookFile::named(*book), state_.selectedName);
            if (found && found->has_value()) {
                recordFromFile_ = true;
                showRecord(**found);
            }
        }
    }
    clearChangedMarks();
}

void MainWindow::showRecord(const Record& record)
{
    state_.typeCodes.clear();
    shownName_ = record.name;
    fields_.setText(0, record.name);
    fields_.setText(1, record.email);
    fields_.setText(2, record.address);
    fields_.setText(3,
                    QString(record.comment).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (record.numbers.isEmpty()) {
        return;
    }
    for (const PhoneNumber& number : record.numbers) {
        state_.typeCodes.append(number.type);
        numbers_->addItem(number.number);
    }
    if (record.numbers.first().type < numberType_->count()) {
        numberType_->setCurrentIndex(record.numbers.first().type);
    }
    numbers_->setCurrentIndex(0);
}

bool MainWindow::typeBoxKeyPress(QChar key)
{
    if (key != u'\r') {
        return false;
    }
    numbers_->setFocus();
    return true;
}

void MainWindow::numberChosen(int position)
{
    chosenNumberIndex_ = position;
    if (position >= 0 && position < state_.typeCodes.size()) {
        const int code = state_.typeCodes.at(position);
        if (code < numberType_->count()) {
            numberType_->setCurrentIndex(code);
        }
    }
}

bool MainWindow::numberBoxKeyPress(QChar key)
{
    if (key != u'\r') {
        return false;
    }
    addNumber();
    return true;
}

// The type chosen in the type box; a text that names no type counts as the first type.
int MainWindow::chosenTypeCode()
{
    const int typed =
        numberType_->findText(numberType_->currentText().trimmed(), Qt::MatchFixedString);
    if (typed < 0) {
        numberType_->setCurrentIndex(0);
        return 0;
    }
    if (typed != numberType_->currentIndex()) {
        numberType_->setCurrentIndex(typed);
    }
    return typed;
}

void MainWindow::addNumber()
{
    const int code = chosenTypeCode();
    const QString typed = numbers_->currentText();
    if (typed.isEmpty()) {
        saveRecord();
        return;
    }
    const QString number = cleanedNumber(typed);
    if (!isNumeric(number)) {
        MessageBox::ok(this, tr("Enter a valid number"), tr("Warning"));
        return;
    }
    recordChanged_ = true;
    if (numbers_->findText(number, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) {
        return;
    }
    state_.typeCodes.append(code);
    numbers_->addItem(number);
    numbers_->setEditText(QString());
}

} // namespace vennor
