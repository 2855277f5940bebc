#include "storage/phonebook.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;

// Lines of two encodings and byte order marks, read, edited ("append x", "remove x") and read
// again: every name found before, after and in the bytes written.
class EncodingTest : public QObject
{
    Q_OBJECT

private slots:
    void editsKeepEveryName_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArray>("after");
        const QByteArray mark = "\xEF\xBB\xBF";
        const QByteArray mixed = ")\r\nzo\xc3\xab\r\n)\r\nren\xe9\r\n\" caf\xe9\"\r\n)\r\n";
        const QByteArray utf8 = ")\r\nzo\xc3\xab\r\n)\r\nren\xc3\xa9\r\n\" caf\xc3\xa9\"\r\n)\r\n";
        const QStringList mixedNames{"zo\u00eb", "ren\u00e9"};
        QTest::newRow("mixed") << mixed << "append x" << mixedNames << utf8 + "x\r\n)\r\n";
        QTest::newRow("mixed, rewritten") << mixed + "x\r\n)\r\n"
                                          << "remove x" << mixedNames + QStringList{"x"} << utf8;
        QTest::newRow("mark only") << mark << "append x" << QStringList() << mark + "x\r\n)\r\n";
        QTest::newRow("mark, rewritten")
            << mark + "x\r\n)\r\ny\r\n)\r\n"
            << "remove x" << QStringList{"x", "y"} << QByteArray("y\r\n)\r\n");
        // A name of its own that begins with U+FEFF keeps it, wherever a rewrite puts it.
        QTest::newRow("U+FEFF name comes first")
            << "x\r\n)\r\n" + mark + "y\r\n)\r\n"
            << "remove x" << QStringList{"x", QStringLiteral(u"\ufeffy")}
            << mark + mark + "y\r\n)\r\n";
        QTest::newRow("U+FEFF name, new file")
            << QByteArray() << "append \ufeffy" << QStringList() << mark + mark + "y\r\n)\r\n";
    }
    void editsKeepEveryName()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, edit);
        QFETCH(QStringList, names);
        test::TempFolders folders;
        if (!before.isNull()) {
            folders.writePhoneBook("Home", before);
        }
        const PhoneBookFile home = PhoneBookFile::named("Home");
        QCOMPARE(home.list().ok() ? home.list()->names : QStringList(), names);
        for (const QString& name : names) {
            QVERIFY2(home.findByName(name)->has_value(), qPrintable(name));
        }
        const QString name = edit.section(' ', 1);
        QVERIFY(edit.startsWith("append") ? home.append(Record{name, {}, {}, {}, {}})
                                          : home.removeAll(name));
        QTEST(folders.readPhoneBook("Home"), "after");
        edit.startsWith("append") ? names.append(name) : void(names.removeOne(name));
        QCOMPARE(home.list()->names, names);
    }
};

VENNOR_TEST(EncodingTest)
#include "encodingtest.moc"
