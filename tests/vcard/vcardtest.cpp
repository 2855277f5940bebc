// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// vCard import and export: other programs' cards, round trips, failing writes, the commands.

#include "cli/vcardcommands.h"
#include "core/phonebook.h"
#include "gui/mainwindow/mainwindow.h"
#include "support/messagelog.h"
#include "support/nextfiledialog.h"
#include "support/recordgenerator.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"
#include "support/writelimit.h"
#include "vcard/vcardimport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QTest>

using namespace vennor;

namespace {

const QByteArray kBook = ")\r\nann\r\n0111\r\n)\r\n";
// A name the book holds, one it does not (with quotes a comment cannot hold), no name.
const QByteArray kCards = "BEGIN:VCARD\r\nFN:Ann\r\nTEL:222\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nFN:Bob\r\nORG:\"Acme\"\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nTEL:1\r\nEND:VCARD\r\n";

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

using Numbers = QList<PhoneNumber>; // named, so that a record fits on fewer lines

} // namespace

class VCardTest : public QObject
{
    Q_OBJECT

    std::optional<test::TempFolders> folders_;

    QString path(const QString& name) const { return folders_->root() + "/" + name; }
    QByteArray bytesOf(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // A file's cards imported into a book (the empty "Work" unless named); the summary or why not.
    Result<ImportSummary> import(const QString& vcard, const QString& book = "Work") const
    {
        const Result<VCardImport> read = VCardImport::read(path(vcard), PhoneBookFile::named(book));
        return read ? read->write(OnExisting::skip)
                    : Result<ImportSummary>(Status::failure(read.error()));
    }

private slots:
    void init()
    {
        folders_.emplace();
        folders_->writeSettings({"1", "Home", "Work"});
        folders_->writePhoneBook("Home", kBook);
        folders_->writePhoneBook("Work", ")\r\n");
        writeFile("in.vcf", kCards);
        QDir().mkpath(path("folder.vcf"));
    }

    void mapsEveryField_data()
    {
        QTest::addColumn<QByteArray>("vcard");
        QTest::addColumn<Record>("expected"); // as the book reads it back
        QTest::newRow("RFC 6350")
            << kRfc6350
            << Record{"simon perreault", "simon.perreault@viagenie.ca",
                      "suite d2-630, 2875 laurier, quebec, qc, g1v 2m2, canada",
                      "work number: +1-418-656-9254;ext=102\norganisation: viagenie\n"
                      "birthday: --0203\nanniversary: 20090808t1430-0500\nweb: "
                      "http://nomis80.org\ngender: m",
                      Numbers{{1, "0014182626501"}}};
        QTest::newRow("RFC 2426, first card")
            << kRfc2426
            << Record{"frank dawson", "frank_dawson@lotus.com",
                      "6544 battleford drive, raleigh, nc, 27613-3502, u.s.a.",
                      "e-mail: fdawson@earthlink.net\norganisation: lotus development "
                      "corporation\nweb: http://home.earthlink.net/~fdawson",
                      Numbers{{6, "0019196769515"}, {3, "0019196769564"}}};
        QTest::newRow("RFC 2426, second card")
            << kRfc2426
            << Record{"tim howes", "howes@netscape.com",
                      "501 e. middlefield rd., mountain view, ca, 94043, u.s.a.",
                      "organisation: netscape communications corp.",
                      Numbers{{6, "0014159373419"}, {3, "0014155284164"}}};
        // 2.1: bare types, a group, Latin-1 by CHARSET, quoted-printable with soft line
        // breaks (one inside a UTF-8 sequence), LF alone, no FN.
        QTest::newRow("vCard 2.1")
            << QByteArray(
                   "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=ISO-8859-1:M\xfcller;J\xfcrgen\n"
                   "TEL;WORK;VOICE:(0)89 123-4\nitem1.TEL;CELL:+49.171.5\n"
                   "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:Erste=0D=0Azweite mit =C3=\n"
                   "=A4 und=\n weiter\nitem1.EMAIL;INTERNET;PREF:J@X.DE\n"
                   "ADR;HOME;QUOTED-PRINTABLE:;;Stra=C3=9Fe 1;M=C3=BCnchen\nEND:VCARD\n")
            << Record{"jürgen müller", "j@x.de", "straße 1, münchen",
                      "erste\nzweite mit ä und weiter", Numbers{{2, "0891234"}, {1, "00491715"}}};
        // 3.0: a fold inside "ë", escapes, repeated TYPE, a card of another name after it.
        QTest::newRow("vCard 3.0 by hand")
            << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Zo\xc3\r\n \xab Sm\xc3\xa9\r\n\tth\r\n"
                          "NOTE:one\\, two\\; three\\\\four\\nnext line\r\n"
                          "TEL;TYPE=HOME;TYPE=FAX:555 01\r\nTEL;TYPE=pager:555 02\r\n"
                          "TEL:555-CALL-NOW\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:x\r\nEND:VCARD\r\n")
            << Record{"zoë sméth", "", "",
                      "one, two; three\\four\nnext line\nhome number: 555-call-now",
                      Numbers{{3, "55501"}, {4, "55502"}}};
        // What the editor refuses becomes a blank; an unfileable name falls back to ORG.
        QTest::newRow("refused characters")
            << QByteArray("BEGIN:VCARD\r\nFN:12\r\nORG:Smith\\, \"Jo\"\r\nADR:;;a@b\r\n"
                          "NOTE:say \"hi\"\r\nEND:VCARD\r\n")
            << Record{"smith   jo", "", "a b", "say  hi \norganisation: smith,  jo", {}};
    }
    void mapsEveryField()
    {
        QFETCH(QByteArray, vcard);
        QFETCH(Record, expected);
        writeFile("in.vcf", vcard);
        QVERIFY(import("in.vcf"));
        QCOMPARE(PhoneBookFile::named("Work").findByName(expected.name)->value(), expected);
    }

