#include "storage/fields.h"
#include "support/recordgenerator.h"
#include "support/testregistry.h"

#include <QRandomGenerator>
#include <QTest>

using namespace vennor;

namespace {

QStringList readAll(const QString& text)
{
    QStringList fields;
    FieldReader reader(text);
    while (const auto field = reader.next()) {
        fields << *field;
    }
    return fields;
}

QString written(const QString& text, FieldForm form)
{
    QString out;
    appendField(out, text, form);
    return out;
}

QString randomText(QRandomGenerator& random, const QString& alphabet, int maxLength)
{
    const int length = random.bounded(maxLength + 1);
    QString text;
    for (int i = 0; i < length; ++i) {
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
        QTest::newRow("LF only") << "anna\n\"x, y\"\n)\n" << QStringList{"anna", "x, y", ")"};
        QTest::newRow("no final line end") << ")\r\nbob" << QStringList{")", "bob"};
        QTest::newRow("empty text") << "" << QStringList{};
        QTest::newRow("blanks trimmed from bare") << "   bob smith  \r\n"
                                                  << QStringList{"bob smith"};
        QTest::newRow("blanks kept in quotes") << "  \"  x \"  \r\n" << QStringList{"  x "};
        QTest::newRow("comment marker kept") << "\" call me\"\r\n" << QStringList{" call me"};
        QTest::newRow("comma splits bare") << "a,b\r\nc\r\n" << QStringList{"a", "b", "c"};
        QTest::newRow("two commas") << "a,,b\r\n" << QStringList{"a", "", "b"};
        QTest::newRow("comma ends line") << "a,\r\nb\r\n" << QStringList{"a", "", "b"};
        QTest::newRow("comma ends text") << "a,  " << QStringList{"a", ""};
        QTest::newRow("comma after quote ends line") << "\"a\",\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("empty line") << ")\r\n\r\nx\r\n" << QStringList{")", "", "x"};
        QTest::newRow("blank line") << ")\r\n   \r\nx\r\n" << QStringList{")", "", "x"};
        QTest::newRow("only a line end") << "\r\n" << QStringList{""};
        QTest::newRow("quote spans lines") << "\" line one\r\nline two\r\n\r\n\"\r\n)\r\n"
                                           << QStringList{" line one\nline two\n\n", ")"};
        QTest::newRow("quote spans LF lines") << "\"a\nb\"\n)" << QStringList{"a\nb", ")"};
        QTest::newRow("quote never closed") << "\"abc\r\ndef, g\r\n"
                                            << QStringList{"abc\ndef, g\n"};
        QTest::newRow("rest after quote to comma") << "\"a\" junk, b\r\n" << QStringList{"a", "b"};
        QTest::newRow("rest after quote to line end")
            << "\"a\" junk \"more\r\nb" << QStringList{"a", "b"};
        QTest::newRow("quote inside bare") << "ab\"c d\r\n" << QStringList{"ab\"c d"};
        QTest::newRow("empty quoted") << "\"\"\r\n)" << QStringList{"", ")"};
        QTest::newRow("lone CR stays") << "a\rb\r\n" << QStringList{"a\rb"};
        QTest::newRow("CR at end of text") << "a\r" << QStringList{"a"};
    }
    void readsFields()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QCOMPARE(readAll(text), fields);
        FieldReader reader(text);
        for (qsizetype i = 0; i < fields.size(); ++i) {
            QVERIFY(!reader.atEnd());
            QCOMPARE(fieldText(*reader.nextView()), fields.at(i));
        }
        QVERIFY(reader.atEnd());
        QVERIFY(!reader.nextView());
    }

    void writesForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("preferBare");
        QTest::addColumn<QString>("line");
        QTest::newRow("bare") << "anna" << true << "anna\r\n";
        QTest::newRow("quoted") << "a@b.c" << false << "\"a@b.c\"\r\n";
        QTest::newRow("end line") << ")" << true << ")\r\n";
        QTest::newRow("comma needs quotes") << "smith, anna" << true << "\"smith, anna\"\r\n";
        QTest::newRow("leading blank needs quotes") << " x" << true << "\" x\"\r\n";
        QTest::newRow("line break needs quotes") << "a\nb" << true << "\"a\r\nb\"\r\n";
        QTest::newRow("CR LF kept") << "a\r\nb" << false << "\"a\r\nb\"\r\n";
        QTest::newRow("quote goes bare") << "12 \"main\" st" << false << "12 \"main\" st\r\n";
        QTest::newRow("empty bare") << "" << true << "\r\n";
        QTest::newRow("empty quoted") << "" << false << "\"\"\r\n";
        QTest::newRow("neither form: preferred") << " say \"hi\"" << false << "\" say \"hi\"\"\r\n";
    }
    void writesForms()
    {
        QFETCH(QString, text);
        QFETCH(bool, preferBare);
        QFETCH(QString, line);
        QCOMPARE(written(text, preferBare ? FieldForm::bare : FieldForm::quoted), line);
    }

    // Whatever the text, one of the two forms keeps it unless it holds a double quote and
    // also something only quotes can carry.
    void writtenFieldsReadBack()
    {
        QRandomGenerator random(7);
        const QString alphabet = QStringLiteral("ab ,\"\n@)1é");
        int checked = 0;
        for (int i = 0; i < 20000; ++i) {
            const QString text = randomText(random, alphabet, 12);
            const bool needsQuotes =
                text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('\n')) ||
                text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' ')) ||
                text.startsWith(QLatin1Char('"'));
            if (needsQuotes && text.contains(QLatin1Char('"'))) {
                continue;
            }
            for (const FieldForm form : {FieldForm::bare, FieldForm::quoted}) {
                const QString line = written(text, form);
                QCOMPARE(readAll(line + line), (QStringList{text, text}));
            }
            ++checked;
        }
        QVERIFY(checked > 5000);
    }

    // Arbitrary and truncated texts never make the reader crash, hang or read beyond them:
    // every call moves on or ends, so a text yields at most two fields per character, plus one.
    void arbitraryTextEnds()
    {
        QRandomGenerator random(11);
        const QString alphabet = QStringLiteral("\",  \r\n\r\nab)@1.\t\u00e9");
        QStringList texts;
        for (int i = 0; i < 50000; ++i) {
            texts << randomText(random, alphabet, 40);
        }
        test::RecordGenerator generator(3);
        QString book = QStringLiteral(")\r\n");
        for (int i = 0; i < 40; ++i) {
            book += recordText(generator.awkward());
        }
        for (qsizetype cut = 0; cut <= book.size(); ++cut) {
            texts << book.first(cut);
        }
        for (const QString& text : std::as_const(texts)) {
            FieldReader reader(text);
            qsizetype fields = 0;
            while (const auto field = reader.nextView()) {
                QVERIFY(field->size() <= text.size());
                QVERIFY(++fields <= 2 * text.size() + 1);
            }
            QVERIFY(reader.atEnd());
        }
    }
};

VENNOR_TEST(FieldsTest)
#include "fieldstest.moc"
