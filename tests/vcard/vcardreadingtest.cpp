// Cards as other programs and the RFCs write them, imported into a phone book and read back.

#include "storage/phonebook.h"
#include "storage/vcardimport.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QFile>
#include <QTest>

using namespace vennor;

namespace {

// RFC 6350, section 8.
const QByteArray kRfc6350 =
    "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Simon Perreault\r\nN:Perreault;Simon;;;ing. jr,M.Sc.\r\n"
    "BDAY:--0203\r\nANNIVERSARY:20090808T1430-0500\r\nGENDER:M\r\nLANG;PREF=1:fr\r\n"
    "LANG;PREF=2:en\r\nORG;TYPE=work:Viagenie\r\n"
    "ADR;TYPE=work:;Suite D2-630;2875 Laurier;\r\n Quebec;QC;G1V 2M2;Canada\r\n"
    "TEL;VALUE=uri;TYPE=\"work,voice\";PREF=1:tel:+1-418-656-9254;ext=102\r\n"
    "TEL;VALUE=uri;TYPE=\"work,cell,voice,video,text\":tel:+1-418-262-6501\r\n"
    "EMAIL;TYPE=work:simon.perreault@viagenie.ca\r\nGEO;TYPE=work:geo:46.772673,-71.282945\r\n"
    "KEY;TYPE=work;VALUE=uri:\r\n http://www.viagenie.ca/simon.perreault/simon.asc\r\n"
    "TZ:-0500\r\nURL;TYPE=home:http://nomis80.org\r\nEND:VCARD\r\n";

// RFC 2426, section 7 (its two cards, the second folded inside its address).
const QByteArray kRfc2426 =
    "BEGIN:vCard\r\nVERSION:3.0\r\nFN:Frank Dawson\r\nORG:Lotus Development Corporation\r\n"
    "ADR;TYPE=WORK,POSTAL,PARCEL:;;6544 Battleford Drive\r\n ;Raleigh;NC;27613-3502;U.S.A.\r\n"
    "TEL;TYPE=VOICE,MSG,WORK:+1-919-676-9515\r\nTEL;TYPE=FAX,WORK:+1-919-676-9564\r\n"
    "EMAIL;TYPE=INTERNET,PREF:Frank_Dawson@Lotus.com\r\nEMAIL;TYPE=INTERNET:fdawson@earthlink."
    "net\r\n"
    "URL:http://home.earthlink.net/~fdawson\r\nEND:vCard\r\n\r\n\r\n"
    "BEGIN:vCard\r\nVERSION:3.0\r\nFN:Tim Howes\r\nORG:Netscape Communications Corp.\r\n"
    "ADR;TYPE=WORK:;;501 E. Middlefield Rd.;Mountain View;\r\n CA; 94043;U.S.A.\r\n"
    "TEL;TYPE=VOICE,MSG,WORK:+1-415-937-3419\r\nTEL;TYPE=FAX,WORK:+1-415-528-4164\r\n"
    "EMAIL;TYPE=INTERNET:howes@netscape.com\r\nEND:vCard\r\n";

} // namespace

class VCardReadingTest : public QObject
{
    Q_OBJECT

    std::optional<test::TempFolders> folders_;

    // The cards imported into an empty book; the summary, or the reason they were refused.
    Result<ImportSummary> import(const QByteArray& vcard, OnExisting onExisting = OnExisting::skip)
    {
        QFile file(folders_->root() + "/in.vcf");
        if (!file.open(QIODevice::WriteOnly) || file.write(vcard) != vcard.size()) {
            return Status::failure("no test file");
        }
        file.close();
        const Result<VCardImport> read = VCardImport::read(file.fileName(), book());
        return read ? read->write(onExisting)
                    : Result<ImportSummary>(Status::failure(read.error()));
    }
    PhoneBookFile book() const { return PhoneBookFile::named("Home"); }

private slots:
    void init()
    {
        folders_.emplace();
        folders_->writePhoneBook("Home", ")\r\n");
    }
    void cleanup() { folders_.reset(); }

