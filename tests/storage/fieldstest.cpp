#include "storage/fields.h"
#include "storage/numeric.h"
#include "storage/record.h"
#include "storage/textfile.h"
#include "storagetest.h"
#include "support/testregistry.h"

#include <QRandomGenerator>
#include <QSet>

using namespace vennor;
using test::fieldsOf;

namespace {

QString randomText(QRandomGenerator& random, const QString& alphabet, int maxLength)
{
    QString text;
    for (int i = random.bounded(maxLength + 1); i > 0; --i) {
        text += alphabet.at(random.bounded(int(alphabet.size())));
    }
    return text;
}

} // namespace

class FieldsTest : public QObject
{
    Q_OBJECT

private slots:
    void readsFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("record") << "anna\r\n\"a@b.c\"\r\n\"1 main st, x\"\r\n0123\r\n)\r\n"
                                << QStringList{"anna", "a@b.c", "1 main st, x", "0123", ")"};
        QTest::newRow("blanks trimmed bare, kept quoted")
            << "   bob smith  \r\n  \"  x \"  \r\n   \n"
            << QStringList{"bob smith", "  x ", ""};
        QTest::newRow("commas") << "a,,b\r\nc,\r\n\"d\",\r\ne,  "
                                << QStringList{"a", "", "b", "c", "", "d", "", "e", ""};
        QTest::newRow("quote spans lines, then never closed")
            << "\" one\r\ntwo\r\n\r\n\"\r\n)\r\n\"abc\r\ndef, g\r\n"
            << QStringList{" one\ntwo\n\n", ")", "abc\ndef, g\n"};
        QTest::newRow("rest after quote skipped")
            << "\"a\" junk, b\r\n\"c\" \"d\r\ne" << QStringList{"a", "b", "c", "e"};
        QTest::newRow("quote inside bare, empty quoted, lone CR, no last line end")
            << "ab\"c d\r\n\"\"\r\na\rb\r\nc\r" << QStringList{"ab\"c d", "", "a\rb", "c"};
    }
    void readsFields()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QCOMPARE(fieldsOf(text), fields);
    }

    // Whatever the text, one of the two forms keeps it unless it holds a double quote and
    // also something only quotes can carry.
    void writtenFieldsReadBack()
    {
        QRandomGenerator random(7);
        for (int i = 0; i < 20000; ++i) {
            const QString text = randomText(random, QStringLiteral("ab ,\"\n@)1é"), 12);
            const bool needsQuotes = text.contains(u',') || text.contains(u'\n') ||
                                     text.startsWith(u' ') || text.endsWith(u' ') ||
                                     text.startsWith(u'"');
            if (needsQuotes && text.contains(u'"')) {
                continue;
            }
            for (const FieldForm form : {FieldForm::bare, FieldForm::quoted}) {
                QString line;
                appendField(line, text, form);
                QCOMPARE(fieldsOf(line + line), (QStringList{text, text}));
            }
        }
    }

    void decodesUtf8ElseWindows1252()
    {
        QCOMPARE(textfile::decode("Zo\xc3\xab \xe2\x82\xac\r\n"), QString::fromUtf8("Zoë €\r\n"));
        QCOMPARE(textfile::decode("\x80 \x93q\x94 \x85\x8a\x9f\xff"),
                 QString::fromUtf8("€ “q” …ŠŸÿ"));
        // One invalid sequence anywhere makes the whole file Windows-1252.
        QCOMPARE(textfile::decode("\xc3\xab and \xeb"), QString::fromUtf8("Ã« and ë"));
        // No byte is lost: 256 bytes give 256 different characters, Latin-1 outside 80-9F.
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte) {
            all.append(char(byte));
        }
        const QString text = textfile::decode(all);
        QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
        QCOMPARE(text.left(0x80) + text.mid(0xA0),
                 QString::fromLatin1(all.left(0x80) + all.mid(0xA0)));
    }

    void numericTest()
    {
        for (const char* text : {"123", "12.5", ".5", "5.", "  0123  ", "000"}) {
            QVERIFY2(isNumeric(QString::fromUtf8(text)), text);
        }
        for (const char* text : {"", " ", ".", "1.2.3", "12 34", "-12", "+12", "1e5", "1,5", "\t12",
                                 ")", "12\n", "0x1F", "\xd9\xa1\xd9\xa2"}) {
            QVERIFY2(!isNumeric(QString::fromUtf8(text)), text);
        }
    }

    void writesRecords_data()
    {
        QTest::addColumn<Record>("record");
        QTest::addColumn<QString>("text");
        QTest::newRow("lowered and trimmed")
            << Record{"  Jo Smith ", " J@X.COM ", " 1 Main St, X ", "  Call ME  ", {{1, " 12.5 "}}}
            << "jo smith\r\n\"j@x.com\"\r\n\"1 main st, x\"\r\n\" call me\"\r\n112.5\r\n)\r\n";
        QTest::newRow("numbers stop at a non-number")
            << Record{"d", "", "", "", {{0, "1"}, {3, "2"}, {0, "12-34"}, {0, "4"}}}
            << "d\r\n01\r\n32\r\n)\r\n";
        QTest::newRow("comment of several lines")
            << Record{"g", "", "", "\nfirst line\r\nsecond, @ line\n\n", {}}
            << "g\r\n\" first line\r\nsecond, @ line\"\r\n)\r\n";
        QTest::newRow("other form when needed; no @, blank comment: left out")
            << Record{"smith, h", "no address", "12 \"old\" mill", " \n \r\n ", {}}
            << "\"smith, h\"\r\n12 \"old\" mill\r\n)\r\n";
    }
    void writesRecords()
    {
        QFETCH(Record, record);
        QFETCH(QString, text);
        QCOMPARE(recordText(record), text);
        QCOMPARE(recordFieldCount(record), fieldsOf(text).size());
    }
};

VENNOR_TEST(FieldsTest)
#include "fieldstest.moc"
