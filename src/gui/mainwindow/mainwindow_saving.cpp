// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/mainwindow.h"

#include "core/fieldrules.h"
#include "core/fields.h"
#include "core/numeric.h"
#include "core/phonebook.h"
#include "core/record.h"
#include "core/settingsfile.h"
#include "sync/syncnotes.h"
#include "widgets/messagebox.h"
#include "widgets/simplecombo.h"
#include "widgets/textbox.h"

#include <QComboBox>

namespace vennor {
namespace {

QString warning()
{
    return MainWindow::tr("Warning");
}

QString quoteRefusal()
{
    return MainWindow::tr("Don't enter (\") please enter another symbole");
}

// A comment as stored: without blanks and line breaks at either end, its lines ending CR LF.
QString storedComment(const QString& typed)
{
    static const QString outer = QStringLiteral(" \r\n");
    qsizetype begin = 0;
    qsizetype end = typed.size();
    while (begin < end && outer.contains(typed.at(begin))) {
        ++begin;
    }
    while (end > begin && outer.contains(typed.at(end - 1))) {
        --end;
    }
    QString comment = typed.mid(begin, end - begin);
    comment.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    comment.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return comment;
}

// What list() reads back of the record once written: its key, and its numbers up to the
// first that is empty or not a number.
Listing listingOf(const Record& record)
{
    Listing listing;
    listing.names << trimBlanks(record.name.toLower());
    for (const PhoneNumber& number : record.numbers) {
        const QString digits = trimBlanks(number.number.toLower());
        if (digits.isEmpty() || !isNumeric(digits)) {
            break;
        }
        listing.numbers << digits;
    }
    return listing;
}

// Saved under another name, the record keeps the one it was loaded under too; should that one
// be deleted, the server's card follows the rename instead of going.
void tellLinkOfRename(QWidget* parent, const QString& bookPath, const QString& loadedAs,
                      const QString& savedAs)
{
    if (const Status noted = noteRenamed(bookPath, loadedAs, savedAs); !noted) {
        MessageBox::show(parent, {MainWindow::tr("The record was saved, but the server will not "
                                                 "learn that it was renamed"),
                                  warning(), MessageBox::Buttons::Ok, noted.error()});
    }
}

} // namespace

// Why the record on screen cannot be stored as it is, or nullopt. A double quote or a comma
// in the name, a double quote or "@" in the address, would read back as other fields. A name
// read from the file and left unchanged is written in a form that reads back the same.
std::optional<QString> MainWindow::refusalOf() const
{
    const QString name = trimBlanks(fields_.text(0));
    const bool asRead = !shownName_.isEmpty() && fields_.text(0) == shownName_;
    if (!asRead && (name.isEmpty() || isNumeric(name) || holdsRefused(RecordField::name, name) ||
                    name == endLine())) {
        return MainWindow::tr("Enter a name");
    }
    const QString address = fields_.text(2);
    if (isNumeric(address) || holdsRefused(RecordField::address, address) ||
        trimBlanks(address) == endLine()) {
        return MainWindow::tr("Enter a valid address");
    }
    const QString email = fields_.text(1);
    if (!email.isEmpty() && !email.contains(QLatin1Char('@'))) {
        return MainWindow::tr("Write a valid E-mail address");
    }
    if (holdsRefused(RecordField::email, email) ||
        holdsRefused(RecordField::comment, fields_.text(3))) {
        return quoteRefusal();
    }
    return std::nullopt;
}

Record MainWindow::recordOnScreen() const
{
    Record record;
    record.name = fields_.text(0);
    record.email = fields_.text(1);
    record.address = fields_.text(2);
    record.comment = storedComment(fields_.text(3));
    for (int i = 0; i < numbers_->count() && i < state_.typeCodes.size(); ++i) {
        record.numbers.append({state_.typeCodes.at(i), numbers_->itemText(i)});
    }
    return record;
}

bool MainWindow::saveRecord()
{
    if (const auto refusal = refusalOf()) {
        MessageBox::ok(this, *refusal, warning());
        return false;
    }
    fields_[0]->setFocus();
    const auto book = SettingsFile().readDefaultBook();
    if (!book || !PhoneBookFile::named(*book).exists()) {
        phoneBookFallback();
        return false;
    }
    return writeRecord(*book, recordOnScreen());
}

// One write replaces every stored record of the same name; the lists follow only once it
// succeeded.
bool MainWindow::writeRecord(const QString& book, const Record& record)
{
    const PhoneBookFile file = PhoneBookFile::named(book);
    // The index answers at once whether the book holds the name: a new one is only appended.
    const auto found = bookIndex_.findByName(file, trimBlanks(record.name.toLower()));
    Status written = found ? Status::success() : Status::failure(found.error());
    Result<Listing> replaced = Listing{};
    if (written && found->has_value()) {
        replaced = bookIndex_.replace(file, record);
        written = replaced ? Status::success() : Status::failure(replaced.error());
    } else if (written) {
        written = bookIndex_.append(file, record);
    }
    if (!written) {
        MessageBox::show(this, {tr("The phone book could not be saved"), warning(),
                                MessageBox::Buttons::Ok, written.error()});
        return false;
    }
    // Before the lists follow, since they start a sync that must know of it.
    tellLinkOfRename(this, file.path(), shownName_, record.name);
    state_.fieldCount += recordFieldCount(record);
    state_.typeCodes.clear();
    followBookChange(*replaced, listingOf(record));
    clearRecord();
    return true;
}

void MainWindow::fieldEdited()
{
    recordFromFile_ = false;
}

bool MainWindow::fieldKeyPress(int index, QChar key)
{
    if (index == 3 && key == u'\r') {
        numberType_->setFocus();
        return false; // the comment box still takes the line break
    }
    if (key == u'\r') {
        fields_[index + 1]->setFocus();
        return true;
    }
    if (key == u',' && index == 0) {
        MessageBox::ok(this, tr("Don't enter (,) please enter another symbole"), warning());
        return true;
    }
    if (key == u'"') {
        MessageBox::ok(this, quoteRefusal(), warning());
        return true;
    }
    return false;
}

} // namespace vennor
