#include "phonebooks/newphone_book.h"

#include "mainwindow/recordhost.h"
#include "phonebooks/backup.h"
#include "phonebooks/booknames.h"
#include "platform/folders.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "storage/phonebook.h"
#include "storage/settingsfile.h"
#include "storage/sharedstate.h"

#include <QCollator>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <iterator>

namespace vennor {
namespace {

// A window's height includes its title bar and borders; the layout gives client areas.
constexpr int kFrameTwips = 405;
constexpr int kClientWidth = 2805;
constexpr int kClientHeight = 1395;
constexpr int kRenameHeight = 2625;

const QString kWarning = QStringLiteral("Warning");

QStringList sortedNames(QStringList names)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    std::stable_sort(names.begin(), names.end(), collator);
    return names;
}

// Moves the file to its new name, or copies it there when it cannot be moved. The result
// tells whether the old file is still in place (copied) so that the step can be undone.
struct MoveOutcome
{
    bool done = false;
    bool copied = false;
    QString reason;
};

MoveOutcome renameOrCopy(const QString& from, const QString& to)
{
    QFile file(from);
    if (file.rename(to)) {
        return {true, false, {}};
    }
    const QString renameError = file.errorString();
    if (QFile::copy(from, to)) {
        return {true, true, {}};
    }
    return {false, false, renameError};
}

void undoMove(const MoveOutcome& moved, const QString& from, const QString& to)
{
    if (moved.copied) {
        QFile::remove(to);
    } else {
        QFile::rename(to, from);
    }
}

// The settings lines without the phone book's; the port line is never compared.
QStringList withoutBook(const QStringList& lines, const QString& name)
{
    QStringList kept{lines.first()};
    std::copy_if(lines.begin() + 1, lines.end(), std::back_inserter(kept),
                 [&name](const QString& line) { return line != name; });
    return kept;
}

} // namespace

newphone_book::newphone_book(SharedState& state, RecordHost& host, QWidget* parent)
    : QDialog(parent), state_(state), host_(host)
{
    setObjectName(QStringLiteral("newphone_book"));
    buildControls();
    applyMode();
}

void newphone_book::buildControls()
{
    setWindowTitle(QStringLiteral("Create new phone book"));
    twips::setClientSize(this, kClientWidth, kClientHeight);

    Label1 = new QLabel(QStringLiteral("Name of the phone book"), this);
    Text1 = new QLineEdit(this);
    Combo1 = new QComboBox(this);
    Label2 = new QLabel(QStringLiteral("The new name"), this);
    Text2 = new QLineEdit(this);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);

    Label1->setObjectName(QStringLiteral("Label1"));
    Text1->setObjectName(QStringLiteral("Text1"));
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Text2->setObjectName(QStringLiteral("Text2"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));

    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Command1->setDefault(true);

    twips::place(Label1, 240, 120, 2655, 375);
    twips::place(Text1, 240, 480, 2295, 285);
    twips::place(Combo1, 240, 480, 2310, 315);
    twips::place(Label2, 240, 960, 1335, 255);
    twips::place(Text2, 240, 1320, 2310, 285);
    twips::place(Command1, 240, 960, 975, 315);
    twips::place(Command2, 1560, 960, 975, 315);
    Combo1->raise();

    Combo1->hide();
    Label2->hide();
    Text2->hide();

    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Combo1);
    setTabOrder(Combo1, Command2);
    setTabOrder(Command2, Text2);

    connect(Command1, &QPushButton::clicked, this, &newphone_book::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &newphone_book::Command2_Click);
}

void newphone_book::applyMode()
{
    comlines.clear();
    const int mode = state_.pbmode;
    if (mode < 1 || mode > 4) {
        return;
    }
    if (mode == 1) {
        Label2->show();
        Text2->show();
        twips::setClientSize(this, kClientWidth, kRenameHeight - kFrameTwips);
        twips::place(Command1, 240, 1800, 975, 315);
        twips::place(Command2, 1560, 1800, 975, 315);
    }
    static const char* const captions[] = {nullptr, "Rename phone book ",
                                           "Make a phone book as default", "Delete a phone book ",
                                           "Make a backup from phone book"};
    setWindowTitle(QString::fromLatin1(captions[mode]));
    Label1->setText(mode == 1 ? QStringLiteral("Select a phone book to rename")
                              : QStringLiteral("Select the phone book"));
    // The list covers the name box; hidden, the name box cannot take the focus unseen.
    Text1->hide();
    Combo1->show();
    readfiles();
}

void newphone_book::readfiles()
{
    comlines.clear();
    Combo1->clear();
    Result<QStringList> lines = SettingsFile().readAll();
    if (!lines) {
        readError_ = lines.error();
        return;
    }
    comlines = *lines;
    Combo1->addItems(sortedNames(comlines.mid(1)));
    if (Combo1->count() > 0) {
        Combo1->setCurrentIndex(0);
    }
}

void newphone_book::Command1_Click()
{
    switch (state_.pbmode) {
    case 0:
        create();
        break;
    case 1:
        renameBook();
        break;
    case 2:
        makeDefault();
        break;
    case 3:
        deleteBook();
        break;
    case 4:
        backup();
        break;
    default:
        break;
    }
}

void newphone_book::Command2_Click()
{
    reject();
}

