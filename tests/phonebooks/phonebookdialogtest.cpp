#include "phonebookfixture.h"
#include "phonebooks/phonebookcommands.h"
#include "platform/twips.h"
#include "support/modaldriver.h"
#include "support/testregistry.h"

#include <QLabel>

using namespace vennor;
using test::bars;

namespace {

const QString kExists = "Warning: This phone book name already exists,use another name";
const QString kInvalid = "Warning: Enter a valid name for the phone book";
const QString kSure = "Delete phone book:  Are you sure you want to delete this phone book";
const QString kOffice = "Warning: The phone book Office ";
const QString kCreate = "Create new phone book";
const QString kTyped = "../vennor/Home"; // Home.dat by another way

// One click on OK (or Cancel). Settings "a|b|c", empty: unchanged; files as changes to the
// fixture's (PhoneBookFixture::booksAfter).
struct Case
{
    int mode = 0;
    QString choice; // Combo1
    QString text;   // Text1 (create) or Text2 (rename)
    QString shown;
    QString settings;
    QString files;
    bool refilled = false;
    bool closed = true;
    QString before; // the settings file, when not the fixture's
    QString broken; // PhoneBookFixture::breakFiles, after the dialog has opened
    bool confirm = true;
    bool cancel = false;
};

void row(const QByteArray& name, int mode, const QString& choice, const QString& text,
         const QString& shown, const QString& settings, const QString& files, bool refilled = false,
         bool closed = true, const QString& before = {}, const QString& broken = {},
         bool confirm = true, bool cancel = false)
{
    QTest::newRow(name.constData()) << Case{mode,     choice, text,   shown,  settings, files,
                                            refilled, closed, before, broken, confirm,  cancel};
}

void checkLayout(newphone_book* d, const QString& caption, const QString& label)
{
    QCOMPARE(d->windowTitle(), caption);
    QCOMPARE(d->Label1->text(), label);
    QCOMPARE(d->Label2->text() + d->Command1->text() + d->Command2->text(), "The new nameOKCancel");
    const bool create = caption == kCreate;
    const bool rename = caption == "Rename phone book ";
    QCOMPARE(d->Text1->isVisible(), create);
    QCOMPARE(d->Combo1->isVisible(), !create);
    QCOMPARE(d->Text2->isVisible() && d->Label2->isVisible(), rename);
    QStringList entries;
    for (int i = 0; i < d->Combo1->count(); ++i) {
        entries << d->Combo1->itemText(i);
    }
    QCOMPARE(entries.join('|'), create ? "" : "100|20|alpha|Home|Zed");
    QCOMPARE(d->Combo1->currentText(), create ? "" : "100");
    QCOMPARE(d->Combo1->geometry(), twips::rect(240, 480, 2310, 315));
    QCOMPARE(d->Command2->geometry(), twips::rect(1560, rename ? 1800 : 960, 975, 315));
    // Rename's height of 2625 is the window's, title bar and borders included.
    QCOMPARE(d->size(), twips::size(2805, rename ? 2625 - 405 : 1395));
}

} // namespace

Q_DECLARE_METATYPE(Case)

class PhoneBookDialogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::PhoneBookFixture> f;

