#include "phonebookfixture.h"
#include "platform/folders.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;
using test::PhoneBookFixture;

namespace {

const QString kExists = QStringLiteral("This phone book name already exists,use another name");
const QString kInvalid = QStringLiteral("Enter a valid name for the phone book");

} // namespace

class PhoneBookModesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PhoneBookFixture> f;

    void pressOk(newphone_book& dialog) { dialog.Command1->click(); }

private slots:
    void init()
    {
        f = std::make_unique<PhoneBookFixture>();
        f->writeHomeAndOffice();
    }
    void cleanup() { f.reset(); }

    // Create

    void createAppendsTheNameAndMakesAnEmptyBook()
    {
        auto dialog = f->open(0);
        dialog->Text1->setText("Work");
        pressOk(*dialog);
        QCOMPARE(f->folders.readPhoneBook("Work"), QByteArray(")\r\n"));
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office", "Work"}));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(f->messages.count(), 0);
        QVERIFY(f->host.calls.isEmpty());
    }

    void createComparesNamesWithCase()
    {
        auto dialog = f->open(0);
        dialog->Text1->setText("Home");
        pressOk(*dialog);
        QCOMPARE(f->messages.texts(), QStringList{kExists});
        QCOMPARE(f->messages.last().title, QStringLiteral("Warning"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
        QCOMPARE(f->folders.readPhoneBook("Home"), QByteArray("ann\r\n1555 1234\r\n)\r\n"));

        dialog->Text1->setText("home");
        pressOk(*dialog);
        QCOMPARE(f->messages.count(), 1);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office", "home"}));
        QVERIFY(!dialog->isVisible());
    }

    void createWithAnEmptyNameDoesNothing()
    {
        auto dialog = f->open(0);
        pressOk(*dialog);
        QCOMPARE(f->messages.count(), 0);
        QVERIFY(dialog->isVisible());
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
    }

    void createRefusesANameWhoseFileExists()
    {
        f->folders.writePhoneBook("Stray", "kept\r\n)\r\n");
        auto dialog = f->open(0);
        dialog->Text1->setText("Stray");
        pressOk(*dialog);
        QCOMPARE(f->messages.texts(), QStringList{kExists});
        QCOMPARE(f->folders.readPhoneBook("Stray"), QByteArray("kept\r\n)\r\n"));
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
    }

    void namesThatCannotBeKeptAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        const QStringList names{"a/b",       "a\\b", "c:d",       "st*r",       "what?",
                                "say\"hi\"", "<in",  "out>",      "pi|pe",      ".",
                                "..",        "...",  "tab\there", "line\nbreak"};
        for (const QString& name : names) {
            QTest::addRow("%s", qPrintable(QString(name).replace(QLatin1Char('\n'), "\\n")))
                << name;
        }
        QTest::newRow("accented") << QStringLiteral("Caf\u00e9");
        QTest::newRow("cyrillic") << QStringLiteral("\u0414\u043e\u043c");
    }
    void namesThatCannotBeKeptAreRefused()
    {
        QFETCH(QString, name);
        auto create = f->open(0);
        create->Text1->setText(name);
        pressOk(*create);
        auto rename = f->open(1);
        rename->Combo1->setCurrentText("Office");
        rename->Text2->setText(name);
        pressOk(*rename);

        QCOMPARE(f->messages.texts(), QStringList({kInvalid, kInvalid}));
        QCOMPARE(f->messages.shown().at(0).title, QStringLiteral("Warning"));
        QCOMPARE(f->messages.shown().at(1).title, QStringLiteral("Warning"));
        QVERIFY(create->isVisible());
        QVERIFY(rename->isVisible());
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
        QCOMPARE(f->bookFiles(), QStringList({"Home.dat", "Office.dat"}));
    }

    void namesWithDotsAndBlanksAreKept()
    {
        auto dialog = f->open(0);
        dialog->Text1->setText(" my.book ");
        pressOk(*dialog);
        QCOMPARE(f->messages.count(), 0);
        QCOMPARE(f->folders.readSettings().last(), QStringLiteral(" my.book "));
        QCOMPARE(f->folders.readPhoneBook(" my.book "), QByteArray(")\r\n"));
    }

    void createNamedLikeThePortLine()
    {
        auto dialog = f->open(0);
        dialog->Text1->setText("3");
        pressOk(*dialog);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office", "3"}));
    }

    void firstBookBecomesTheDefault()
    {
        f->folders.writeSettings({"3"});
        auto dialog = f->open(0);
        dialog->Text1->setText("Work");
        pressOk(*dialog);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Work"}));
        QVERIFY(f->host.calls.isEmpty());
    }

    void createThatCannotMakeTheFileAddsNothing()
    {
        const QString folder = QDir::cleanPath(folders::phoneBookFolder());
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        auto dialog = f->open(0);
        dialog->Text1->setText("Work");
        pressOk(*dialog);
        QCOMPARE(f->messages.texts(), QStringList{"The phone book Work could not be created"});
        QCOMPARE(f->messages.last().title, QStringLiteral("Warning"));
        QVERIFY(!f->messages.last().informative.isEmpty());
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
    }

    // Rename

    void renameMovesTheFileAndReplacesTheLineInPlace()
    {
        f->folders.writeSettings({"3", "Home", "Office", "Zed"});
        auto dialog = f->open(1);
        dialog->Combo1->setCurrentText("Office");
        dialog->Text2->setText("Clients");
        pressOk(*dialog);
        QCOMPARE(f->messages.count(), 0);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Clients", "Zed"}));
        QCOMPARE(f->folders.readPhoneBook("Clients"), QByteArray("bob\r\n20555 9876\r\n)\r\n"));
        QVERIFY(!QFile::exists(f->folders.phoneBook("Office")));
        QVERIFY(!dialog->isVisible());
        QVERIFY(f->host.calls.isEmpty());
    }

    void renameWithoutNewName()
    {
        auto dialog = f->open(1);
        pressOk(*dialog);
        QCOMPARE(f->messages.texts(), QStringList{"Enter a name for the phone book"});
        QCOMPARE(f->messages.last().title, QStringLiteral("Warninig"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
    }

    void renameNeverOverwrites_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::newRow("listed") << "Home";
        QTest::newRow("same") << "Office";
        QTest::newRow("file only") << "Stray";
    }
    void renameNeverOverwrites()
    {
        QFETCH(QString, newName);
        f->folders.writePhoneBook("Stray", "kept\r\n)\r\n");
        auto dialog = f->open(1);
        dialog->Combo1->setCurrentText("Office");
        dialog->Text2->setText(newName);
        pressOk(*dialog);
        QCOMPARE(f->messages.texts(), QStringList{kExists});
        QCOMPARE(f->messages.last().title, QStringLiteral("Warning"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
        QCOMPARE(f->folders.readPhoneBook("Office"), QByteArray("bob\r\n20555 9876\r\n)\r\n"));
        QCOMPARE(f->folders.readPhoneBook("Home"), QByteArray("ann\r\n1555 1234\r\n)\r\n"));
        QCOMPARE(f->folders.readPhoneBook("Stray"), QByteArray("kept\r\n)\r\n"));
    }

    void renameOfABookWithoutFileLeavesTheListAlone()
    {
        QFile::remove(f->folders.phoneBook("Office"));
        auto dialog = f->open(1);
        dialog->Combo1->setCurrentText("Office");
        dialog->Text2->setText("Clients");
        pressOk(*dialog);
        QCOMPARE(f->messages.texts(), QStringList{"The phone book Office could not be renamed"});
        QCOMPARE(f->messages.last().title, QStringLiteral("Warning"));
        QVERIFY(!f->messages.last().informative.isEmpty());
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
        QVERIFY(!QFile::exists(f->folders.phoneBook("Clients")));
    }

    void renameThatCannotRewriteTheListPutsTheFileBack()
    {
        auto dialog = f->open(1);
        dialog->Combo1->setCurrentText("Office");
        dialog->Text2->setText("Clients");
        f->blockSettingsFile();
        pressOk(*dialog);
        QCOMPARE(f->messages.texts(), QStringList{"The phone book Office could not be renamed"});
        QVERIFY(!f->messages.last().informative.isEmpty());
        QCOMPARE(f->folders.readPhoneBook("Office"), QByteArray("bob\r\n20555 9876\r\n)\r\n"));
        QVERIFY(!QFile::exists(f->folders.phoneBook("Clients")));
    }

    void renameOfABookNamedLikeThePortLine()
    {
        f->folders.writeSettings({"3", "Home", "3"});
        f->folders.writePhoneBook("3", ")\r\n");
        auto dialog = f->open(1);
        dialog->Combo1->setCurrentText("3");
        dialog->Text2->setText("Three");
        pressOk(*dialog);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Three"}));
        QVERIFY(QFile::exists(f->folders.phoneBook("Three")));
    }

    // Make default

    void makeDefaultMovesTheBookToLineTwoAndRefills()
    {
        f->folders.writeSettings({"3", "Home", "Office", "Work"});
        auto dialog = f->open(2);
        dialog->Combo1->setCurrentText("Work");
        f->host.onRefill = [&] {
            QCOMPARE(f->folders.readSettings(), QStringList({"3", "Work", "Home", "Office"}));
        };
        pressOk(*dialog);
        QCOMPARE(f->host.calls, QStringList{"refillLists"});
        QVERIFY(!dialog->isVisible());
        QCOMPARE(f->messages.count(), 0);
    }

    void makeDefaultOfTheDefaultRewritesTheSameAndStillRefills()
    {
        const QByteArray before = [&] {
            QFile file(f->folders.settingsFile());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        auto dialog = f->open(2);
        dialog->Combo1->setCurrentText("Home");
        pressOk(*dialog);
        QFile file(f->folders.settingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(f->host.callCount("refillLists"), 1);
    }

    void makeDefaultThatCannotRewriteTheList()
    {
        auto dialog = f->open(2);
        dialog->Combo1->setCurrentText("Office");
        f->blockSettingsFile();
        pressOk(*dialog);
        QCOMPARE(f->messages.texts(),
                 QStringList{"The phone book Office could not be made the default"});
        QCOMPARE(f->messages.last().title, QStringLiteral("Warning"));
        QVERIFY(!f->messages.last().informative.isEmpty());
        QCOMPARE(f->host.callCount("refillLists"), 0);
    }

    // Delete

    void deletingTheDefaultRefillsFromTheNextBook()
    {
        auto dialog = f->open(3);
        dialog->Combo1->setCurrentText("Home");
        pressOk(*dialog);
        QCOMPARE(f->messages.texts(),
                 QStringList{" Are you sure you want to delete this phone book"});
        QCOMPARE(f->messages.last().title, QStringLiteral("Delete phone book"));
        QCOMPARE(f->messages.last().buttons, MessageBox::Buttons::OkCancel);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Office"}));
        QVERIFY(!QFile::exists(f->folders.phoneBook("Home")));
        QCOMPARE(f->host.calls, QStringList{"refillLists"});
        QVERIFY(!dialog->isVisible());
    }

    void deletingAnotherBookLeavesTheListsAlone()
    {
        auto dialog = f->open(3);
        dialog->Combo1->setCurrentText("Office");
        pressOk(*dialog);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home"}));
        QVERIFY(!QFile::exists(f->folders.phoneBook("Office")));
        QVERIFY(f->host.calls.isEmpty());
        QVERIFY(!dialog->isVisible());
    }

    void cancellingTheDeleteQuestionChangesNothing()
    {
        f->messages.answerNext(MessageBox::Answer::Cancel);
        auto dialog = f->open(3);
        dialog->Combo1->setCurrentText("Home");
        pressOk(*dialog);
        QCOMPARE(f->messages.count(), 1);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
        QVERIFY(QFile::exists(f->folders.phoneBook("Home")));
        QVERIFY(f->host.calls.isEmpty());
        QVERIFY(!dialog->isVisible());
    }

    void deleteThatCannotRewriteTheListKeepsTheFile()
    {
        auto dialog = f->open(3);
        dialog->Combo1->setCurrentText("Home");
        f->blockSettingsFile();
        pressOk(*dialog);
        QCOMPARE(f->messages.texts(),
                 QStringList({" Are you sure you want to delete this phone book",
                              "The phone book Home was not deleted"}));
        QCOMPARE(f->messages.last().title, QStringLiteral("Warning"));
        QVERIFY(!f->messages.last().informative.isEmpty());
        QCOMPARE(f->folders.readPhoneBook("Home"), QByteArray("ann\r\n1555 1234\r\n)\r\n"));
        QVERIFY(f->host.calls.isEmpty());
    }

    void deletingADefaultWhoseFileIsGoneStillRefills()
    {
        QFile::remove(f->folders.phoneBook("Home"));
        auto dialog = f->open(3);
        dialog->Combo1->setCurrentText("Home");
        pressOk(*dialog);
        QCOMPARE(f->messages.count(), 1);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Office"}));
        QCOMPARE(f->host.calls, QStringList{"refillLists"});
    }

    void deletingTheOnlyBookLeavesThePortLine()
    {
        f->folders.writeSettings({"3", "3"});
        f->folders.writePhoneBook("3", ")\r\n");
        auto dialog = f->open(3);
        QCOMPARE(dialog->Combo1->currentText(), QStringLiteral("3"));
        pressOk(*dialog);
        QCOMPARE(f->folders.readSettings(), QStringList{"3"});
        QVERIFY(!QFile::exists(f->folders.phoneBook("3")));
        QCOMPARE(f->host.calls, QStringList{"refillLists"});
    }

    // Every mode

    void cancelChangesNothing_data()
    {
        QTest::addColumn<int>("mode");
        for (int mode = 0; mode <= 4; ++mode) {
            QTest::newRow(qPrintable(QString::number(mode))) << mode;
        }
    }
    void cancelChangesNothing()
    {
        QFETCH(int, mode);
        auto dialog = f->open(mode);
        dialog->Text1->setText("Work");
        dialog->Text2->setText("Clients");
        dialog->Combo1->setCurrentText("Office");
        dialog->Command2->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(f->messages.count(), 0);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
        QCOMPARE(f->bookFiles(), QStringList({"Home.dat", "Office.dat"}));
        QVERIFY(f->host.calls.isEmpty());
    }

    void listModesIgnoreAnEmptyChoice_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("default") << 2;
        QTest::newRow("delete") << 3;
        QTest::newRow("backup") << 4;
    }
    void listModesIgnoreAnEmptyChoice()
    {
        QFETCH(int, mode);
        auto dialog = f->open(mode);
        dialog->Combo1->setCurrentText(QString());
        pressOk(*dialog);
        QCOMPARE(f->messages.count(), 0);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
        QVERIFY(f->host.calls.isEmpty());
    }
};

VENNOR_TEST(PhoneBookModesTest)
#include "phonebookmodestest.moc"
