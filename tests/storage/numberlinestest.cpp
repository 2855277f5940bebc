#include "storage/numeric.h"
#include "storage/phonebook.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;

// Which texts count as numbers, and which lines of a book are number lines.
class NumberLinesTest : public QObject
{
    Q_OBJECT

private slots:
    void numericTest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        for (const char* yes : {"123", "12.5", " 7 ", ".5"}) {
            QTest::newRow(yes) << QString(yes) << true;
        }
        for (const char* no : {"1.2.3", "", ".", "1e5", "1-2", "12 main st", "-5"}) {
            QTest::newRow(no) << QString(no) << false;
        }
    }
    void numericTest()
    {
        QFETCH(QString, text);
        QTEST(isNumeric(text), "numeric");
    }

    void aCommentOfDigitsIsNoNumber()
    {
        test::TempFolders folders;
        folders.writePhoneBook("b", ")\r\nann\r\n\" 123\"\r\n0555\r\n)\r\n");
        const auto listing = PhoneBookFile::named("b").list();
        QVERIFY(listing.ok());
        QCOMPARE(listing->numbers, QStringList{"555"});
        const auto ann = PhoneBookFile::named("b").findByName("ann");
        QVERIFY(ann.ok() && ann->has_value());
        QCOMPARE((*ann)->comment, "123");
        QCOMPARE((*ann)->numbers.size(), 1);
    }
};

VENNOR_TEST(NumberLinesTest)
#include "numberlinestest.moc"
