// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Cards this program puts on a real server: another program's card changed here stays
// well-formed for every reader, and a record no card can carry is named, never sent broken.

#include "support/davserver.h"
#include "support/synchome.h"
#include "support/testregistry.h"

#include <QProcess>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

class CardSyncTest : public QObject
{
    Q_OBJECT

private slots:
    void changedCardOfAnotherProgramReadsEverywhere_data()
    {
        QTest::addColumn<DavServer::Kind>("kind");
        QTest::newRow("radicale") << DavServer::Kind::radicale;
        QTest::newRow("xandikos") << DavServer::Kind::xandikos;
    }
    void changedCardOfAnotherProgramReadsEverywhere()
    {
        QFETCH(DavServer::Kind, kind);
        DavServer server(kind);
        QVERIFY(server.start());
        const QString url = server.addressBook() + "jane.vcf";
        const QByteArray card =
            "BEGIN:VCARD\r\nVERSION:2.1\r\nUID:jane-21\r\nN:Roe;Jane\r\nFN:Jane Roe\r\n"
            "NOTE;ENCODING=QUOTED-PRINTABLE:first line=0D=0Asecond line\r\n"
            "TEL;CELL:+49 171 555\r\nX-PET:Rex\r\nEND:VCARD\r\n";
        QCOMPARE(httpRequest("PUT", url, card), 201);
        SyncHome a(server.addressBook()), b(server.addressBook());
        QVERIFY(a.sync());
        Record jane = a.book().findByName("jane roe").value().value();
        QCOMPARE(jane.comment, "first line\nsecond line");
        jane.numbers = {{1, "0049171556"}};
        QVERIFY(a.book().replace(jane));
        carddav::SyncReport report;
        QVERIFY(a.sync(QStringLiteral("secret"), &report));
        QCOMPARE(report.sent, 1);

        QVERIFY(b.sync());
        QCOMPARE(b.book().findByName("jane roe").value().value(), jane);
        QByteArray stored;
        QCOMPARE(httpRequest("GET", url, {}, &stored), 200);
        // Xandikos keeps the card as sent, Radicale as vobject writes it again.
        const bool asSent = kind == DavServer::Kind::radicale ||
                            stored.contains("\r\nNOTE;ENCODING=QUOTED-PRINTABLE:first line=0D=0A"
                                            "second line\r\n");
        QVERIFY2(asSent && !stored.contains("\nsecond line") &&
                     stored.contains("TEL;TYPE=cell:+49171556") && stored.contains("\r\nREV:"),
                 stored.constData());
        QProcess python;
        python.start("/usr/bin/python3",
                     {"-c", "import sys, vobject; c = vobject.readOne(sys.stdin.read()); "
                            "print(c.note.value.replace('\\r', '').replace('\\n', '|'), "
                            "c.tel.value, c.x_pet.value)"});
        python.write(stored);
        python.closeWriteChannel();
        QVERIFY(python.waitForFinished(30000));
        if (python.readAllStandardError().contains("No module named 'vobject'")) {
            QSKIP("/usr/bin/python3 has no vobject (Debian python3-vobject)");
        }
        QCOMPARE(python.readAllStandardOutput().trimmed(), "first line|second line +49171556 Rex");
    }

    // A card holding a line that reads as "BEGIN:VCARD" elsewhere is never merged and sent:
    // the change stays here, named, and the card on the server stays as it was.
    void cardThatCannotBeMergedSafelyIsNotSent()
    {
        DavServer server(DavServer::Kind::xandikos);
        QVERIFY(server.start());
        const QString url = server.addressBook() + "odd.vcf";
        const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:odd-1\r\nFN:Odd One\r\n"
                                "TEL:111\r\nBEGIN :VCARD\r\nEND:VCARD\r\n";
        const int put = httpRequest("PUT", url, card);
        if (put != 201) {
            QSKIP("this Xandikos refuses such a card itself");
        }
        SyncHome a(server.addressBook());
        QVERIFY(a.sync());
        QVERIFY(a.book().replace(Record{"odd one", {}, {}, {}, {{0, "222"}}}));
        carddav::SyncReport report;
        QVERIFY(a.sync(QStringLiteral("secret"), &report));
        QCOMPARE(report.notSent, QStringList{"odd one"});
        QByteArray stored;
        QCOMPARE(httpRequest("GET", url, {}, &stored), 200);
        QCOMPARE(stored, card);
    }

    // A name of nothing visible (left by an older import) gives no card a reader could file:
    // the record is named in the report and the others go out.
    void recordNoCardCanCarryIsNamed()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        SyncHome a(server.addressBook());
        QVERIFY(a.book().append(Record{"ann", {}, {}, {}, {{0, "111"}}}));
        QVERIFY(a.book().append(Record{QString(QChar(0xFEFF)), {}, {}, {}, {{0, "222"}}}));
        carddav::SyncReport report;
        QVERIFY(a.sync(QStringLiteral("secret"), &report));
        QCOMPARE(report.sent, 1);
        QCOMPARE(report.notSent, QStringList{QString(QChar(0xFEFF))});
        QVERIFY2(report.summary().contains("Not sent"), qPrintable(report.summary()));
        QCOMPARE(cardCount(server.addressBook()), 1);
    }
};

VENNOR_TEST(CardSyncTest)
#include "cardsynctest.moc"
