#include "phonebooks/phonebookcommands.h"
#include "phonebookfixture.h"
#include "support/modaldriver.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;
using test::PhoneBookFixture;

class PhoneBookCommandsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PhoneBookFixture> f;

private slots:
    void init() { f = std::make_unique<PhoneBookFixture>(); }
    void cleanup() { f.reset(); }

    void eachCommandOpensItsOwnMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::newRow("new") << 0 << "Create new phone book";
        QTest::newRow("rename") << 1 << "Rename phone book ";
        QTest::newRow("default") << 2 << "Make a phone book as default";
        QTest::newRow("delete") << 3 << "Delete a phone book ";
        QTest::newRow("backup") << 4 << "Make a backup from phone book";
    }
    void eachCommandOpensItsOwnMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        f->writeHomeAndOffice();
        test::ModalDriver driver;
        QString shownCaption;
        driver.whenShown<newphone_book>([&](newphone_book* dialog) {
            shownCaption = dialog->windowTitle();
            QVERIFY(dialog->isModal());
            QCOMPARE(dialog->parentWidget(), f->host.window());
            dialog->Command2->click();
        });
        openPhoneBookDialog(f->state, f->host, mode);
        QCOMPARE(driver.pending(), 0);
        QCOMPARE(shownCaption, caption);
        QCOMPARE(f->state.pbmode, mode);
        QCOMPARE(f->messages.count(), 0);
    }

    void withoutAPhoneBookEachCommandOffersCreate_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("settingsFile");
        const QStringList messages{
            "No phone book to rename,Create a phone book first",
            "No phone book to make default,Create a phone book first",
            "No phone book to delete,Create a phone book first",
            "No phone book to make to make a backup,Create a phone book first"};
        for (int mode = 1; mode <= 4; ++mode) {
            const QString text = messages.at(mode - 1);
            QTest::addRow("%d port line only", mode) << mode << text << true;
            QTest::addRow("%d no settings file", mode) << mode << text << false;
        }
    }
    void withoutAPhoneBookEachCommandOffersCreate()
    {
        QFETCH(int, mode);
        QFETCH(QString, message);
        QFETCH(bool, settingsFile);
        if (settingsFile) {
            f->folders.writeSettings({"3"});
        }
        test::ModalDriver driver;
        driver.whenShown<newphone_book>([&](newphone_book* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Create new phone book"));
            QVERIFY(dialog->Text1->isVisible());
            dialog->Text1->setText("First");
            dialog->Command1->click();
        });
        openPhoneBookDialog(f->state, f->host, mode);
        QCOMPARE(driver.pending(), 0);
        QCOMPARE(f->messages.texts(), QStringList{message});
        QCOMPARE(f->messages.last().title, QStringLiteral("Warning"));
        QCOMPARE(f->messages.last().buttons, MessageBox::Buttons::OkCancel);
        QCOMPARE(f->state.pbmode, 0);
        QCOMPARE(f->folders.readSettings().mid(1), QStringList{"First"});
        QCOMPARE(f->folders.readPhoneBook("First"), QByteArray(")\r\n"));
    }

    void cancellingTheOfferOpensNothing()
    {
        f->folders.writeSettings({"3"});
        f->messages.answerNext(MessageBox::Answer::Cancel);
        test::ModalDriver driver;
        driver.whenShown<newphone_book>([](newphone_book* dialog) { dialog->reject(); });
        openPhoneBookDialog(f->state, f->host, 3);
        QCOMPARE(driver.pending(), 1);
        QCOMPARE(f->messages.count(), 1);
        QCOMPARE(f->folders.readSettings(), QStringList{"3"});
    }
};

VENNOR_TEST(PhoneBookCommandsTest)
#include "phonebookcommandstest.moc"
