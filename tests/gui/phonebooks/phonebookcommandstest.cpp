// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/phonebooks/phonebookcommands.h"
#include "gui/phonebooks/backup.h"
#include "gui/phonebooks/booknames.h"
#include "phonebookfixture.h"
#include "support/modaldriver.h"
#include "support/testregistry.h"
#include "support/writelimit.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>

using namespace vennor;

namespace {

const QString kExists = "Warning: This phone book name already exists,use another name";
const QString kInvalid = "Warning: Enter a valid name for the phone book";
const QString kSure = "Delete phone book:  Are you sure you want to delete this phone book";
const QString kOffice = "Warning: The phone book Office ";
const QString kOverwrite = "Warning :    File exists.. Overwrite";
constexpr int kRestore = 5; // Tools > Get backup instead of the phone book dialog

enum End { Open, Closed, Refilled }; // the dialog afterwards, Refilled: closed, lists refilled

// OK (or Cancel) in the phone book dialog, or Get backup of a file holding "backup". Settings
// "a|b|c", empty: unchanged; files as PhoneBookFixture::changes() gives them.
struct Case
{
    int mode = 0;
    QString choice; // bookList_, or the file chosen to restore
    QString text;   // nameBox_ (create) or newNameBox_ (rename)
    QString shown;
    QString settings;
    QString files;
    End end = Closed;
    QString before;      // the settings file, when not the fixture's
    QString broken;      // PhoneBookFixture::breakFiles, just before OK
    bool confirm = true; // the question asked
    bool cancel = false;
};

void row(const QByteArray& name, int mode, const QString& choice, const QString& text,
         const QString& shown, const QString& settings, const QString& files, End end = Closed,
         const QString& before = {}, const QString& broken = {}, bool confirm = true,
         bool cancel = false)
{
    QTest::newRow(name.constData())
        << Case{mode, choice, text, shown, settings, files, end, before, broken, confirm, cancel};
}

} // namespace

Q_DECLARE_METATYPE(Case)

class PhoneBookCommandsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::PhoneBookFixture> f;

