#include "mainwindow/mainwindow.h"

#include "platform/folders.h"
#include "platform/keyfilter.h"
#include "platform/messagebox.h"
#include "platform/simplecombo.h"
#include "platform/textbox.h"
#include "storage/fields.h"
#include "storage/numeric.h"
#include "storage/phonebook.h"
#include "storage/record.h"
#include "storage/settingsfile.h"

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
    connect(Combo1, &SimpleCombo::changed, this, &MainWindow::Combo1_Change);
    connect(Combo1, &SimpleCombo::clicked, this, &MainWindow::Combo1_Click);
    connect(Combo2, &SimpleCombo::changed, this, &MainWindow::Combo2_Change);
    connect(Combo2, &SimpleCombo::clicked, this, &MainWindow::Combo2_Click);
    connect(phones, &QComboBox::activated, this, &MainWindow::phones_Click);
    KeyPressFilter::install(phones->lineEdit(), [this](int& key) { phones_KeyPress(key); });
    KeyPressFilter::install(Combo3->lineEdit(), [this](int& key) { Combo3_KeyPress(key); });
    for (int i = 0; i < 4; ++i) {
        KeyPressFilter::install(Text[i], [this, i](int& key) { Text_KeyPress(i, key); });
    }
    connect(sav, &QPushButton::clicked, this, [this] { sav_Click(); });
    connect(del, &QPushButton::clicked, this, &MainWindow::del_Click);
    connect(dial, &QPushButton::clicked, this, &MainWindow::dial_Click);
    connect(clr, &QPushButton::clicked, this, &MainWindow::clr_Click);
    connect(Command2, &QPushButton::clicked, this, &MainWindow::printCommand);
}

void MainWindow::Combo1_Change()
{
    loaded_ = 0;
    state_.selectedName = lookupText(Combo1->text());
    if (state_.selectedName.isEmpty()) {
        clearrec();
        Combo1->setFocus();
        return;
    }
    search();
    loaded_ = 0;
}

void MainWindow::Combo1_Click()
{
    state_.selectedName = Combo1->text();
    if (state_.selectedName.isEmpty()) {
        clearrec();
        Combo1->setFocus();
        return;
    }
    search();
}

void MainWindow::Combo2_Change()
{
    state_.selectedName = lookupText(Combo2->text());
    if (state_.selectedName.isEmpty()) {
        clearrec();
        Combo2->setFocus();
        return;
    }
    searchnum();
}

void MainWindow::Combo2_Click()
{
    state_.selectedName = Combo2->text();
    if (state_.selectedName.isEmpty()) {
        clearrec();
        Combo2->setFocus();
        return;
    }
    searchnum();
}

void MainWindow::emptyEditor()
{
    state_.typeCodes.clear();
    for (int i = 0; i < 4; ++i) {
        Text.setText(i, QString());
    }
    phones->clear();
    numbersTakenOut_.clear();
    shownName_.clear();
    shownNumbers_.clear();
    // What is on screen now is no loaded record: Delete must not act on it.
    loaded_ = 0;
}

void MainWindow::clearChangedMarks()
{
    for (int i = 0; i < 4; ++i) {
        Text.setDataChanged(i, false);
    }
}

void MainWindow::search()
{
    loadRecord(Combo1, &PhoneBookFile::findByName);
}

void MainWindow::searchnum()
{
    loadRecord(Combo2, &PhoneBookFile::findByNumber);
}

// Loads the record the search list's entry selectedName leads to; the editor stays empty when the
// entry or the record is not there.
void MainWindow::loadRecord(const SimpleCombo* list, RecordFinder find)
{
    emptyEditor();
    if (list->indexOf(state_.selectedName) >= 0) {
        if (const auto book = SettingsFile().readDefaultBook()) {
            const auto found = (PhoneBookFile::named(*book).*find)(state_.selectedName);
            if (found && found->has_value()) {
                loaded_ = 1;
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
    shownNumbers_.clear();
    for (const PhoneNumber& number : record.numbers) {
        shownNumbers_ << number.number;
    }
    Text.setText(0, record.name);
    Text.setText(1, record.email);
    Text.setText(2, record.address);
    Text.setText(3, QString(record.comment).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (record.numbers.isEmpty()) {
        return;
    }
    for (const PhoneNumber& number : record.numbers) {
        state_.typeCodes.append(number.type);
        phones->addItem(number.number);
    }
    if (record.numbers.first().type < Combo3->count()) {
        Combo3->setCurrentIndex(record.numbers.first().type);
    }
    phones->setCurrentIndex(0);
}

void MainWindow::Combo3_KeyPress(int& keyAscii)
{
    if (keyAscii == 13) {
        keyAscii = 0;
        phones->setFocus();
    }
}

void MainWindow::phones_Click(int position)
{
    numindex_ = position;
    if (position >= 0 && position < state_.typeCodes.size()) {
        const int code = state_.typeCodes.at(position);
        if (code < Combo3->count()) {
            Combo3->setCurrentIndex(code);
        }
    }
}

void MainWindow::phones_KeyPress(int& keyAscii)
{
    if (keyAscii == 13) {
        keyAscii = 0;
        addNumber();
    }
}

// The type chosen in the type box; a text that names no type counts as the first type.
int MainWindow::chosenTypeCode()
{
    const int typed = Combo3->findText(Combo3->currentText().trimmed(), Qt::MatchFixedString);
    if (typed < 0) {
        Combo3->setCurrentIndex(0);
        return 0;
    }
    if (typed != Combo3->currentIndex()) {
        Combo3->setCurrentIndex(typed);
    }
    return typed;
}

void MainWindow::addNumber()
{
    const int code = chosenTypeCode();
    const QString typed = phones->currentText();
    if (typed.isEmpty()) {
        sav_Click();
        return;
    }
    const QString number = cleanedNumber(typed);
    if (!isNumeric(number)) {
        MessageBox::ok(this, QStringLiteral("Enter a valid number"), QStringLiteral("Warning"));
        return;
    }
    recchanged_ = 1;
    if (phones->findText(number, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) {
        return;
    }
    state_.typeCodes.append(code);
    phones->addItem(number);
    phones->setEditText(QString());
}

} // namespace vennor
