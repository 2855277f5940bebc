#include "phonebooks/phonebookdialog.h"

#include "phonebooks/booknames.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "storage/settingsfile.h"
#include "storage/sharedstate.h"

#include <QCollator>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

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

    connect(Command1, &QPushButton::clicked, this, &PhoneBookDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PhoneBookDialog::Command2_Click);
}

void PhoneBookDialog::applyMode()
{
    comlines.clear();
    const int mode = state_.dialogMode;
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

void PhoneBookDialog::readfiles()
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

void PhoneBookDialog::Command2_Click()
{
    reject();
}

bool PhoneBookDialog::listed(const QString& name) const
{
    return comlines.indexOf(name, 1) >= 1;
}

// The list must be known before the settings file is rewritten from it.
bool PhoneBookDialog::settingsUnreadable()
{
    if (!comlines.isEmpty()) {
        return false;
    }
    warn(QStringLiteral("The list of phone books could not be read"), readError_);
    return true;
}

// The list's text can be typed into: a name that could not be a phone book's (a path, say)
// must not reach the file operations.
std::optional<QString> PhoneBookDialog::chosenBook()
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

void PhoneBookDialog::warn(const QString& text, const QString& reason)
{
    MessageBox::show(this, {text, kWarning, MessageBox::Buttons::Ok, reason});
}

} // namespace vennor
