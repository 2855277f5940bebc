// Export and import against each other, against abook, and against failing writes.

#include "storage/phonebook.h"
#include "storage/vcardimport.h"
#include "support/recordgenerator.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"
#include "support/writelimit.h"

#include <QFile>
#include <QProcess>
#include <QTest>

using namespace vennor;

class VCardRoundTripTest : public QObject
{
    Q_OBJECT

    std::optional<test::TempFolders> folders_;

    QString path(const QString& name) const { return folders_->root() + "/" + name; }
    QByteArray bytesOf(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    Result<ImportSummary> import(const QString& vcard, const QString& book) const
    {
        const Result<VCardImport> read = VCardImport::read(path(vcard), PhoneBookFile::named(book));
        return read ? read->write(OnExisting::replace)
                    : Result<ImportSummary>(Status::failure(read.error()));
    }

private slots:
    void init() { folders_.emplace(); }
    void cleanup() { folders_.reset(); }

    // 10,000 records hard on the format: export, import into an empty book, the same bytes;
    // import then export, the same cards; lines folded at 75 octets, each valid UTF-8.
    void roundTrips_data()
    {
        QTest::addColumn<VCardVersion>("version");
        QTest::newRow("3.0") << VCardVersion::v30;
        QTest::newRow("4.0") << VCardVersion::v40;
    }
    void roundTrips()
    {
        QFETCH(VCardVersion, version);
        test::RecordGenerator generator(15);
        QString book = ")\r\n";
        for (int i = 0; i < 10000; ++i) {
            Record record = generator.awkward();
            for (PhoneNumber& number : record.numbers) {
                number.number.remove('.'); // a dot is a separator to other address books
            }
            record.name += QString::number(i); // one record a name
            book += recordText(record);
        }
        book += recordText({QString(40, u'ж'), {}, QString(50, u'é'), QString(60, u'€'), {}});
        folders_->writePhoneBook("Home", book.toUtf8());
        folders_->writePhoneBook("Copy", ")\r\n");
        QCOMPARE(exportVCards(PhoneBookFile::named("Home"), path("out.vcf"), version).value(),
                 10001);
        const Result<ImportSummary> summary = import("out.vcf", "Copy");
        QCOMPARE(summary->counts(), "10001 added, 0 replaced, 0 skipped, 0 changed");
        QCOMPARE(folders_->readPhoneBook("Copy"), folders_->readPhoneBook("Home"));
        QVERIFY(exportVCards(PhoneBookFile::named("Copy"), path("again.vcf"), version).ok());
        QCOMPARE(bytesOf("again.vcf"), bytesOf("out.vcf"));

        const QList<QByteArray> lines = bytesOf("out.vcf").split('\n');
        QVERIFY(lines.size() > 100000 && lines.last().isEmpty());
        for (const QByteArray& line : lines.first(lines.size() - 1)) {
            QVERIFY(line.endsWith('\r') && line.size() <= 76);
            QVERIFY2(QString::fromUtf8(line).toUtf8() == line, line.constData()); // whole UTF-8
        }
    }

    // abook's own export (vCard 2.1 without VERSION) comes in with every field in place.
    void importsAbookExport()
    {
        QFile abookFile(path("addressbook"));
        QVERIFY(abookFile.open(QIODevice::WriteOnly));
        abookFile.write("[format]\nprogram=abook\nversion=0.6.1\n\n[0]\nname=John Smith\n"
                        "email=john@example.com,js@work.example\naddress=12 Main Street\n"
                        "address2=Flat 3\ncity=Springfield\nstate=IL\nzip=62701\ncountry=USA\n"
                        "phone=+1 (555) 123-4567\nworkphone=555.987.6543\nfax=555-000-1111\n"
                        "mobile=+44 7700 900123\nnick=johnny\nurl=http://example.com/\n"
                        "notes=likes tea\n");
        abookFile.close();
        QProcess abook;
        abook.start("abook", {"--convert", "--informat", "abook", "--infile", path("addressbook"),
                              "--outformat", "vcard", "--outfile", path("abook.vcf")});
        QVERIFY2(abook.waitForFinished(10000) && abook.exitCode() == 0, "abook is not installed");
        folders_->writePhoneBook("Home", ")\r\n");
        QCOMPARE(import("abook.vcf", "Home")->counts(),
                 "1 added, 0 replaced, 0 skipped, 1 changed");
        const auto found = PhoneBookFile::named("Home").findByName("john smith");
        QCOMPARE(found->value(), (Record{"john smith",
                                         "john@example.com",
                                         "flat 3, 12 main street, springfield, il, 62701, usa",
                                         "likes tea\ne-mail: js@work.example\nnickname: johnny\n"
                                         "web: http://example.com/",
                                         {{0, "0015551234567"},
                                          {2, "5559876543"},
                                          {3, "5550001111"},
                                          {1, "00447700900123"}}}));
    }

    // A write that fails leaves the book and the target file as they were.
    void failedWritesChangeNothing()
    {
        const QByteArray before = ")\r\nann\r\n0111\r\n)\r\n";
        folders_->writePhoneBook("Home", before);
        QFile vcard(path("in.vcf"));
        QVERIFY(vcard.open(QIODevice::WriteOnly));
        for (int i = 0; i < 200; ++i) {
            vcard.write("BEGIN:VCARD\r\nFN:Ann " + QByteArray::number(i) + "\r\nEND:VCARD\r\n");
        }
        vcard.close();
        const QByteArray oldExport = bytesOf("in.vcf");
        folders_->writePhoneBook("Big", QByteArray(before).repeated(50));
        test::WriteLimit limit(before.size() + 100);
        if (!limit.active()) {
            QSKIP("the file size limit cannot be set here");
        }
        QVERIFY(!import("in.vcf", "Home").ok());
        QCOMPARE(folders_->readPhoneBook("Home"), before);
        QVERIFY(!exportVCards(PhoneBookFile::named("Big"), path("in.vcf"), VCardVersion::v30));
        QCOMPARE(bytesOf("in.vcf"), oldExport);
    }
};

VENNOR_TEST(VCardRoundTripTest)
#include "vcardroundtriptest.moc"
