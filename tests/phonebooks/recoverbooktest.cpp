#include "phonebookfixture.h"
#include "phonebooks/backup.h"
#include "support/testregistry.h"

using namespace vennor;

// Get backup of a book file that lies in the phone book folder but fell out of the list.
class RecoverBookTest : public QObject
{
    Q_OBJECT

private slots:
    void bookInPlaceIsListedAgain_data()
    {
        QTest::addColumn<QString>("before"); // the settings file, "a|b|c"
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("after");
        QTest::newRow("stray file") << "3|Home|Office"
                                    << "Stray"
                                    << "3|Home|Office|Stray";
        QTest::newRow("settings made anew") << "3"
                                            << "Home"
                                            << "3|Home";
    }
    void bookInPlaceIsListedAgain()
    {
        QFETCH(QString, before);
        QFETCH(QString, book);
        QFETCH(QString, after);
        test::PhoneBookFixture f;
        f.folders.writeSettings(test::bars(before));
        f.files.choose(f.folders.phoneBook(book));
        bool refilled = false;
        f.host.onRefill = [&] { refilled = true; };
        getBackup(f.host);
        QCOMPARE(f.shown(), QString());
        QCOMPARE(f.folders.readSettings(), test::bars(after));
        QCOMPARE(f.changes(), QString()); // every file as it was
        QVERIFY(!refilled);
    }
};

VENNOR_TEST(RecoverBookTest)
#include "recoverbooktest.moc"
