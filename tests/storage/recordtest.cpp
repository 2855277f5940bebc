#include "storage/record.h"
#include "storage/fields.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;

namespace {

Record record(const QString& name, QList<PhoneNumber> numbers = {})
{
    Record r;
    r.name = name;
    r.numbers = std::move(numbers);
    return r;
}

qsizetype fieldsIn(const QString& text)
{
    FieldReader reader(text);
    qsizetype count = 0;
    while (reader.nextView()) {
        ++count;
    }
    return count;
}

} // namespace

class RecordTest : public QObject
{
    Q_OBJECT

private slots:
    void writtenLines_data()
    {
        QTest::addColumn<Record>("record");
        QTest::addColumn<QString>("text");

        QTest::newRow("name and end line only")
            << record(QStringLiteral("anna")) << "anna\r\n)\r\n";
        QTest::newRow("numbers with type codes")
            << record(QStringLiteral("bob"), {{0, QStringLiteral("55")}, {2, QStringLiteral("98")}})
            << "bob\r\n055\r\n298\r\n)\r\n";

        Record lowered = record(QStringLiteral("  John Smith "), {{1, QStringLiteral(" 12.5 ")}});
        lowered.email = QStringLiteral(" John@Example.COM ");
        lowered.address = QStringLiteral(" 12 Main St, Springfield ");
        lowered.comment = QStringLiteral("  Call ME  ");
        QTest::newRow("lowered and trimmed")
            << lowered
            << "john smith\r\n\"john@example.com\"\r\n\"12 main st, springfield\"\r\n"
               "\" call me\"\r\n112.5\r\n)\r\n";

        Record noAt = record(QStringLiteral("c"));
        noAt.email = QStringLiteral("not an address");
        QTest::newRow("e-mail without @ not written") << noAt << "c\r\n)\r\n";

        Record stops = record(QStringLiteral("d"), {{0, QStringLiteral("1")},
                                                    {3, QStringLiteral("2")},
                                                    {0, QStringLiteral("")},
                                                    {0, QStringLiteral("4")}});
        QTest::newRow("numbers stop at an empty one") << stops << "d\r\n01\r\n32\r\n)\r\n";
        Record notNumeric =
            record(QStringLiteral("e"), {{0, QStringLiteral("12-34")}, {0, QStringLiteral("5")}});
        QTest::newRow("numbers stop at a non-number") << notNumeric << "e\r\n)\r\n";

        Record blankComment = record(QStringLiteral("f"));
        blankComment.comment = QStringLiteral(" \n \r\n ");
        QTest::newRow("blank comment not written") << blankComment << "f\r\n)\r\n";

        Record lines = record(QStringLiteral("g"));
        lines.comment = QStringLiteral("\nfirst line\r\nsecond, @ line\n\n");
        QTest::newRow("comment of several lines")
            << lines << "g\r\n\" first line\r\nsecond, @ line\"\r\n)\r\n";

        Record quote = record(QStringLiteral("h"));
        quote.address = QStringLiteral("12 \"old\" mill");
        QTest::newRow("quote in address written bare") << quote << "h\r\n12 \"old\" mill\r\n)\r\n";

        QTest::newRow("comma in name quoted")
            << record(QStringLiteral("smith, anna")) << "\"smith, anna\"\r\n)\r\n";
        QTest::newRow("letters beyond ASCII lowered") << record(QString::fromUtf8("RENÉE ØSTBY"))
                                                      << QString::fromUtf8("renée østby\r\n)\r\n");
    }
    void writtenLines()
    {
        QFETCH(Record, record);
        QFETCH(QString, text);
        QCOMPARE(recordText(record), text);
        QCOMPARE(recordFieldCount(record), fieldsIn(text));
    }

    void splitsNumberLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("number");
        QTest::newRow("work") << "2123" << 2 << "123";
        QTest::newRow("home") << "0123" << 0 << "123";
        QTest::newRow("voice mail") << "6555.1" << 6 << "555.1";
        QTest::newRow("code only") << "4" << 4 << "";
        QTest::newRow("not a digit") << "x12" << 0 << "12";
        QTest::newRow("empty") << "" << 0 << "";
    }
    void splitsNumberLines()
    {
        QFETCH(QString, line);
        QFETCH(int, type);
        QFETCH(QString, number);
        const PhoneNumber split = splitNumberLine(line);
        QCOMPARE(split.type, type);
        QCOMPARE(split.number, number);
    }
};

VENNOR_TEST(RecordTest)
#include "recordtest.moc"
