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

// A book of three records as a removal leaves it: quoted number lines, a comment with "@",
// an address that equals another record's name.
const QByteArray kHandWritten = ")\r\n"
                                "anna\r\n"
                                "\"anna@example.com\"\r\n"
                                "\"12 main st, springfield\"\r\n"
                                "\" ask for @bob\"\r\n"
                                "0555\r\n"
                                "2123\r\n"
                                ")\r\n"
                                "bob\r\n"
                                "\"carl\"\r\n"
                                "\"1777\"\r\n"
                                ")\r\n"
                                "carl\r\n"
                                "\"2123\"\r\n"
                                ")\r\n";

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

Record found(const Result<std::optional<Record>>& result)
{
    if (!result.ok() || !result->has_value()) {
        return {};
    }
    return **result;
}

Record named(const QString& name)
{
    Record r;
    r.name = name;
    return r;
}

bool missing(const Result<std::optional<Record>>& result)
{
    return result.ok() && !result->has_value();
}

// The fields of a text, as the reader gives them.
QStringList fieldsOf(const QString& text)
{
    QStringList fields;
    FieldReader reader(text);
    while (const auto field = reader.next()) {
        fields << *field;
    }
    return fields;
}

// What removing every record named name must leave, worked out plainly from the fields.
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
    void placeAndCreation()
    {
        test::TempFolders folders;
        const PhoneBookFile home = PhoneBookFile::named(QStringLiteral("My Book"));
        QCOMPARE(home.path(), folders.phoneBook(QStringLiteral("My Book")));
        QVERIFY(home.path().endsWith(QLatin1String("/vennor/My Book.dat")));
        QVERIFY(!home.exists());
        QVERIFY(!home.list().ok());
        QVERIFY(!home.findByName(QStringLiteral("anna")).ok());

        QVERIFY(home.createEmpty().ok());
        QCOMPARE(bytesOf(home.path()), QByteArray(")\r\n"));
        const Result<Listing> listing = home.list();
        QVERIFY(listing->names.isEmpty());
        QVERIFY(listing->numbers.isEmpty());
        QCOMPARE(listing->fieldCount, 1);

        // Never overwrites a book that exists.
        folders.writePhoneBook(QStringLiteral("My Book"), "anna\r\n)\r\n");
        const Status again = home.createEmpty();
        QVERIFY(!again.ok());
        QVERIFY(!again.error().isEmpty());
        QCOMPARE(bytesOf(home.path()), QByteArray("anna\r\n)\r\n"));
    }

    void listsNamesAndNumbers()
    {
        test::TempFolders folders;
        const Result<Listing> listing = book(folders, kHandWritten).list();
        QVERIFY(listing.ok());
        QCOMPARE(listing->names, (QStringList{"anna", "bob", "carl"}));
        QCOMPARE(listing->numbers, (QStringList{"555", "123", "777", "123"}));
        QCOMPARE(listing->fieldCount, 15);
    }

    void listsFirstFieldOfFileWithoutEndLine()
    {
        test::TempFolders folders;
        const Result<Listing> listing =
            book(folders, "anna\n0123\n\" 456\"\n)\n)\nbob\n)\n\"x\"\n").list();
        QCOMPARE(listing->names, (QStringList{"anna", "bob", "x"}));
        QCOMPARE(listing->numbers, QStringList{"123"}); // the comment " 456" is no number
    }

    void findsByNameLinesOnly()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, kHandWritten);
        Record anna;
        anna.name = QStringLiteral("anna");
        anna.email = QStringLiteral("anna@example.com");
        anna.address = QStringLiteral("12 main st, springfield");
        anna.comment = QStringLiteral("ask for @bob");
        anna.numbers = {{0, QStringLiteral("555")}, {2, QStringLiteral("123")}};
        QCOMPARE(found(home.findByName(QStringLiteral("anna"))), anna);

        // bob's address is "carl": asking for carl must give carl's record, not bob's.
        const Record carl = found(home.findByName(QStringLiteral("carl")));
        QCOMPARE(carl.name, QStringLiteral("carl"));
        QCOMPARE(carl.numbers, (QList<PhoneNumber>{{2, QStringLiteral("123")}}));
        QCOMPARE(found(home.findByName(QStringLiteral("bob"))).address, QStringLiteral("carl"));

        QVERIFY(missing(home.findByName(QStringLiteral("Anna"))));
        QVERIFY(missing(home.findByName(QStringLiteral("ann"))));
        QVERIFY(missing(home.findByName(QStringLiteral("0555"))));
    }

    void firstRecordOfANameWins()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, ")\r\nbob\r\n01\r\n)\r\nbob\r\n02\r\n)\r\n");
        QCOMPARE(found(home.findByName(QStringLiteral("bob"))).numbers.first().number,
                 QStringLiteral("1"));
    }

    void classifiesFields()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, ")\r\n"
                                                 "x\r\n"
                                                 "\"first address\"\r\n"
                                                 "\"a@b\"\r\n"
                                                 "\" 123\"\r\n"
                                                 "\"second address\"\r\n"
                                                 "\"at@address\"\r\n"
                                                 "3555\r\n"
                                                 "\"after numbers\"\r\n"
                                                 "\" more\"\r\n"
                                                 ")\r\n"
                                                 "y\r\n"
                                                 ")\r\n");
        const Record x = found(home.findByName(QStringLiteral("x")));
        QCOMPARE(x.address, QStringLiteral("second address")); // a later one replaces
        QCOMPARE(x.email, QStringLiteral("at@address"));       // an address with @ is one
        QCOMPARE(x.comment, QStringLiteral("123"));            // its blank marks the comment
        // After the first number line every field up to ")" is a number line.
        QCOMPARE(x.numbers, (QList<PhoneNumber>{{3, QStringLiteral("555")},
                                                {0, QStringLiteral("fter numbers")},
                                                {0, QStringLiteral("more")}}));
        QCOMPARE(found(home.findByName(QStringLiteral("y"))), named(QStringLiteral("y")));
    }

    void findsByNumber()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, kHandWritten);
        QCOMPARE(found(home.findByNumber(QStringLiteral("555"))).name, QStringLiteral("anna"));
        // A later number of a record; a number held by two records gives the first.
        const Record anna = found(home.findByNumber(QStringLiteral("123")));
        QCOMPARE(anna.name, QStringLiteral("anna"));
        QCOMPARE(anna.numbers.size(), 2);
        QCOMPARE(anna.comment, QStringLiteral("ask for @bob"));
        const Record bob = found(home.findByNumber(QStringLiteral("777")));
        QCOMPARE(bob.name, QStringLiteral("bob"));
        QCOMPARE(bob.address, QStringLiteral("carl"));
        // The type code is not part of the number; names and comments are no numbers.
        QVERIFY(missing(home.findByNumber(QStringLiteral("0555"))));
        QVERIFY(missing(home.findByNumber(QStringLiteral("55"))));
        QVERIFY(missing(home.findByNumber(QStringLiteral("ask for @bob"))));
        QVERIFY(missing(home.findByNumber(QString())));
    }

    void findsByNumberInFileWithoutEndLine()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, "anna\n0123\n)\nbob\n1456");
        QCOMPARE(found(home.findByNumber(QStringLiteral("123"))).name, QStringLiteral("anna"));
        QCOMPARE(found(home.findByNumber(QStringLiteral("456"))).name, QStringLiteral("bob"));
    }

    void removesEveryRecordOfTheName()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, ")\r\n"
                                                 "anna\r\n\"1 main st\"\r\n0123\r\n)\r\n"
                                                 "bob\r\n0456\r\n)\r\n");
        QVERIFY(home.removeAll(QStringLiteral("anna")).ok());
        QCOMPARE(bytesOf(home.path()), QByteArray(")\r\nbob\r\n\"0456\"\r\n)\r\n"));

        const PhoneBookFile twice = book(folders, "bob\r\n01\r\n)\r\nann\r\n)\r\nbob\r\n)\r\n");
        QVERIFY(twice.removeAll(QStringLiteral("bob")).ok());
        QCOMPARE(bytesOf(twice.path()), QByteArray("ann\r\n)\r\n"));
    }

    void removalKeepsFieldThatEqualsTheName()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, kHandWritten);
        const Record bob = found(home.findByName(QStringLiteral("bob")));
        QVERIFY(home.removeAll(QStringLiteral("carl")).ok());
        QCOMPARE(found(home.findByName(QStringLiteral("bob"))), bob);
        QCOMPARE(home.list()->names, (QStringList{"anna", "bob"}));
    }

    void removalOfUnknownNameLeavesFile()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, "anna\n0123\n)");
        QVERIFY(home.removeAll(QStringLiteral("0123")).ok());
        QVERIFY(home.removeAll(QStringLiteral("zed")).ok());
        QCOMPARE(bytesOf(home.path()), QByteArray("anna\n0123\n)"));
    }

    void removalRewritesFieldsSoTheyReadTheSame()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, ")\r\n"
                                                 "gone\r\n)\r\n"
                                                 "anna\r\n"
                                                 "\"\"\r\n"
                                                 "\r\n"
                                                 "12 \"old\" mill\r\n"
                                                 "\" line one\r\nline two, @x\"\r\n"
                                                 ")\r\n"
                                                 "\"smith, bob\"\r\n"
                                                 ")\r\n");
        const Record anna = found(home.findByName(QStringLiteral("anna")));
        QVERIFY(home.removeAll(QStringLiteral("gone")).ok());
        QCOMPARE(found(home.findByName(QStringLiteral("anna"))), anna);
        QCOMPARE(anna.comment, QStringLiteral("line one\nline two, @x"));
        QCOMPARE(anna.address, QStringLiteral("12 \"old\" mill"));
        QCOMPARE(home.list()->names, (QStringList{"anna", "smith, bob"}));
        QCOMPARE(bytesOf(home.path()), QByteArray(")\r\n"
                                                  "anna\r\n"
                                                  "\"\"\r\n"
                                                  "\"\"\r\n"
                                                  "12 \"old\" mill\r\n"
                                                  "\" line one\r\nline two, @x\"\r\n"
                                                  ")\r\n"
                                                  "\"smith, bob\"\r\n"
                                                  ")\r\n"));
    }

    void appendsAfterWhateverTheFileHolds()
    {
        test::TempFolders folders;
        Record zed = named(QStringLiteral("Zed"));
        const PhoneBookFile closed = book(folders, ")");
        QVERIFY(closed.append(zed).ok());
        QCOMPARE(bytesOf(closed.path()), QByteArray(")\r\nzed\r\n)\r\n"));

        // A last record left open would swallow the new one: it is closed first.
        const PhoneBookFile open = book(folders, ")\r\nanna\r\n0123\r\n");
        QVERIFY(open.append(zed).ok());
        QCOMPARE(bytesOf(open.path()), QByteArray(")\r\nanna\r\n0123\r\n)\r\nzed\r\n)\r\n"));
        QCOMPARE(open.list()->names, (QStringList{"anna", "zed"}));

        // A quote never closed would take in everything after it: the file is rewritten
        // with that quote closed.
        const PhoneBookFile quote = book(folders, ")\r\nanna\r\n\" note\r\n)\r\n");
        QVERIFY(quote.append(zed).ok());
        QCOMPARE(bytesOf(quote.path()),
                 QByteArray(")\r\nanna\r\n\" note\r\n)\r\n\"\r\n)\r\nzed\r\n)\r\n"));
        QCOMPARE(quote.list()->names, (QStringList{"anna", "zed"}));
        QCOMPARE(found(quote.findByName(QStringLiteral("anna"))).comment,
                 QStringLiteral("note\n)\n"));

        QFile::remove(closed.path());
        QVERIFY(closed.append(zed).ok());
        QCOMPARE(bytesOf(closed.path()), QByteArray("zed\r\n)\r\n"));
    }

    void replaceMovesTheRecordToTheEnd()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, kHandWritten);
        Record anna = named(QStringLiteral("  ANNA "));
        anna.address = QStringLiteral("new street");
        anna.numbers = {{1, QStringLiteral("999")}};
        QVERIFY(home.replace(anna).ok());
        QVERIFY(home.replace(anna).ok());
        QCOMPARE(home.list()->names, (QStringList{"bob", "carl", "anna"}));
        QCOMPARE(home.list()->numbers, (QStringList{"777", "123", "999"}));
        const Record stored = found(home.findByName(QStringLiteral("anna")));
        QCOMPARE(stored.address, QStringLiteral("new street"));
        QVERIFY(stored.email.isEmpty());
        QVERIFY(bytesOf(home.path()).endsWith("anna\r\n\"new street\"\r\n1999\r\n)\r\n"));
    }

    void replaceOfNewNameAppendsOnly()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, kHandWritten);
        QVERIFY(home.replace(named(QStringLiteral("dora"))).ok());
        QCOMPARE(bytesOf(home.path()), kHandWritten + "dora\r\n)\r\n");
    }

    void replaceNeedsTheFile()
    {
        test::TempFolders folders;
        const PhoneBookFile home = PhoneBookFile::named(QStringLiteral("Gone"));
        const Status status = home.replace(named(QStringLiteral("anna")));
        QVERIFY(!status.ok());
        QVERIFY(!status.error().isEmpty());
        QVERIFY(!home.exists());
    }

    void oldWindows1252BookStaysReadable()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, ")\r\nren\xe9\r\n\"stra\xdf"
                                                 "e 1\"\r\n0123\r\n)\r\n");
        QCOMPARE(home.list()->names, QStringList{QString::fromUtf8("rené")});
        QVERIFY(home.append(named(QString::fromUtf8("ZOË"))).ok());
        QCOMPARE(home.list()->names,
                 (QStringList{QString::fromUtf8("rené"), QString::fromUtf8("zoë")}));
        QCOMPARE(found(home.findByName(QString::fromUtf8("rené"))).address,
                 QString::fromUtf8("straße 1"));
        QVERIFY(bytesOf(home.path()).contains("ren\xc3\xa9\r\n"));
    }

    // Any record the file can hold reads back as it was written, before and after rewrites.
    void recordsRoundTrip()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, ")\r\n");
        test::RecordGenerator generator(21);
        QList<Record> records;
        for (int i = 0; i < 300; ++i) {
            Record r = generator.awkward();
            r.name += QLatin1Char(' ') + QString::number(i);
            records << r;
            QVERIFY(i % 3 ? home.append(r).ok() : home.replace(r).ok());
        }
        for (const Record& r : std::as_const(records)) {
            QCOMPARE(found(home.findByName(r.name)), r);
        }
        QStringList names;
        QStringList numbers;
        for (const Record& r : std::as_const(records)) {
            names << r.name;
            for (const PhoneNumber& n : r.numbers) {
                numbers << n.number;
            }
        }
        QCOMPARE(home.list()->names, names);
        QCOMPARE(home.list()->numbers, numbers);
        for (const Record& r : std::as_const(records)) {
            if (!r.numbers.isEmpty()) {
                const Record byNumber = found(home.findByNumber(r.numbers.last().number));
                QVERIFY(byNumber.numbers.contains(r.numbers.last()));
            }
        }
        // Removals rewrite every other field quoted: still the same records.
        for (int i = 0; i < records.size(); i += 7) {
            QVERIFY(home.removeAll(records.at(i).name).ok());
        }
        for (int i = 0; i < records.size(); ++i) {
            if (i % 7 == 0) {
                QVERIFY(missing(home.findByName(records.at(i).name)));
            } else {
                QCOMPARE(found(home.findByName(records.at(i).name)), records.at(i));
            }
        }
    }

    void normalisesWhatItWrites()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, ")\r\n");
        Record typed = named(QStringLiteral(" Mary Jones  "));
        typed.email = QStringLiteral("MARY@X.ORG ");
        typed.address = QStringLiteral("  ");
        typed.comment = QStringLiteral("   4711 ");
        typed.numbers = {
            {5, QStringLiteral(" 12 ")}, {0, QStringLiteral("abc")}, {1, QStringLiteral("3")}};
        QVERIFY(home.append(typed).ok());
        Record expected{QStringLiteral("mary jones"),
                        QStringLiteral("mary@x.org"),
                        QString(),
                        QStringLiteral("4711"),
                        {{5, QStringLiteral("12")}}};
        QCOMPARE(found(home.findByName(QStringLiteral("mary jones"))), expected);
    }

    // Any bytes at all: reading never fails, and a replace leaves the record findable once,
    // while the other fields keep their values.
    void arbitraryFilesStayUsable()
    {
        test::TempFolders folders;
        QRandomGenerator random(99);
        test::RecordGenerator generator(100);
        const QByteArray alphabet("\",  \r\n\r\n\n)a@1.0 \xe9");
        for (int i = 0; i < 1000; ++i) {
            QByteArray bytes;
            const int length = random.bounded(80);
            for (int j = 0; j < length; ++j) {
                bytes += alphabet.at(random.bounded(int(alphabet.size())));
            }
            if (i % 2) {
                bytes += "a\r\n)\r\n";
            }
            const PhoneBookFile home = book(folders, bytes);
            QVERIFY(home.list().ok());
            QVERIFY(home.findByName(QStringLiteral("a")).ok());
            QVERIFY(home.findByNumber(QStringLiteral("1")).ok());

            const QStringList before = fieldsOf(*textFor(home));
            QVERIFY(home.removeAll(QStringLiteral("a")).ok());
            QCOMPARE(fieldsOf(*textFor(home)), fieldsWithout(before, QStringLiteral("a")));

            Record r = generator.awkward();
            QVERIFY(home.replace(r).ok());
            QCOMPARE(found(home.findByName(r.name)), r);
            QCOMPARE(home.list()->names.count(r.name), 1);
        }
    }

    void failedWritesKeepTheFile()
    {
        test::TempFolders folders;
        const PhoneBookFile home = book(folders, kHandWritten);
        Record anna = named(QStringLiteral("anna"));
        anna.comment = QString(200, QLatin1Char('x'));
        QList<Status> results;
        {
            test::FileSizeLimit limit(16);
            if (!limit.active()) {
                QSKIP("no file size limit on this platform");
            }
            results << home.removeAll(QStringLiteral("bob")) << home.replace(anna)
                    << home.append(anna) << home.replace(named(QStringLiteral("new")));
        }
        for (const Status& status : std::as_const(results)) {
            QVERIFY(!status.ok());
            QVERIFY(status.error().contains(QLatin1String("Home.dat")));
        }
        QCOMPARE(bytesOf(home.path()), kHandWritten);

        QFile::remove(home.path());
        {
            test::FileSizeLimit limit(1);
            QVERIFY(!home.createEmpty().ok());
        }
        QVERIFY(!home.exists());
    }

private:
    static Result<QString> textFor(const PhoneBookFile& file)
    {
        QFile f(file.path());
        if (!f.open(QIODevice::ReadOnly)) {
            return Result<QString>::failure(f.errorString());
        }
        return textfile::decode(f.readAll());
    }
};

VENNOR_TEST(PhoneBookTest)
#include "phonebooktest.moc"
