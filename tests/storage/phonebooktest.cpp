#include "storage/phonebook.h"
#include "storage/fields.h"
#include "storage/textfile.h"
#include "support/recordgenerator.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"
#include "writefault.h"

#include <QFile>
#include <QTest>

using namespace vennor;

namespace {

// Three records as a removal leaves them (number lines quoted), with a comment holding "@"
// and an address equal to another record's name.
const QByteArray kBook = ")\r\n"
                         "anna\r\n\"anna@example.com\"\r\n\"12 main st, springfield\"\r\n"
                         "\" ask for @bob\"\r\n0555\r\n2123\r\n)\r\n"
                         "bob\r\n\"carl\"\r\n\"1777\"\r\n)\r\n"
                         "carl\r\n\"2123\"\r\n)\r\n";

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

PhoneBookFile book(const test::TempFolders& folders, const QByteArray& bytes)
{
    folders.writePhoneBook(QStringLiteral("Home"), bytes);
    return PhoneBookFile::named(QStringLiteral("Home"));
}

Record named(const QString& name)
{
    Record r;
    r.name = name;
    return r;
}

// The record found, or an empty one when none was (or the file could not be read).
Record found(const Result<std::optional<Record>>& result)
{
    return result.ok() && result->has_value() ? **result : Record();
}

QStringList fieldsOf(const QString& path)
{
    QFile file(path);
    const QString text = file.open(QIODevice::ReadOnly) ? textfile::decode(file.readAll()) : "";
    QStringList fields;
    FieldReader reader(text);
    while (const auto field = reader.next()) {
        fields << *field;
    }
    return fields;
}

// What removing the records named name must leave, worked out plainly from the fields.
QStringList fieldsWithout(const QStringList& fields, const QString& name)
{
    QStringList kept;
    bool atName = true;
    bool dropping = false;
    for (const QString& field : fields) {
        const bool end = field == QLatin1String(")");
        if (dropping) {
            dropping = !end;
        } else if (atName && !end && field == name) {
            dropping = true;
        } else {
            kept << field;
        }
        atName = end;
    }
    return kept;
}

} // namespace

class PhoneBookTest : public QObject
{
    Q_OBJECT

private slots:
    void createsEmptyBookOnlyOnce()
    {
        test::TempFolders folders;
        const PhoneBookFile home = PhoneBookFile::named(QStringLiteral("My Book"));
        QCOMPARE(home.path(), folders.phoneBook(QStringLiteral("My Book")));
        QVERIFY(!home.list().ok());
        QVERIFY(!home.findByName(QStringLiteral("anna")).ok());
        QVERIFY(home.createEmpty().ok());
        QCOMPARE(bytesOf(home.path()), QByteArray(")\r\n"));
        QCOMPARE(home.list()->fieldCount, 1);
        QVERIFY(home.list()->names.isEmpty() && home.list()->numbers.isEmpty());

        folders.writePhoneBook(QStringLiteral("My Book"), "anna\r\n)\r\n");
        QVERIFY(!home.createEmpty().ok());
        QCOMPARE(bytesOf(home.path()), QByteArray("anna\r\n)\r\n"));
    }

    void listsNamesAndNumbers()
    {
        test::TempFolders folders;
        const Result<Listing> listing = book(folders, kBook).list();
        QCOMPARE(listing->names, (QStringList{"anna", "bob", "carl"}));
        QCOMPARE(listing->numbers, (QStringList{"555", "123", "777", "123"}));
        QCOMPARE(listing->fieldCount, 15);
        // The first field names a record when the file does not start with ")".
        const Result<Listing> loose =
            book(folders, "anna\n0123\n\" 456\"\n)\n)\nbob\n)\n\"x\"").list();
        QCOMPARE(loose->names, (QStringList{"anna", "bob", "x"}));
        QCOMPARE(loose->numbers, QStringList{"123"});
    }

