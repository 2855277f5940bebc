#include "platform/folders.h"
#include "storage/phonebook.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QDir>
#include <QTest>

using namespace vennor;

// No name, from whatever caller, reaches a file outside the phone book folder.
class UnsafePathTest : public QObject
{
    Q_OBJECT

private slots:
    void unsafeNamesHaveNoFile_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"../../outside/victim",
                                 "../victim",
                                 "..",
                                 ".",
                                 "...",
                                 "sub/book",
                                 "sub\\book",
                                 "/tmp/book",
                                 "C:book",
                                 "a*b",
                                 "a?b",
                                 "a\"b",
                                 "a<b",
                                 "a>b",
                                 "a|b",
                                 "a\tb",
                                 "a\x7f",
                                 "",
                                 "zo\u00eb",
                                 "\u2215etc"}) {
            QTest::newRow(name) << QString::fromUtf8(name);
        }
    }
    void unsafeNamesHaveNoFile()
    {
        QFETCH(QString, name);
        test::TempFolders folders;
        const QString victim = folders.root() + "/outside/victim.dat";
        QVERIFY(QDir().mkpath(folders.root() + "/outside"));
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(")\r\nvictim\r\n)\r\n") > 0);
        file.close();

        QVERIFY(!folders::phoneBookPath(name));
        const PhoneBookFile book = PhoneBookFile::named(name);
        const Record record{"intruder", {}, {}, {}, {}};
        QVERIFY(!book.exists());
        QVERIFY(!book.list() && !book.findByName("victim") && !book.findByNumber("1"));
        QVERIFY(!book.createEmpty() && !book.append(record) && !book.replace(record));
        QVERIFY(!book.removeAll("victim"));
        QCOMPARE(QDir(folders.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"config", "data", "outside"}));
        QVERIFY(QDir(folders.root() + "/data/vennor").isEmpty());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), ")\r\nvictim\r\n)\r\n");
    }
};

VENNOR_TEST(UnsafePathTest)
#include "unsafepathtest.moc"
