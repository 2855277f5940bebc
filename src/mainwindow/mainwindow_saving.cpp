#include "mainwindow/mainwindow.h"

#include "platform/messagebox.h"
#include "platform/simplecombo.h"
#include "platform/textbox.h"
#include "storage/fields.h"
#include "storage/numeric.h"
#include "storage/phonebook.h"
#include "storage/record.h"
#include "storage/settingsfile.h"

#include <QComboBox>

namespace vennor {
namespace {

const QString kWarning = QStringLiteral("Warning");

QString quoteRefusal()
{
    return QStringLiteral("Don't enter (\") please enter another symbole");
}

bool holdsQuote(const QString& text)
{
    return text.contains(QLatin1Char('"'));
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

} // namespace

// Why the record on screen cannot be stored as it is, or nullopt. A double quote or a comma
// in the name, a double quote or "@" in the address, would read back as other fields.
std::optional<QString> MainWindow::refusalOf() const
{
    const QString name = trimBlanks(fields_.text(0));
    if (name.isEmpty() || isNumeric(name) || name.contains(QLatin1Char(',')) || holdsQuote(name) ||
        name == endLine()) {
        return QStringLiteral("Enter a name");
    }
    const QString address = fields_.text(2);
    if (isNumeric(address) || holdsQuote(address) || address.contains(QLatin1Char('@')) ||
        trimBlanks(address) == endLine()) {
        return QStringLiteral("Enter a valid address");
    }
    const QString email = fields_.text(1);
    if (!email.isEmpty() && !email.contains(QLatin1Char('@'))) {
        return QStringLiteral("Write a valid E-mail address");
    }
    if (holdsQuote(email) || holdsQuote(fields_.text(3))) {
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
        MessageBox::ok(this, *refusal, kWarning);
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

// The numbers of the stored record of that name, nullopt when there is none. The record shown
// from the file is known already; a name the list does not hold is not in the file.
Result<std::optional<QStringList>> MainWindow::storedNumbersOf(const QString& book,
                                                               const QString& name)
{
    if (!shownName_.isEmpty() && shownName_ == name) {
        return std::optional<QStringList>(shownNumbers_);
    }
    if (nameSearch_->indexOf(name) < 0) {
        return std::optional<QStringList>();
    }
    const auto found = bookIndex_.findByName(PhoneBookFile::named(book), name);
    if (!found) {
        return Status::failure(found.error());
    }
    if (!found->has_value()) {
        return std::optional<QStringList>();
    }
    QStringList numbers;
    for (const PhoneNumber& number : (*found)->numbers) {
        numbers << number.number;
    }
    return std::optional<QStringList>(numbers);
}

// One write replaces any record of the same name; the lists follow only once it succeeded.
bool MainWindow::writeRecord(const QString& book, const Record& record)
{
    const QString key = trimBlanks(record.name.toLower());
    const PhoneBookFile file = PhoneBookFile::named(book);
    const auto stored = storedNumbersOf(book, key);
    const Status written = !stored               ? Status::failure(stored.error())
                           : stored->has_value() ? bookIndex_.replace(file, record)
                                                 : bookIndex_.append(file, record);
    if (!written) {
        MessageBox::show(this, {QStringLiteral("The phone book could not be saved"), kWarning,
                                MessageBox::Buttons::Ok, written.error()});
        return false;
    }
    state_.fieldCount += recordFieldCount(record);
    state_.typeCodes.clear();
    if (stored->has_value()) {
        QStringList oldNumbers;
        for (const QString& number : **stored) {
            if (!numbersTakenOut_.removeOne(number)) {
                oldNumbers << number;
            }
        }
        takeOutOfLists(key, oldNumbers);
    }
    QStringList numbers;
    for (const PhoneNumber& number : record.numbers) {
        if (!isNumeric(number.number)) {
            break;
        }
        numbers << number.number;
    }
    putIntoLists(key, numbers);
    clearRecord();
    return true;
}

void MainWindow::takeOutOfLists(const QString& name, const QStringList& numbers)
{
    nameSearch_->removeItem(nameSearch_->indexOf(name));
    for (const QString& number : numbers) {
        numberSearch_->removeItem(numberSearch_->indexOf(number));
    }
}

void MainWindow::removeTrailingEmpties(SimpleCombo* list)
{
    for (int i = 0; i < 3 && list->count() > 0 && list->at(list->count() - 1).isEmpty(); ++i) {
        list->removeItem(list->count() - 1);
    }
}

void MainWindow::putIntoLists(const QString& name, const QStringList& numbers)
{
    removeTrailingEmpties(nameSearch_);
    removeTrailingEmpties(numberSearch_);
    for (const QString& number : numbers) {
        numberSearch_->addItem(number);
    }
    nameSearch_->addItem(name);
    for (int i = 0; i < 3; ++i) {
        nameSearch_->insertItem(nameSearch_->count(), QString());
        if (numberSearch_->count() > 0) {
            numberSearch_->insertItem(numberSearch_->count(), QString());
        }
    }
}

void MainWindow::fieldKeyPress(int index, int& keyAscii)
{
    recordFromFile_ = 0;
    if (index == 3 && keyAscii == 13) {
        numberType_->setFocus(); // the comment box still takes the line break
        return;
    }
    if (keyAscii == 13) {
        keyAscii = 0;
        fields_[index + 1]->setFocus();
        return;
    }
    if (keyAscii == ',' && index == 0) {
        keyAscii = 0;
        MessageBox::ok(this, QStringLiteral("Don't enter (,) please enter another symbole"),
                       kWarning);
    } else if (keyAscii == '"') {
        keyAscii = 0;
        MessageBox::ok(this, quoteRefusal(), kWarning);
    }
}

} // namespace vennor