    void findsByNameLinesOnly()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, kBook);
        Record anna = named(QStringLiteral("anna"));
        anna.email = QStringLiteral("anna@example.com");
        anna.address = QStringLiteral("12 main st, springfield");
        anna.comment = QStringLiteral("ask for @bob");
        anna.numbers = {{0, QStringLiteral("555")}, {2, QStringLiteral("123")}};
        QCOMPARE(found(home.findByName(QStringLiteral("anna"))), anna);
        // bob's address is "carl": asking for carl gives carl's record.
        QCOMPARE(found(home.findByName(QStringLiteral("carl"))).numbers,
                 (QList<PhoneNumber>{{2, QStringLiteral("123")}}));
        for (const char* absent : {"Anna", "ann", "0555", ")"}) {
            QVERIFY(!found(home.findByName(QLatin1String(absent))).name.size());
        }
        const PhoneBookFile twice = book(folders, "bob\r\n01\r\n)\r\nbob\r\n02\r\n)\r\n");
        QCOMPARE(found(twice.findByName(QStringLiteral("bob"))).numbers.first().number, "1");
    }

    void classifiesFields()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, "x\r\n\"first address\"\r\n\"a@b\"\r\n\" 123\"\r\n"
                                                 "\"second address\"\r\n\"at@address\"\r\n3555\r\n"
                                                 "\"after numbers\"\r\n\" more\"\r\n)\r\n");
        const Record x = found(home.findByName(QStringLiteral("x")));
        QCOMPARE(x.address, QStringLiteral("second address")); // a later one replaces
        QCOMPARE(x.email, QStringLiteral("at@address"));       // an address with @ is one
        QCOMPARE(x.comment, QStringLiteral("123"));            // its blank marks the comment
        // After the first number line every field up to ")" is a number line.
        QCOMPARE(x.numbers, (QList<PhoneNumber>{{3, QStringLiteral("555")},
                                                {0, QStringLiteral("fter numbers")},
                                                {0, QStringLiteral("more")}}));
    }

    void findsByNumber()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, kBook);
        // A later number loads the whole record; a shared number the first record.
        const Record anna = found(home.findByNumber(QStringLiteral("123")));
        QCOMPARE(anna, found(home.findByName(QStringLiteral("anna"))));
        QCOMPARE(found(home.findByNumber(QStringLiteral("777"))).address, QStringLiteral("carl"));
        for (const char* absent : {"0555", "55", "ask for @bob", ""}) {
            QVERIFY(!found(home.findByNumber(QLatin1String(absent))).name.size());
        }
        const PhoneBookFile open = book(folders, "anna\n0123\n)\nbob\n1456");
        QCOMPARE(found(open.findByNumber(QStringLiteral("456"))).name, QStringLiteral("bob"));
    }

    void removesEveryRecordOfTheName()
    {
        test::TempFolders folders;
        const PhoneBookFile home =
            book(folders, ")\r\nanna\r\n\"1 main st\"\r\n0123\r\n)\r\nbob\r\n0456\r\n)\r\n");
        QVERIFY(home.removeAll(QStringLiteral("anna")).ok());
        QCOMPARE(bytesOf(home.path()), QByteArray(")\r\nbob\r\n\"0456\"\r\n)\r\n"));

        const PhoneBookFile twice = book(folders, "bob\r\n01\r\n)\r\nann\r\n)\r\nbob\r\n)\r\n");
        QVERIFY(twice.removeAll(QStringLiteral("bob")).ok());
        QCOMPARE(bytesOf(twice.path()), QByteArray("ann\r\n)\r\n"));

        // bob's address equals carl's name and stays; an unknown name changes nothing.
        const PhoneBookFile three = book(folders, kBook);
        const Record bob = found(three.findByName(QStringLiteral("bob")));
        QVERIFY(three.removeAll(QStringLiteral("carl")).ok());
        QCOMPARE(found(three.findByName(QStringLiteral("bob"))), bob);
        const QByteArray after = bytesOf(three.path());
        QVERIFY(three.removeAll(QStringLiteral("zed")).ok());
        QCOMPARE(bytesOf(three.path()), after);
    }

    void appendsAfterWhateverTheFileHolds_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no line end") << QByteArray(")") << QByteArray(")\r\nzed\r\n)\r\n");
        QTest::newRow("missing file") << QByteArray() << QByteArray("zed\r\n)\r\n");
        // A record left open would take the new one in: it is closed first.
        QTest::newRow("open record") << QByteArray(")\r\nanna\r\n0123\r\n")
                                     << QByteArray(")\r\nanna\r\n0123\r\n)\r\nzed\r\n)\r\n");
        // So would a quote never closed: the file is rewritten with it closed.
        QTest::newRow("open quote")
            << QByteArray(")\r\nanna\r\n\" note\r\n)\r\n")
            << QByteArray(")\r\nanna\r\n\" note\r\n)\r\n\"\r\n)\r\nzed\r\n)\r\n");
    }
    void appendsAfterWhateverTheFileHolds()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        test::TempFolders folders;
        const PhoneBookFile home = PhoneBookFile::named(QStringLiteral("Home"));
        if (!before.isEmpty()) {
            folders.writePhoneBook(QStringLiteral("Home"), before);
        }
        QVERIFY(home.append(named(QStringLiteral("Zed"))).ok());
        QCOMPARE(bytesOf(home.path()), after);
        QCOMPARE(home.list()->names.last(), QStringLiteral("zed"));
    }

    void replaceMovesTheRecordToTheEnd()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, kBook);
        QVERIFY(home.replace(named(QStringLiteral("dora"))).ok()); // new: a plain append
        QCOMPARE(bytesOf(home.path()), kBook + "dora\r\n)\r\n");
        Record anna = named(QStringLiteral("  ANNA "));
        anna.numbers = {{1, QStringLiteral("999")}};
        QVERIFY(home.replace(anna).ok());
        QVERIFY(home.replace(anna).ok());
        QCOMPARE(home.list()->names, (QStringList{"bob", "carl", "dora", "anna"}));
        QCOMPARE(home.list()->numbers, (QStringList{"777", "123", "999"}));
        QVERIFY(bytesOf(home.path()).endsWith(")\r\nanna\r\n1999\r\n)\r\n"));

        const PhoneBookFile gone = PhoneBookFile::named(QStringLiteral("Gone"));
        QVERIFY(!gone.replace(anna).ok());
        QVERIFY(!gone.exists());
    }

    void oldWindows1252BookStaysReadable()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, ")\r\nren\xe9\r\n\"stra\xdf"
                                                 "e 1\"\r\n)\r\n");
        QVERIFY(home.append(named(QString::fromUtf8("ZOË"))).ok());
        QCOMPARE(home.list()->names,
                 (QStringList{QString::fromUtf8("rené"), QString::fromUtf8("zoë")}));
        QCOMPARE(found(home.findByName(QString::fromUtf8("rené"))).address,
                 QString::fromUtf8("straße 1"));
        QVERIFY(bytesOf(home.path()).startsWith(")\r\nren\xc3\xa9\r\n"));
    }

    // Any record the file can hold reads back as written, also after removals rewrote it.
    void recordsRoundTrip()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, ")\r\n");
        test::RecordGenerator generator(21);
        QList<Record> records;
        QStringList names;
        for (int i = 0; i < 300; ++i) {
            Record r = generator.awkward();
            r.name += QLatin1Char(' ') + QString::number(i);
            QVERIFY(i % 3 ? home.append(r).ok() : home.replace(r).ok());
            records << r;
            names << r.name;
        }
        QCOMPARE(home.list()->names, names);
        for (int i = 0; i < records.size(); i += 7) {
            QVERIFY(home.removeAll(records.at(i).name).ok());
        }
        for (int i = 0; i < records.size(); ++i) {
            const Record& r = records.at(i);
            QCOMPARE(found(home.findByName(r.name)), i % 7 ? r : Record());
            if (i % 7 && !r.numbers.isEmpty()) {
                QVERIFY(found(home.findByNumber(r.numbers.last().number))
                            .numbers.contains(r.numbers.last()));
            }
        }
    }

    // Any bytes at all: reading works, a removal keeps every other field's value, and a
    // replaced record is then found, once.
    void arbitraryFilesStayUsable()
    {
        test::TempFolders folders;
        QRandomGenerator random(99);
        test::RecordGenerator generator(100);
        const QByteArray alphabet("\",  \r\n\r\n\n)a@1.0 \xe9");
        for (int i = 0; i < 300; ++i) {
            QByteArray bytes;
            for (int j = random.bounded(80); j > 0; --j) {
                bytes += alphabet.at(random.bounded(int(alphabet.size())));
            }
            const PhoneBookFile home = book(folders, i % 2 ? bytes + "a\r\n)\r\n" : bytes);
            QVERIFY(home.list().ok());
            QVERIFY(home.findByNumber(QStringLiteral("1")).ok());
            const QStringList before = fieldsOf(home.path());
            QVERIFY(home.removeAll(QStringLiteral("a")).ok());
            QCOMPARE(fieldsOf(home.path()), fieldsWithout(before, QStringLiteral("a")));
            const Record r = generator.awkward();
            QVERIFY(home.replace(r).ok());
            QCOMPARE(found(home.findByName(r.name)), r);
            QCOMPARE(home.list()->names.count(r.name), 1);
        }
    }

    void failedWritesKeepTheFile()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, kBook);
        QList<Status> results;
        {
            test::FileSizeLimit limit(16);
            if (!limit.active()) {
                QSKIP("no file size limit on this platform");
            }
            results << home.removeAll(QStringLiteral("bob")) << home.replace(named("anna"))
                    << home.append(named("anna")) << home.replace(named("new"));
        }
        for (const Status& status : std::as_const(results)) {
            QVERIFY(status.error().contains(QLatin1String("Home.dat")));
        }
        QCOMPARE(bytesOf(home.path()), kBook);

        QFile::remove(home.path());
        const test::FileSizeLimit limit(1);
        QVERIFY(!home.createEmpty().ok());
        QVERIFY(!home.exists());
    }
};

VENNOR_TEST(PhoneBookTest)
#include "phonebooktest.moc"