    void mapsEveryField_data()
    {
        QTest::addColumn<QByteArray>("vcard");
        QTest::addColumn<Record>("expected"); // as the book reads it back
        QTest::addColumn<int>("changed");
        QTest::newRow("RFC 6350")
            << kRfc6350
            << Record{"simon perreault",
                      "simon.perreault@viagenie.ca",
                      "suite d2-630, 2875 laurier, quebec, qc, g1v 2m2, canada",
                      "work number: +1-418-656-9254;ext=102\norganisation: viagenie\nbirthday: "
                      "--0203\nanniversary: 20090808t1430-0500\nweb: http://nomis80.org\n"
                      "gender: m",
                      {{1, "0014182626501"}}}
            << 1;
        QTest::newRow("RFC 2426, first card")
            << kRfc2426
            << Record{"frank dawson",
                      "frank_dawson@lotus.com",
                      "6544 battleford drive, raleigh, nc, 27613-3502, u.s.a.",
                      "e-mail: fdawson@earthlink.net\norganisation: lotus development "
                      "corporation\nweb: http://home.earthlink.net/~fdawson",
                      {{6, "0019196769515"}, {3, "0019196769564"}}}
            << 2;
        QTest::newRow("RFC 2426, second card")
            << kRfc2426
            << Record{"tim howes",
                      "howes@netscape.com",
                      "501 e. middlefield rd., mountain view, ca, 94043, u.s.a.",
                      "organisation: netscape communications corp.",
                      {{6, "0014159373419"}, {3, "0014155284164"}}}
            << 2;
        // 2.1: bare types, a group, Latin-1 by CHARSET, quoted-printable with soft line
        // breaks (one inside a UTF-8 sequence), LF alone, no FN.
        QTest::newRow("vCard 2.1")
            << QByteArray(
                   "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=ISO-8859-1:M\xfcller;J\xfcrgen\n"
                   "TEL;WORK;VOICE:(0)89 123-4\nitem1.TEL;CELL:+49.171.5\n"
                   "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:Erste=0D=0Azweite mit =C3=\n"
                   "=A4 und=\n weiter\nitem1.EMAIL;INTERNET;PREF:J@X.DE\n"
                   "ADR;HOME;QUOTED-PRINTABLE:;;Stra=C3=9Fe 1;M=C3=BCnchen\nEND:VCARD\n")
            << Record{"jürgen müller",
                      "j@x.de",
                      "straße 1, münchen",
                      "erste\nzweite mit ä und weiter",
                      {{2, "0891234"}, {1, "00491715"}}}
            << 0;
        // 3.0: a fold inside "ë", escapes, repeated TYPE, a card of another name after it.
        QTest::newRow("vCard 3.0 by hand")
            << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Zo\xc3\r\n \xab Sm\xc3\xa9\r\n\tth\r\n"
                          "NOTE:one\\, two\\; three\\\\four\\nnext line\r\n"
                          "TEL;TYPE=HOME;TYPE=FAX:555 01\r\nTEL;TYPE=pager:555 02\r\n"
                          "TEL:555-CALL-NOW\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:x\r\nEND:VCARD\r\n")
            << Record{"zoë sméth",
                      "",
                      "",
                      "one, two; three\\four\nnext line\nhome number: 555-call-now",
                      {{3, "55501"}, {4, "55502"}}}
            << 1;
        // What the editor refuses becomes a blank; an unfileable name falls back to ORG.
        QTest::newRow("refused characters")
            << QByteArray("BEGIN:VCARD\r\nFN:12\r\nORG:Smith\\, \"Jo\"\r\nADR:;;a@b\r\n"
                          "NOTE:say \"hi\"\r\nEND:VCARD\r\n")
            << Record{"smith   jo", "", "a b", "say  hi \norganisation: smith,  jo", {}} << 1;
    }
    void mapsEveryField()
    {
        QFETCH(QByteArray, vcard);
        QFETCH(Record, expected);
        QFETCH(int, changed);
        const Result<ImportSummary> summary = import(vcard);
        QVERIFY2(summary.ok(), qPrintable(summary.error()));
        const auto found = book().findByName(expected.name);
        QVERIFY(found.ok() && found->has_value());
        QCOMPARE(**found, expected);
        const auto details = summary->details.filter(expected.name + ":");
        QCOMPARE(details.size(), qsizetype(changed > 0 ? 1 : 0));
    }

    // A file that is no vCard or is cut short names the line and writes nothing.
    void refusesBadFiles_data()
    {
        QTest::addColumn<QByteArray>("vcard");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QByteArray() << "in.vcf, line 1: the file is empty";
        QTest::newRow("blank lines") << QByteArray("\r\n \r\n") << "line 1: the file is empty";
        QTest::newRow("not a vCard") << QByteArray("\r\nname,phone\r\nbob,123\r\n")
                                     << "line 2: BEGIN:VCARD expected, found \"name,phone\"";
        QTest::newRow("END:VCARD missing")
            << QByteArray("BEGIN:VCARD\r\nFN:a\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:b\r\nTEL:1\r\n")
            << "line 6: the file ends inside the card begun on line 4 (END:VCARD is missing)";
        QTest::newRow("not a property")
            << QByteArray("BEGIN:VCARD\nFN:a\n\nstray text\nEND:VCARD\n")
            << "line 4: \"stray text\" is not a vCard property";
    }
    void refusesBadFiles()
    {
        QFETCH(QByteArray, vcard);
        QFETCH(QString, reason);
        const Result<ImportSummary> summary = import(vcard);
        QVERIFY(!summary.ok());
        QVERIFY2(summary.error().contains(reason), qPrintable(summary.error()));
        QCOMPARE(folders_->readPhoneBook("Home"), QByteArray(")\r\n"));
    }

    // Names the book holds: replaced or skipped; the counts say what happened to each card.
    void existingNames_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("counts");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("skip") << false << "1 added, 0 replaced, 2 skipped, 0 changed"
                              << QByteArray(")\r\nann\r\n0111\r\n)\r\nbob\r\n)\r\ncid\r\n)\r\n");
        QTest::newRow("replace") << true << "1 added, 1 replaced, 1 skipped, 0 changed"
                                 << QByteArray(")\r\nbob\r\n)\r\nann\r\n0222\r\n)\r\ncid\r\n)\r\n");
    }
    void existingNames()
    {
        QFETCH(bool, replace);
        QFETCH(QString, counts);
        QFETCH(QByteArray, after);
        folders_->writePhoneBook("Home", ")\r\nann\r\n0111\r\n)\r\nbob\r\n)\r\n");
        const Result<ImportSummary> summary =
            import("BEGIN:VCARD\r\nFN:Ann\r\nTEL:222\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Cid\r\n"
                   "END:VCARD\r\nBEGIN:VCARD\r\nTEL:1\r\nEND:VCARD\r\n",
                   replace ? OnExisting::replace : OnExisting::skip);
        QVERIFY(summary.ok());
        QCOMPARE(summary->counts(), counts);
        QCOMPARE(summary->details, QStringList{"the card on line 8: no name: not imported"});
        QCOMPARE(folders_->readPhoneBook("Home"), after);
    }
};

VENNOR_TEST(VCardReadingTest)
#include "vcardreadingtest.moc"