    // abook's own export (vCard 2.1 without VERSION) comes in with every field in place.
    void importsAbookExport()
    {
        writeFile(
            "addressbook",
            "[format]\nprogram=abook\nversion=0.6.1\n\n[0]\nname=John Smith\n"
            "email=john@example.com,js@work.example\naddress=12 Main Street\n"
            "address2=Flat 3\ncity=Springfield\nstate=IL\nzip=62701\ncountry=USA\n"
            "phone=+1 (555) 123-4567\nworkphone=555.987.6543\nfax=555-000-1111\n"
            "mobile=+44 7700 900123\nnick=johnny\nurl=http://example.com/\nnotes=likes tea\n");
        QProcess abook;
        abook.start("abook", {"--convert", "--informat", "abook", "--infile", path("addressbook"),
                              "--outformat", "vcard", "--outfile", path("abook.vcf")});
        QVERIFY2(abook.waitForFinished(10000) && abook.exitCode() == 0, "abook is not installed");
        QCOMPARE(import("abook.vcf")->counts(), "1 added, 0 replaced, 0 skipped, 1 changed");
        QCOMPARE(PhoneBookFile::named("Work").findByName("john smith")->value(),
                 (Record{"john smith", "john@example.com",
                         "flat 3, 12 main street, springfield, il, 62701, usa",
                         "likes tea\ne-mail: js@work.example\nnickname: johnny\n"
                         "web: http://example.com/",
                         Numbers{{0, "0015551234567"},
                                 {2, "5559876543"},
                                 {3, "5550001111"},
                                 {1, "00447700900123"}}}));
    }