private slots:
    void init() { f = std::make_unique<test::PhoneBookFixture>(); }
    void cleanup() { f.reset(); }

    // Each command opens its layout modally, or without a phone book offers Create.
    void commandOpensItsLayout_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("settings"); // empty: no settings file
        QTest::addColumn<QString>("offer");
        QTest::addColumn<QString>("caption"); // empty: the offer is declined
        QTest::addColumn<QString>("label");
        const QString books = "3|Zed|Home|alpha|100|20";
        const QString select = "Select the phone book";
        QTest::newRow("new") << 0 << books << "" << kCreate << "Name of the phone book";
        QTest::newRow("rename") << 1 << books << ""
                                << "Rename phone book "
                                << "Select a phone book to rename";
        QTest::newRow("default") << 2 << books << ""
                                 << "Make a phone book as default" << select;
        QTest::newRow("delete") << 3 << books << ""
                                << "Delete a phone book " << select;
        QTest::newRow("backup") << 4 << books << ""
                                << "Make a backup from phone book" << select;
        // Without a phone book: the port line alone (odd modes) or no settings file at all.
        const QStringList what{"rename", "make default", "delete", "make to make a backup"};
        for (int mode = 1; mode <= 4; ++mode) {
            const QString offer =
                "Warning: No phone book to " + what[mode - 1] + ",Create a phone book first";
            QTest::addRow("%d, no book", mode)
                << mode << (mode % 2 ? "3" : "") << offer << kCreate << "Name of the phone book";
            if (mode == 3) {
                QTest::newRow("offer declined") << mode << "3" << offer << ""
                                                << "";
            }
        }
    }
    void commandOpensItsLayout()
    {
        QFETCH(int, mode);
        QFETCH(QString, settings);
        QFETCH(QString, caption);
        QFETCH(QString, label);
        QFile::remove(f->folders.settingsFile());
        if (!settings.isEmpty()) {
            f->folders.writeSettings(bars(settings));
        }
        f->messages.answerNext(caption.isEmpty() ? MessageBox::Answer::Cancel
                                                 : MessageBox::Answer::Ok);
        test::ModalDriver driver;
        driver.whenShown<newphone_book>([&](newphone_book* dialog) {
            QVERIFY(dialog->isModal() && dialog->parentWidget() == f->host.window());
            checkLayout(dialog, caption, label);
            dialog->reject();
        });
        openPhoneBookDialog(f->state, f->host, mode);
        QCOMPARE(driver.pending(), caption.isEmpty() ? 1 : 0);
        QTEST(f->shown(), "offer");
        QVERIFY(f->messages.count() == 0 ||
                f->messages.last().buttons == MessageBox::Buttons::OkCancel);
    }

    void okByMode_data()
    {
        QTest::addColumn<Case>("c");
        row("create", 0, "", "Work", "", "3|Home|Office|Work", "Work=)");
        row("create, other case", 0, "", "home", "", "3|Home|Office|home", "home=)");
        row("create, port line's text", 0, "", "3", "", "3|Home|Office|3", "3=)");
        row("create, blanks and dots", 0, "", " my.book. ", "", "3|Home|Office| my.book. ",
            " my.book. =)");
        row("create the first", 0, "", "Work", "", "3|Work", "Work=)", false, true, "3");
        row("create, empty", 0, "", "", "", "", "", false, false);
        row("create, listed", 0, "", "Home", kExists, "", "", false, false);
        row("create, file exists", 0, "", "Stray", kExists, "", "", false, false);
        row("create a\\b", 0, "", "a\\b", kInvalid, "", "", false, false);
        row("create ..", 0, "", "..", kInvalid, "", "", false, false);
        row("create, accented", 0, "", u"Caf\u00e9"_qs, kInvalid, "", "", false, false);
        row("create, no folder", 0, "", "Work", "Warning: The phone book Work could not be created",
            "", "-Home|-Office|-Stray", false, false, "", "folder");
        row("rename", 1, "Office", "Clients", "", "3|Home|Clients", "-Office|Clients=Office");
        row("rename to the port line's text", 1, "Office", "3", "", "3|Home|3", "-Office|3=Office");
        row("rename, empty", 1, "Office", "", "Warninig: Enter a name for the phone book", "", "",
            false, false);
        row("rename to Home", 1, "Office", "Home", kExists, "", "", false, false);
        row("rename to Office", 1, "Office", "Office", kExists, "", "", false, false);
        row("rename to Stray", 1, "Office", "Stray", kExists, "", "", false, false);
        row("rename to c:d", 1, "Office", "c:d", kInvalid, "", "", false, false);
        row("rename, list unwritable", 1, "Office", "Clients", kOffice + "could not be renamed", "",
            "", false, false, "", "settings");
        row("rename, no file", 1, "Office", "Clients", kOffice + "could not be renamed", "",
            "-Office", false, false, "", "Office");
        row("default", 2, "Office", "", "", "3|Office|Home", "", true);
        row("default again", 2, "Home", "", "", "", "", true);
        row("default, empty", 2, "", "", "", "", "", false, false);
        row("default, list unwritable", 2, "Office", "", kOffice + "could not be made the default",
            "", "", false, false, "", "settings");
        row("delete default", 3, "Home", "", kSure, "3|Office", "-Home", true);
        row("delete other", 3, "Office", "", kSure, "3|Home", "-Office");
        row("delete, cancelled", 3, "Home", "", kSure, "", "", false, true, "", "", false);
        row("delete the last", 3, "Home", "", kSure, "3", "-Home", true, true, "3|Home");
        // No file 3.dat: the list still loses the book, and the port line stays.
        row("delete book named 3", 3, "3", "", kSure, "3|Home", "", true, true, "3|3|Home");
        row("delete, empty", 3, "", "", "", "", "", false, false);
        row("delete, list unwritable", 3, "Office", "", kSure + '|' + kOffice + "was not deleted",
            "", "", false, true, "", "settings");
        for (int mode = 1; mode <= 4; ++mode) {
            row(QByteArray::number(mode) + ", typed path", mode, kTyped, "Clients", kInvalid, "",
                "", false, false);
        }
        for (int mode = 0; mode <= 4; ++mode) {
            row(QByteArray::number(mode) + ", cancel", mode, "Office", "Work", "", "", "", false,
                true, "", "", true, true);
        }
    }
    void okByMode()
    {
        QFETCH(Case, c);
        const QStringList start = c.before.isEmpty() ? test::kStart : bars(c.before);
        f->folders.writeSettings(start);
        f->messages.answerNext(c.confirm ? MessageBox::Answer::Ok : MessageBox::Answer::Cancel);
        QStringList atRefill;
        f->host.onRefill = [&] { atRefill = f->folders.readSettings(); };
        auto dialog = f->open(c.mode);
        dialog->Combo1->setCurrentText(c.choice);
        (c.mode == 0 ? dialog->Text1 : dialog->Text2)->setText(c.text);
        f->breakFiles(c.broken);
        (c.cancel ? dialog->Command2 : dialog->Command1)->click();

        QCOMPARE(f->shown(), c.shown);
        QVERIFY(f->reasonGiven(!c.broken.isEmpty()));
        const QStringList after = c.settings.isEmpty() ? start : bars(c.settings);
        QCOMPARE(f->folders.readSettings(), c.broken == "settings" ? QStringList() : after);
        QCOMPARE(f->books(), f->booksAfter(c.files));
        QCOMPARE(f->host.calls, c.refilled ? QStringList{"refillLists"} : QStringList());
        QCOMPARE(atRefill, c.refilled ? after : QStringList());
        QCOMPARE(dialog->isVisible(), !c.closed);
    }
};

VENNOR_TEST(PhoneBookDialogTest)
#include "phonebookdialogtest.moc"
