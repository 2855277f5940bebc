// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fields.h"
#include "core/record.h"
#include "core/textfile.h"
#include "support/testregistry.h"

#include <QSet>
#include <QTest>
#include <numeric>

using namespace vennor;

namespace {

QStringList fieldsOf(const QString& text)
{
    QStringList fields;
    FieldReader reader(text);
    while (const auto field = reader.next()) {
        fields << *field;
    }
    return fields;
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

    void decodesUtf8ElseWindows1252()
    {
        QCOMPARE(textfile::decode("\x80 \x93q\x94 \x85\x8a\x9f\xff"),
                 QString::fromUtf8("€ “q” …ŠŸÿ"));
        // One invalid sequence anywhere makes the whole file Windows-1252.
        QCOMPARE(textfile::decode("\xc3\xab and \xeb"), QString::fromUtf8("Ã« and ë"));
        // No byte is lost: 256 bytes give 256 different characters.
        QByteArray all(256, 0);
        std::iota(all.begin(), all.end(), char(0));
        const QString text = textfile::decode(all);
        QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
    }

    void writesRecords_data()
    {
        QTest::addColumn<Record>("record");
        QTest::addColumn<QString>("text");
        QTest::newRow("lowered and trimmed")
            << Record{"  Jo Smith ", " J@X.COM ", " 1 Main St, X ", "  Call ME  ", {{1, " 12.5 "}}}
            << "jo smith\r\n\"j@x.com\"\r\n\"1 main st, x\"\r\n\" call me\"\r\n112.5\r\n)\r\n";
        QTest::newRow("numbers stop at a non-number")
            << Record{"d", "", "", "", {{0, "1"}, {3, "2.5"}, {0, "1e5"}, {0, "4"}}}
            << "d\r\n01\r\n32.5\r\n)\r\n";
        QTest::newRow("two points: no number")
            << Record{"e", "", "", "", {{0, "7"}, {0, "1.2.3"}, {0, "4"}}} << "e\r\n07\r\n)\r\n";
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