private slots:
    void init() { f = std::make_unique<test::PhoneBookFixture>(); }
    void cleanup() { f.reset(); }

    // Each command opens its layout modally; without a phone book (the port line alone for odd
    // modes, no settings file for even ones) it first offers to create one.
    void commandOpensItsLayout_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("offer"); // empty: books listed
        QTest::addColumn<QString>("seen");  // "caption: label"; empty: the offer declined
        const QStringList seen{"Create new phone book: Name of the phone book",
                               "Rename phone book : Select a phone book to rename",
                               "Make a phone book as default: Select the phone book",
                               "Delete a phone book : Select the phone book",
                               "Make a backup from phone book: Select the phone book"};
        const QStringList what{"", "rename", "make default", "delete", "make to make a backup"};
        for (int mode = 0; mode <= 4; ++mode) {
            const QString offer =
                "Warning: No phone book to " + what[mode] + ",Create a phone book first";
            QTest::addRow("%d", mode) << mode << QString() << seen[mode];
            if (mode > 0) {
                QTest::addRow("%d, no book", mode) << mode << offer << seen[0];
            }
        }
        QTest::newRow("offer declined")
            << 3 << "Warning: No phone book to delete,Create a phone book first" << QString();
    }
    void commandOpensItsLayout()
    {
        QFETCH(int, mode);
        QFETCH(QString, offer);
        QFETCH(QString, seen);
        QFile::remove(f->folders.settingsFile());
        if (offer.isEmpty() || mode % 2) {
            f->folders.writeSettings(test::bars(offer.isEmpty() ? "3|Zed|Home|alpha|100|20" : "3"));
        }
        f->messages.answerNext(seen.isEmpty() ? MessageBox::Answer::Cancel
                                              : MessageBox::Answer::Ok);
        test::ModalDriver driver;
        driver.whenShown<PhoneBookDialog>([&](PhoneBookDialog* dialog) {
            QVERIFY(dialog->isModal() && dialog->parentWidget() == f->host.window());
            QCOMPARE(dialog->windowTitle() + ": " + dialog->promptLabel_->text(), seen);
            const bool create = seen == "Create new phone book: Name of the phone book";
            // The books sorted as text without regard to case, the first chosen.
            QCOMPARE(dialog->bookList_->currentText(), create ? "" : "100");
            QCOMPARE(dialog->bookList_->itemText(4), create ? "" : "Zed");
            dialog->reject();
        });
        openPhoneBookDialog(f->state, f->host, BookDialogMode(mode));
        QCOMPARE(driver.pending(), seen.isEmpty() ? 1 : 0);
        QCOMPARE(f->shown(), offer);
        QVERIFY(f->messages.count() == 0 ||
                f->messages.last().buttons == MessageBox::Buttons::OkCancel);
    }

    void command_data()
    {
        QTest::addColumn<Case>("c");
        row("create", 0, "", "Work", "", "3|Home|Office|Work", "Work=)");
        row("create, port line's text", 0, "", "3", "", "3|Home|Office|3", "3=)");
        row("create the first", 0, "", "Work", "", "3|Work", "Work=)", Closed, "3");
        row("create, empty", 0, "", "", "", "", "", Open);
        row("create, listed", 0, "", "Home", kExists, "", "", Open);
        row("create, file exists", 0, "", "Stray", kExists, "", "", Open);
        row("create a\\b", 0, "", "a\\b", kInvalid, "", "", Open);
        row("create, no folder", 0, "", "Work",
            "Warning: The phone book Work could not be created [reason]", "",
            "-Home|-Office|-Stray", Open, "", "folder");
        row("create, list full", 0, "", "Work",
            "Warning: The phone book Work could not be added to the list [reason]", "", "", Open,
            "", "full");
        row("rename", 1, "Office", "Clients", "", "3|Home|Clients", "-Office|Clients=Office");
        row("rename, empty", 1, "Office", "", "Warninig: Enter a name for the phone book", "", "",
            Open);
        row("rename to Home", 1, "Office", "Home", kExists, "", "", Open);
        row("rename to Stray", 1, "Office", "Stray", kExists, "", "", Open);
        row("rename to c:d", 1, "Office", "c:d", kInvalid, "", "", Open);
        row("rename, list unwritable", 1, "Office", "Clients",
            kOffice + "could not be renamed [reason]", "", "", Open, "", "settings");
        row("rename, no file", 1, "Ghost", "Clients",
            "Warning: The phone book Ghost could not be renamed [reason]", "", "", Open,
            "3|Home|Ghost");
        row("default", 2, "Office", "", "", "3|Office|Home", "", Refilled);
        row("default, list unwritable", 2, "Office", "",
            kOffice + "could not be made the default [reason]", "", "", Open, "", "settings");
        row("delete default", 3, "Home", "", kSure, "3|Office", "-Home", Refilled);
        row("delete other", 3, "Office", "", kSure, "3|Home", "-Office");
        row("delete, cancelled", 3, "Home", "", kSure, "", "", Closed, "", "", false);
        // No file 3.dat: the list still loses the book, and the port line stays.
        row("delete book named 3", 3, "3", "", kSure, "3|Home", "", Refilled, "3|3|Home");
        row("delete, list unwritable", 3, "Office", "",
            kSure + '|' + kOffice + "was not deleted [reason]", "", "", Closed, "", "settings");
        // Typed, not listed: a stray file (or Home.dat by another way) is never acted on.
        for (int mode = 1; mode <= 4; ++mode) {
            row(QByteArray::number(mode) + ", typed", mode, "Stray", "Clients",
                "Warning: This phone book does not exist", "", "", Open);
        }
        row("cancel", 1, "Office", "Clients", "", "", "", Closed, "", "", true, true);
        row("restore new", kRestore, "Clients.dat", "", "", "3|Home|Office|Clients",
            "Clients=backup");
        row("restore port line's text", kRestore, "3.dat", "", "", "3|Home|Office|3", "3=backup");
        row("restore my.book.dat", kRestore, "my.book.dat", "", "", "3|Home|Office|my.book",
            "my.book=backup");
        row("restore into the port line only", kRestore, "Clients.dat", "", "", "3|Clients",
            "Clients=backup", Closed, "3");
        row("restore default", kRestore, "Home.dat", "", kOverwrite, "", "Home=backup", Refilled);
        row("restore default, cancelled", kRestore, "Home.dat", "", kOverwrite, "", "", Closed, "",
            "", false);
        row("restore other listed", kRestore, "Office.dat", "", kOverwrite, "", "Office=backup");
        row("restore unlisted file", kRestore, "Stray.dat", "", kOverwrite, "3|Home|Office|Stray",
            "Stray=backup");
        // A book file in the folder but off the list (the settings file made anew) comes back as
        // it is, the fixture's "backup" written over it first.
        row("restore into new settings, in place", kRestore, "data/vennor/Home.dat", "", "",
            "3|Home", "Home=backup", Closed, "3");
        row("restore invalid name", kRestore, "bad:name.dat", "", kInvalid, "", "");
        row("restore, copy failed", kRestore, "Clients.dat", "",
            "Warning: The copy failed [reason]", "", "-Home|-Office|-Stray", Closed, "", "folder");
    }
    void command()
    {
        QFETCH(Case, c);
        const QStringList start = c.before.isEmpty() ? test::kStart : test::bars(c.before);
        f->folders.writeSettings(start);
        f->messages.answerNext(c.confirm ? MessageBox::Answer::Ok : MessageBox::Answer::Cancel);
        QStringList atRefill; // the settings and files whenever the lists are refilled
        f->host.onRefill = [&] { atRefill += f->folders.readSettings() << f->changes(); };
        std::unique_ptr<PhoneBookDialog> dialog;
        if (c.mode == kRestore) {
            c.choice.isEmpty() ? f->files.cancel()
                               : f->files.choose(f->outside(c.choice, "backup\r\n)\r\n"));
            f->breakFiles(c.broken);
            getBackup(f->host);
            f->checkRequest(false, f->host.window(), "");
        } else {
            f->state.dialogMode = BookDialogMode(c.mode);
            dialog = std::make_unique<PhoneBookDialog>(f->state, f->host, f->host.window());
            dialog->show();
            dialog->bookList_->setCurrentText(c.choice);
            (c.mode == 0 ? dialog->nameBox_ : dialog->newNameBox_)->setText(c.text);
            f->breakFiles(c.broken);
            const test::WriteLimit full(
                c.broken == "full" ? QFileInfo(f->folders.settingsFile()).size() : RLIM_INFINITY);
            (c.cancel ? dialog->cancelButton_ : dialog->okButton_)->click();
        }

        QCOMPARE(f->shown(), c.shown);
        const QStringList after = c.settings.isEmpty() ? start : test::bars(c.settings);
        QCOMPARE(f->folders.readSettings(), c.broken == "settings" ? QStringList() : after);
        QCOMPARE(f->changes(), c.files);
        QCOMPARE(atRefill, c.end == Refilled ? QStringList(after) << c.files : QStringList());
        QCOMPARE(dialog && dialog->isVisible(), c.end == Open);
    }

    void bookNames()
    {
        QCOMPARE(baseNameOf("/tmp\\v1.2/Clients"), "Clients");
        QCOMPARE(baseNameOf("/tmp/Work."), "Work");
        // The refused names are those that have no file (BadFilesTest).
        QVERIFY(isValidBookName(" A&B (1), #2 'x' ~!@$%^+=[]{};`. "));
    }

    // OK in the phone book dialog's Backup mode.
    void backup_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("target"); // empty: cancelled
        QTest::addColumn<QString>("shown");
        const QString failed = "Warning: The copy failed [reason]";
        const auto row = [](const char* name, const char* book, const char* target,
                            const QString& shown = {}) {
            QTest::newRow(name) << QString(book) << QString(target) << shown;
        };
        row("copy", "Home", "copy.dat");
        row("cancelled", "Home", "");
        row("through a link", "Home", "link.dat",
            "Warning: The file chosen is the phone book itself; nothing was copied");
        row("no such folder", "Home", "no/copy.dat", failed);
        row("disk full", "Home", "copy.dat", failed);
    }
    void backup()
    {
        QFETCH(QString, book);
        QFETCH(QString, target);
        const QByteArray odd = "Home\r\ncaf\xe9\r\n\"quoted, text\"\r\n 2555\n)\r\n";
        const QByteArray older = "an older and much longer backup of something else\r\n";
        f->folders.writePhoneBook("Home", odd);
        f->outside("copy.dat", older);
        QVERIFY(QFile::link(f->folders.phoneBook("Home"), f->outside("link.dat")));
        target.isEmpty() ? f->files.cancel() : f->files.choose(f->outside(target));
        f->state.dialogMode = BookDialogMode::backup;
        PhoneBookDialog dialog(f->state, f->host, f->host.window());
        dialog.show();
        dialog.bookList_->setCurrentText(book);
        const QByteArray tag = QTest::currentDataTag();
        {
            const test::WriteLimit full(tag == "disk full" ? 0 : RLIM_INFINITY);
            dialog.okButton_->click();
        }

        f->checkRequest(true, nullptr, book + ".dat");
        QTEST(f->shown(), "shown");
        QFile copy(f->outside("copy.dat"));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), tag == "copy" ? odd : older); // whole or not at all
        QCOMPARE(QDir().entryList(QDir::Files), QStringList({"copy.dat", "link.dat"}));
        QCOMPARE(f->folders.readPhoneBook("Home"), odd);
        QCOMPARE(f->changes(), "");
        QVERIFY(!dialog.isVisible() && f->host.refills == 0);
    }

    // By the keyboard alone: Rename opens where the new name is typed, and in Make default's
    // list Enter does OK.
    void renameAndMakeDefaultByKeysAlone()
    {
        f->state.dialogMode = BookDialogMode::rename;
        PhoneBookDialog rename(f->state, f->host, f->host.window());
        rename.show();
        QVERIFY(QTest::qWaitForWindowActive(&rename));
        QTest::keyClicks(QApplication::focusWidget(), "Abc");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(f->folders.readSettings(), (QStringList{"3", "Abc", "Office"}));

        f->state.dialogMode = BookDialogMode::makeDefault;
        PhoneBookDialog makeDefault(f->state, f->host, f->host.window());
        makeDefault.show();
        QVERIFY(QTest::qWaitForWindowActive(&makeDefault));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // from Abc to Office
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(f->folders.readSettings(), (QStringList{"3", "Office", "Abc"}));
        QCOMPARE(f->shown(), "");
    }
};

VENNOR_TEST(PhoneBookCommandsTest)
#include "phonebookcommandstest.moc"