bool newphone_book::listed(const QString& name) const
{
    return comlines.indexOf(name, 1) >= 1;
}

// The list must be known before the settings file is rewritten from it.
bool newphone_book::settingsUnreadable()
{
    if (!comlines.isEmpty()) {
        return false;
    }
    warn(QStringLiteral("The list of phone books could not be read"), readError_);
    return true;
}

// The list's text can be typed into: a name that could not be a phone book's (a path, say)
// must not reach the file operations.
std::optional<QString> newphone_book::chosenBook()
{
    const QString name = Combo1->currentText();
    if (name.isEmpty()) {
        return std::nullopt;
    }
    if (!isValidBookName(name)) {
        warn(QStringLiteral("Enter a valid name for the phone book"));
        return std::nullopt;
    }
    return name;
}

void newphone_book::warn(const QString& text, const QString& reason)
{
    MessageBox::show(this, {text, kWarning, MessageBox::Buttons::Ok, reason});
}

void newphone_book::create()
{
    const QString name = Text1->text();
    if (name.isEmpty()) {
        return;
    }
    if (!isValidBookName(name)) {
        warn(QStringLiteral("Enter a valid name for the phone book"));
        return;
    }
    readfiles();
    if (comlines.isEmpty() && QFile::exists(SettingsFile().path())) {
        settingsUnreadable();
        return;
    }
    const PhoneBookFile book = PhoneBookFile::named(name);
    if (listed(name) || book.exists()) {
        warn(QStringLiteral("This phone book name already exists,use another name"));
        return;
    }
    if (Status made = book.createEmpty(); !made) {
        warn(QStringLiteral("The phone book %1 could not be created").arg(name), made.error());
        return;
    }
    if (Status added = SettingsFile().appendBook(name); !added) {
        QFile::remove(book.path());
        warn(QStringLiteral("The phone book %1 could not be added to the list").arg(name),
             added.error());
        return;
    }
    accept();
}

void newphone_book::renameBook()
{
    const QString oldName = Combo1->currentText();
    const QString newName = Text2->text();
    if (newName.isEmpty()) {
        MessageBox::ok(this, QStringLiteral("Enter a name for the phone book"),
                       QStringLiteral("Warninig"));
        return;
    }
    if (!chosenBook()) {
        return;
    }
    if (!isValidBookName(newName)) {
        warn(QStringLiteral("Enter a valid name for the phone book"));
        return;
    }
    const QString from = folders::phoneBookPath(oldName);
    const QString to = folders::phoneBookPath(newName);
    if (listed(newName) || QFile::exists(to)) {
        warn(QStringLiteral("This phone book name already exists,use another name"));
        return;
    }
    if (settingsUnreadable()) {
        return;
    }
    const MoveOutcome moved = renameOrCopy(from, to);
    if (!moved.done) {
        warn(QStringLiteral("The phone book %1 could not be renamed").arg(oldName), moved.reason);
        return;
    }
    if (Status written = fixrename(oldName, newName); !written) {
        undoMove(moved, from, to);
        warn(QStringLiteral("The phone book %1 could not be renamed").arg(oldName),
             written.error());
        return;
    }
    accept();
}

// The line holding the old name gets the new one, in the same place; the port line stays.
Status newphone_book::fixrename(const QString& oldName, const QString& newName) const
{
    QStringList lines = comlines;
    std::replace(lines.begin() + 1, lines.end(), oldName, newName);
    return SettingsFile().rewrite(lines);
}

// The chosen book on line 2, the others after it in their order.
Status newphone_book::mkdefault(const QString& name) const
{
    QStringList lines = withoutBook(comlines, name);
    lines.insert(1, name);
    return SettingsFile().rewrite(lines);
}

void newphone_book::makeDefault()
{
    const std::optional<QString> chosen = chosenBook();
    if (!chosen || settingsUnreadable()) {
        return;
    }
    const QString& name = *chosen;
    if (Status written = mkdefault(name); !written) {
        warn(QStringLiteral("The phone book %1 could not be made the default").arg(name),
             written.error());
        return;
    }
    accept();
    host_.refillLists();
}

void newphone_book::deleteBook()
{
    const std::optional<QString> chosen = chosenBook();
    if (!chosen) {
        return;
    }
    const QString& name = *chosen;
    if (MessageBox::okCancel(this,
                             QStringLiteral(" Are you sure you want to delete this phone book"),
                             QStringLiteral("Delete phone book")) == MessageBox::Answer::Ok) {
        delfile(name);
    }
    accept();
}

void newphone_book::delfile(const QString& name)
{
    if (settingsUnreadable()) {
        return;
    }
    if (Status written = SettingsFile().rewrite(withoutBook(comlines, name)); !written) {
        warn(QStringLiteral("The phone book %1 was not deleted").arg(name), written.error());
        return;
    }
    QFile file(folders::phoneBookPath(name));
    if (file.exists() && !file.remove()) {
        warn(QStringLiteral("The phone book %1 was taken off the list, but its file could not be "
                            "deleted")
                 .arg(name),
             file.errorString());
    }
    if (name == comlines.value(1)) {
        accept();
        host_.refillLists();
    }
}

void newphone_book::backup()
{
    const std::optional<QString> chosen = chosenBook();
    if (!chosen) {
        return;
    }
    const QString& name = *chosen;
    makeBackup(this, name);
    accept();
}

} // namespace vennor
