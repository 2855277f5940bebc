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
    void unsafeNamesHaveNoFile()
    {
        test::TempFolders folders;
        QFile victim(folders.root() + "/outside/victim.dat");
        QVERIFY(QDir().mkpath(folders.root() + "/outside") && victim.open(QIODevice::WriteOnly));
        victim.write(")\r\nvictim\r\n)\r\n");
        victim.close();
        for (const char* name :
             {"../../outside/victim", "..", ".", "...", "a/b", "a\\b", "/tmp/b", "C:b", "a*b",
              "a?b", "a\"b", "a<b", "a>b", "a|b", "a\tb", "a\x7f", "", "zo\u00eb", "\u2215etc"}) {
            const PhoneBookFile book = PhoneBookFile::named(QString::fromUtf8(name));
            const Record record{"intruder", {}, {}, {}, {}};
            QVERIFY2(!folders::phoneBookPath(QString::fromUtf8(name)) && !book.exists() &&
                         !book.list() && !book.findByName("victim") && !book.findByNumber("1") &&
                         !book.createEmpty() && !book.append(record) && !book.replace(record) &&
                         !book.removeAll("victim"),
                     name);
        }
        QVERIFY(QDir(folders.root() + "/data/vennor").isEmpty());
        QVERIFY(victim.open(QIODevice::ReadOnly));
        QCOMPARE(victim.readAll(), ")\r\nvictim\r\n)\r\n");
    }
};

VENNOR_TEST(UnsafePathTest)
#include "unsafepathtest.moc"
