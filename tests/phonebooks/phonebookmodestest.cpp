#include "phonebookfixture.h"
#include "platform/folders.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;
using test::PhoneBookFixture;

namespace {

const QString kExists =
    QStringLiteral("Warning: This phone book name already exists,use another name");
const QString kInvalid = QStringLiteral("Warning: Enter a valid name for the phone book");
const QString kSure =
    QStringLiteral("Delete phone book:  Are you sure you want to delete this phone book");
const QStringList kStart{"3", "Home", "Office"};
const QStringList kFiles{"Home.dat=Home", "Office.dat=Office", "Stray.dat=Stray"};

} // namespace

class PhoneBookModesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PhoneBookFixture> f;

private slots:
    // Stray.dat lies in the folder without being listed.
    void init()
    {
        f = std::make_unique<PhoneBookFixture>();
        f->writeHomeAndOffice();
        f->writeBook("Stray");
    }
    void cleanup() { f.reset(); }

    void okByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("choice"); // Combo1
        QTest::addColumn<QString>("name");   // Text1 (create) or Text2 (rename)
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("refilled");
        QTest::addColumn<bool>("closed");

        const QStringList none;
        QTest::newRow("create") << 0 << ""
                                << "Work" << true << none << (kStart + QStringList{"Work"})
                                << (kFiles + QStringList{"Work.dat=)"}) << false << true;
        QTest::newRow("create, other case")
            << 0 << ""
            << "home" << true << none << (kStart + QStringList{"home"})
            << QStringList{"Home.dat=Home", "Office.dat=Office", "Stray.dat=Stray", "home.dat=)"}
            << false << true;
        QTest::newRow("create, port line's text")
            << 0 << ""
            << "3" << true << none << (kStart + QStringList{"3"})
            << (QStringList{"3.dat=)"} + kFiles) << false << true;
        QTest::newRow("create, dots and blanks")
            << 0 << ""
            << " my.book. " << true << none << (kStart + QStringList{" my.book. "})
            << (QStringList{" my.book. .dat=)"} + kFiles) << false << true;
        QTest::newRow("create, empty") << 0 << ""
                                       << "" << true << none << kStart << kFiles << false << false;
        QTest::newRow("create, listed")
            << 0 << ""
            << "Home" << true << QStringList{kExists} << kStart << kFiles << false << false;
        QTest::newRow("create, file exists")
            << 0 << ""
            << "Stray" << true << QStringList{kExists} << kStart << kFiles << false << false;
        QTest::newRow("rename") << 1 << "Office"
                                << "Clients" << true << none << QStringList{"3", "Home", "Clients"}
                                << QStringList{"Clients.dat=Office", "Home.dat=Home",
                                               "Stray.dat=Stray"}
                                << false << true;
        QTest::newRow("rename, empty")
            << 1 << "Office"
            << "" << true << QStringList{"Warninig: Enter a name for the phone book"} << kStart
            << kFiles << false << false;
        for (const char* taken : {"Home", "Office", "Stray"}) {
            QTest::addRow("rename to %s", taken)
                << 1 << "Office" << taken << true << QStringList{kExists} << kStart << kFiles
                << false << false;
        }
        QTest::newRow("default") << 2 << "Office"
                                 << "" << true << none << QStringList{"3", "Office", "Home"}
                                 << kFiles << true << true;
        QTest::newRow("default again") << 2 << "Home"
                                       << "" << true << none << kStart << kFiles << true << true;
        QTest::newRow("default, empty") << 2 << ""
                                        << "" << true << none << kStart << kFiles << false << false;
        QTest::newRow("delete default")
            << 3 << "Home"
            << "" << true << QStringList{kSure} << QStringList{"3", "Office"}
            << QStringList{"Office.dat=Office", "Stray.dat=Stray"} << true << true;
        QTest::newRow("delete other")
            << 3 << "Office"
            << "" << true << QStringList{kSure} << QStringList{"3", "Home"}
            << QStringList{"Home.dat=Home", "Stray.dat=Stray"} << false << true;
        QTest::newRow("delete, cancelled")
            << 3 << "Home"
            << "" << false << QStringList{kSure} << kStart << kFiles << false << true;
        QTest::newRow("delete, empty") << 3 << ""
                                       << "" << true << none << kStart << kFiles << false << false;
    }
    void okByMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, choice);
        QFETCH(QString, name);
        QFETCH(bool, confirm);
        f->messages.answerNext(confirm ? MessageBox::Answer::Ok : MessageBox::Answer::Cancel);
        auto dialog = f->open(mode);
        dialog->Combo1->setCurrentText(choice);
        (mode == 0 ? dialog->Text1 : dialog->Text2)->setText(name);
        dialog->Command1->click();

        QTEST(f->shown(), "shown");
        QTEST(f->folders.readSettings(), "settings");
        QTEST(f->books(), "files");
        QTEST(f->host.calls == QStringList{"refillLists"}, "refilled");
        QTEST(!dialog->isVisible(), "closed");
    }

    void refillSeesTheRewrittenList()
    {
        auto dialog = f->open(2);
        dialog->Combo1->setCurrentText("Office");
        QStringList seen;
        f->host.onRefill = [&] { seen = f->folders.readSettings(); };
        dialog->Command1->click();
        QCOMPARE(seen, QStringList({"3", "Office", "Home"}));
    }

    void unsafeNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("slash") << "a/b";
        QTest::newRow("colon") << "c:d";
        QTest::newRow("dots") << "..";
        QTest::newRow("accented") << QStringLiteral("Caf\u00e9");
    }
    void unsafeNamesAreRefused()
    {
        QFETCH(QString, name);
        auto create = f->open(0);
        create->Text1->setText(name);
        create->Command1->click();
        auto rename = f->open(1);
        rename->Combo1->setCurrentText("Office");
        rename->Text2->setText(name);
        rename->Command1->click();
        QCOMPARE(f->shown(), QStringList({kInvalid, kInvalid}));
        QVERIFY(create->isVisible() && rename->isVisible());
        QCOMPARE(f->folders.readSettings(), kStart);
        QCOMPARE(f->books(), kFiles);
    }

    void typedPathsNeverReachTheFiles_data()
    {
        QTest::addColumn<int>("mode");
        for (int mode = 1; mode <= 4; ++mode) {
            QTest::addRow("%d", mode) << mode;
        }
    }
    void typedPathsNeverReachTheFiles()
    {
        QFETCH(int, mode);
        auto dialog = f->open(mode);
        dialog->Combo1->setCurrentText("../vennor/Home"); // Home.dat by another path
        dialog->Text2->setText("Clients");
        dialog->Command1->click();
        QCOMPARE(f->shown(), QStringList{kInvalid});
        QCOMPARE(f->folders.readSettings(), kStart);
        QCOMPARE(f->books(), kFiles);
        QVERIFY(f->host.calls.isEmpty());
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<int>("mode");
        for (int mode = 0; mode <= 4; ++mode) {
            QTest::addRow("%d", mode) << mode;
        }
    }
    void cancelChangesNothing()
    {
        QFETCH(int, mode);
        auto dialog = f->open(mode);
        dialog->Text1->setText("Work");
        dialog->Text2->setText("Clients");
        dialog->Command2->click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(f->shown().isEmpty() && f->host.calls.isEmpty());
        QCOMPARE(f->folders.readSettings(), kStart);
        QCOMPARE(f->books(), kFiles);
    }

    void bookNamedLikeThePortLine()
    {
        f->folders.writeSettings({"3", "3", "Home"});
        f->writeBook("3");
        auto rename = f->open(1);
        QCOMPARE(rename->Combo1->currentText(), QStringLiteral("3"));
        rename->Text2->setText("Three");
        rename->Command1->click();
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Three", "Home"}));
        auto remove = f->open(3);
        remove->Combo1->setCurrentText("Three");
        remove->Command1->click();
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home"}));
        QCOMPARE(f->host.calls, QStringList{"refillLists"});
    }

    void firstBookBecomesTheDefaultAndTheLastLeavesThePortLine()
    {
        f->folders.writeSettings({"3"});
        auto create = f->open(0);
        create->Text1->setText("Work");
        create->Command1->click();
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Work"}));
        QVERIFY(f->host.calls.isEmpty());
        auto remove = f->open(3);
        remove->Command1->click();
        QCOMPARE(f->folders.readSettings(), QStringList{"3"});
        QCOMPARE(f->host.calls, QStringList{"refillLists"});
    }

    // File steps that fail: each says which book and why, and loses nothing.

    void listThatCannotBeRewritten_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("message");
        QTest::newRow("rename") << 1 << "Warning: The phone book Office could not be renamed";
        QTest::newRow("default") << 2
                                 << "Warning: The phone book Office could not be made the default";
        QTest::newRow("delete") << 3 << "Warning: The phone book Office was not deleted";
    }
    void listThatCannotBeRewritten()
    {
        QFETCH(int, mode);
        QFETCH(QString, message);
        auto dialog = f->open(mode);
        dialog->Combo1->setCurrentText("Office");
        dialog->Text2->setText("Clients");
        f->blockSettingsFile();
        dialog->Command1->click();
        QCOMPARE(f->shown().last(), message);
        QVERIFY(!f->messages.last().informative.isEmpty());
        QCOMPARE(f->books(), kFiles);
        QVERIFY(f->host.calls.isEmpty());
    }

    void renameOfABookWithoutFileKeepsTheList()
    {
        QFile::remove(f->folders.phoneBook("Office"));
        auto dialog = f->open(1);
        dialog->Combo1->setCurrentText("Office");
        dialog->Text2->setText("Clients");
        dialog->Command1->click();
        QCOMPARE(f->shown(), QStringList{"Warning: The phone book Office could not be renamed"});
        QVERIFY(!f->messages.last().informative.isEmpty());
        QCOMPARE(f->folders.readSettings(), kStart);
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
        dialog->Command1->click();
        QCOMPARE(f->shown(), QStringList{"Warning: The phone book Work could not be created"});
        QVERIFY(!f->messages.last().informative.isEmpty());
        QCOMPARE(f->folders.readSettings(), kStart);
    }

    void deletingADefaultWhoseFileIsGoneStillRefills()
    {
        QFile::remove(f->folders.phoneBook("Home"));
        auto dialog = f->open(3);
        dialog->Combo1->setCurrentText("Home");
        dialog->Command1->click();
        QCOMPARE(f->shown(), QStringList{kSure});
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Office"}));
        QCOMPARE(f->host.calls, QStringList{"refillLists"});
    }
};

VENNOR_TEST(PhoneBookModesTest)
#include "phonebookmodestest.moc"
