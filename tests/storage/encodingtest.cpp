#include "storage/phonebook.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;

namespace {

const QByteArray kMark = "\xEF\xBB\xBF";
const QString kHome = QStringLiteral("Home");

} // namespace

// Lines of two encodings and byte order marks, read, edited and read again.
class EncodingTest : public QObject
{
    Q_OBJECT

private slots:
    void editsKeepEveryName_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("edit"); // "append x" or "remove x"
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArray>("after");
        const auto row = [](const char* name, QByteArray before, QString edit, QStringList names,
                            QByteArray after) {
            QTest::newRow(name) << before << edit << names << after;
        };
        const QByteArray mixed = ")\r\nzo\xc3\xab\r\n)\r\nren\xe9\r\n\" caf\xe9\"\r\n)\r\n";
        const QByteArray utf8 = ")\r\nzo\xc3\xab\r\n)\r\nren\xc3\xa9\r\n\" caf\xc3\xa9\"\r\n)\r\n";
        row("mixed, append", mixed, "append x", {"zo\u00eb", "ren\u00e9"}, utf8 + "x\r\n)\r\n");
        row("mixed, remove", mixed + "x\r\n)\r\n", "remove x", {"zo\u00eb", "ren\u00e9", "x"},
            utf8);
        row("mark only, append", kMark, "append x", {}, kMark + "x\r\n)\r\n");
        row("mark, remove", kMark + "x\r\n)\r\ny\r\n)\r\n", "remove x", {"x", "y"}, "y\r\n)\r\n");
        // A name of its own that begins with U+FEFF keeps it, wherever a rewrite puts it.
        row("U+FEFF name comes first", "x\r\n)\r\n" + kMark + "y\r\n)\r\n", "remove x",
            {"x", QStringLiteral(u"\ufeffy")}, kMark + kMark + "y\r\n)\r\n");
        row("U+FEFF name into no file", {}, "append \ufeffy", {}, kMark + kMark + "y\r\n)\r\n");
    }
    void editsKeepEveryName()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, edit);
        QFETCH(QStringList, names);
        QFETCH(QByteArray, after);
        test::TempFolders folders;
        if (!before.isNull()) {
            folders.writePhoneBook(kHome, before);
        }
        const PhoneBookFile home = PhoneBookFile::named(kHome);
        QCOMPARE(home.list().ok() ? home.list()->names : QStringList(), names);
        for (const QString& name : names) {
            QVERIFY2(home.findByName(name)->has_value(), qPrintable(name));
        }
        const QString name = edit.section(' ', 1);
        const Status done = edit.startsWith("append") ? home.append(Record{name, {}, {}, {}, {}})
                                                      : home.removeAll(name);
        QVERIFY2(done.ok(), qPrintable(done.error()));
        QCOMPARE(folders.readPhoneBook(kHome), after);
        QStringList kept = names;
        kept.removeOne(name);
        QCOMPARE(home.list()->names, edit.startsWith("append") ? kept << name : kept);
    }
};

VENNOR_TEST(EncodingTest)
#include "encodingtest.moc"