    // A file that is no vCard or is cut short names the line and writes nothing.
    void refusesBadFiles_data()
    {
        QTest::addColumn<QByteArray>("vcard");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QByteArray() << "in.vcf, line 1: the file is empty";
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
        writeFile("in.vcf", vcard);
        const Result<ImportSummary> summary = import("in.vcf");
        QVERIFY2(!summary.ok() && summary.error().contains(reason), qPrintable(summary.error()));
        QCOMPARE(folders_->readPhoneBook("Work"), QByteArray(")\r\n"));
    }

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
        QCOMPARE(*exportVCards(PhoneBookFile::named("Home"), path("out.vcf"), version), 10001);
        QCOMPARE(import("out.vcf")->counts(), "10001 added, 0 replaced, 0 skipped, 0 changed");
        QCOMPARE(folders_->readPhoneBook("Work"), folders_->readPhoneBook("Home"));
        QVERIFY(exportVCards(PhoneBookFile::named("Work"), path("again.vcf"), version).ok());
        QCOMPARE(bytesOf("again.vcf"), bytesOf("out.vcf"));
        const QList<QByteArray> lines = bytesOf("out.vcf").split('\n');
        QVERIFY(lines.size() > 100000 && lines.last().isEmpty());
        for (const QByteArray& line : lines.first(lines.size() - 1)) {
            QVERIFY(line.endsWith('\r') && line.size() <= 76);
            QVERIFY2(QString::fromUtf8(line).toUtf8() == line, line.constData()); // whole UTF-8
        }
    }

    // A write that fails leaves the book and the target file as they were.
    void failedWritesChangeNothing()
    {
        folders_->writePhoneBook("Big", kBook.repeated(50));
        test::WriteLimit limit(kBook.size() + 10); // less than Home with Bob added
        QVERIFY(limit.active()); // lowering one's own soft limit is always allowed
        QVERIFY(!import("in.vcf", "Home").ok());
        QCOMPARE(folders_->readPhoneBook("Home"), kBook);
        QVERIFY(!exportVCards(PhoneBookFile::named("Big"), path("in.vcf"), VCardVersion::v30));
        QCOMPARE(bytesOf("in.vcf"), kCards);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments"); // import|export, file, book, choice
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("home"); // the default book afterwards
        const QByteArray bob = "bob\r\n\" organisation:  acme\"\r\n)\r\n";
        QTest::newRow("import, skip by default")
            << QStringList{"import", "in.vcf", "", ""}
            << "in.vcf into Home: 1 added, 0 replaced, 2 skipped, 1 changed." << 0 << kBook + bob;
        QTest::newRow("import, replace")
            << QStringList{"import", "in.vcf", "Home", "replace"}
            << "in.vcf into Home: 1 added, 1 replaced, 1 skipped, 1 changed." << 0
            << ")\r\nann\r\n0222\r\n)\r\n" + bob;
        QTest::newRow("import into another book")
            << QStringList{"import", "in.vcf", "Work", "skip"}
            << "in.vcf into Work: 2 added, 0 replaced, 1 skipped, 1 changed." << 0 << kBook;
        QTest::newRow("unknown book") << QStringList{"import", "in.vcf", "Nope", ""}
                                      << "There is no phone book called \"Nope\"." << 2 << kBook;
        QTest::newRow("bad choice")
            << QStringList{"import", "in.vcf", "", "merge"}
            << "--on-existing takes replace or skip, not \"merge\"." << 2 << kBook;
        QTest::newRow("missing file")
            << QStringList{"import", "none.vcf", "", ""}
            << "Could not open none.vcf: No such file or directory Nothing was imported." << 1
            << kBook;
        QTest::newRow("export 4.0") << QStringList{"export", "out.vcf", "", "4.0"}
                                    << "1 card of Home written to out.vcf." << 0 << kBook;
        QTest::newRow("bad version") << QStringList{"export", "out.vcf", "", "2.1"}
                                     << "--version takes 3.0 or 4.0, not \"2.1\"." << 2 << kBook;
        QTest::newRow("export to no folder") << QStringList{"export", "folder.vcf", "", ""}
                                             << "Could not write folder.vcf" << 1 << kBook;
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, line);
        QFETCH(int, status);
        QFETCH(QByteArray, home);
        const QString file = path(arguments[1]);
        const CommandOutcome outcome = arguments[0] == "import"
                                           ? runVCardImport(file, arguments[2], arguments[3])
                                           : runVCardExport(file, arguments[2], arguments[3]);
        QVERIFY2(outcome.line.startsWith(line), qPrintable(outcome.line));
        QCOMPARE(outcome.exitStatus, status);
        QCOMPARE(folders_->readPhoneBook("Home"), home);
        QVERIFY(!line.contains("out.vcf") || bytesOf("out.vcf").contains("VERSION:4.0\r\nUID:"));
    }

    // The menu items sit before Exit; import asks Replace or Skip once, sums up, refills the
    // lists; export writes the version the file type chose.
    void menuItems()
    {
        test::MessageLog messages;
        test::NextFileDialog dialogs;
        SharedState state;
        MainWindow window(state);
        QStringList names;
        for (const QAction* action : window.findChild<QMenu*>("fil")->actions()) {
            names << action->objectName();
        }
        QCOMPARE(names, (QStringList{"save", "clean", "deleterec", "dash", "del_num", "vcardLine",
                                     "importVCard", "exportVCard", "under", "exit"}));

        // The import empties the editor: a record typed and not saved is offered for saving.
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(window.findChild<QWidget*>("Text0"), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), "zed");
        messages.answerNext(MessageBox::Answer::Cancel);
        window.findChild<QAction*>("importVCard")->trigger();
        QCOMPARE(messages.texts(), QStringList{"save the record before the import"});
        QVERIFY(dialogs.requests.isEmpty());
        QCOMPARE(folders_->readPhoneBook("Home"), kBook);
        window.findChild<QAction*>("clean")->trigger();
        messages.clear();

        dialogs.choose(path("in.vcf"));
        messages.answerNext(MessageBox::Answer::Replace);
        window.findChild<QAction*>("importVCard")->trigger();
        QCOMPARE(messages.texts(),
                 (QStringList{"1 card has a name the phone book holds already.",
                              "in.vcf into Home: 1 added, 1 replaced, 1 skipped, 1 changed."}));
        QCOMPARE(messages.last().informative,
                 "bob: organisation put in the comment; characters the comment cannot "
                 "hold replaced by blanks\nthe card on line 9: no name: not imported");
        QVERIFY(messages.last().success);
        QCOMPARE(window.nameEntries().first(2), (QStringList{"ann", "bob"}));

        dialogs.answers << FileDialogResult{path("out"), 2};
        window.findChild<QAction*>("exportVCard")->trigger();
        QCOMPARE(dialogs.requests.last().fileName, "Home.vcf");
        QCOMPARE(messages.last().text, "2 cards of Home written to out.vcf.");
        QVERIFY(messages.last().success);
        QVERIFY(bytesOf("out.vcf").startsWith("BEGIN:VCARD\r\nVERSION:4.0"));
    }
};

VENNOR_TEST(VCardTest)
#include "vcardtest.moc"
