// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Two homes sharing a phone book through a real CardDAV server: Radicale and Xandikos.

#include "support/davserver.h"
#include "support/synchome.h"
#include "support/testregistry.h"

#include "cli/commandline.h"
#include "support/tempfolders.h"
#include "support/writelimit.h"

#include <QDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

using namespace vennor;
using namespace vennor::test;

namespace {

void addServerRows()
{
    QTest::addColumn<DavServer::Kind>("kind");
    QTest::newRow("radicale") << DavServer::Kind::radicale;
    QTest::newRow("xandikos") << DavServer::Kind::xandikos;
}

} // namespace

class SyncTest : public QObject
{
    Q_OBJECT

private slots:
    void changesTravelBothWays_data() { addServerRows(); }
    void changesTravelBothWays()
    {
        QFETCH(DavServer::Kind, kind);
        DavServer server(kind);
        QVERIFY(server.start());
        SyncHome a(server.addressBook()), b(server.addressBook());
        QVERIFY(a.book().append(person("ann", "111")));
        QVERIFY(a.book().append(person("bob", "222")));
        QVERIFY2(a.sync(), qPrintable(a.sync().error()));
        QVERIFY(b.sync());
        QCOMPARE(b.contents(), (QMap<QString, QString>{{"ann", "111"}, {"bob", "222"}}));

        QVERIFY(b.book().replace(person("ann", "333")));
        QVERIFY(b.deleteRecord("bob"));
        QVERIFY(b.book().append(person("cy", "444")));
        QVERIFY(b.sync());
        QVERIFY(a.sync());
        QCOMPARE(a.contents(), (QMap<QString, QString>{{"ann", "333"}, {"cy", "444"}}));
        QCOMPARE(cardCount(server.addressBook()), 2);

        carddav::SyncReport again;
        QVERIFY(a.sync(QStringLiteral("secret"), &again));
        QCOMPARE(again.counts(), carddav::SyncReport().counts());
    }

    void bothSidesChangedKeepsTheLocalCopy()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        SyncHome a(server.addressBook()), b(server.addressBook());
        QVERIFY(a.book().append(person("ann", "111")));
        QVERIFY(a.sync() && b.sync());
        QVERIFY(a.book().replace(person("ann", "222")));
        QVERIFY(b.book().replace(person("ann", "333")));
        QVERIFY(a.sync());
        carddav::SyncReport report;
        QVERIFY(b.sync(QStringLiteral("secret"), &report));
        QCOMPARE(report.localCopies, QStringList{"ann (local copy)"});
        QVERIFY(a.sync());
        const QMap<QString, QString> both{{"ann", "222"}, {"ann (local copy)", "333"}};
        QCOMPARE(b.contents(), both);
        QCOMPARE(a.contents(), both);
    }

    void interruptedSyncIsFinishedByTheNext()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        SyncHome a(server.addressBook()), b(server.addressBook());
        QList<Record> records;
        for (int i = 0; i < 300; ++i) {
            records.append(person(QStringLiteral("person %1").arg(i), QString::number(1000 + i)));
        }
        QVERIFY(a.book().store(records));
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (QDir(server.radicaleFolder()).entryList({"*.vcf"}).size() >= 60) {
                server.stop();
            }
        });
        watch.start(5);
        QVERIFY(!a.sync());
        watch.stop();
        const qsizetype sent = QDir(server.radicaleFolder()).entryList({"*.vcf"}).size();
        QVERIFY2(sent >= 60 && sent < 300, qPrintable(QString::number(sent)));
        QVERIFY(server.start());
        QVERIFY(a.sync());
        QVERIFY(b.sync());
        QCOMPARE(cardCount(server.addressBook()), 300);
        QCOMPARE(b.contents(), a.contents());
        QCOMPARE(a.contents().size(), 300);
    }

    void pullThatCouldNotBeWrittenComesAgain()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        SyncHome a(server.addressBook()), b(server.addressBook());
        QVERIFY(b.sync());
        QVERIFY(a.book().append(person("ann", "111", QString(3000, u'x'))));
        QVERIFY(a.sync());
        {
            const WriteLimit limit(2000); // the book no longer fits, the state file does
            QVERIFY(limit.active());
            QVERIFY(!b.sync());
        }
        QVERIFY(b.sync());
        QCOMPARE(b.contents(), (QMap<QString, QString>{{"ann", "111"}}));
    }

    void wrongPasswordIsSaidAndChangesNothing()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        SyncHome a(server.addressBook());
        QVERIFY(a.book().append(person("ann", "111")));
        const Status outcome = a.sync(QStringLiteral("wrong"));
        QCOMPARE(outcome.error(),
                 QStringLiteral("The server 127.0.0.1 refused the user name or password."));
        QCOMPARE(cardCount(server.addressBook()), 0);
        QVERIFY(a.sync());
        QCOMPARE(cardCount(server.addressBook()), 1);
    }

    void anotherProgramsCardKeepsWhatTheRecordCannotHold()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        const QString url = server.addressBook() + "jane.vcf";
        const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:jane-1\r\nFN:Jane Roe\r\n"
                                "N:Roe;Jane;;;\r\nORG:Acme\r\nEMAIL;TYPE=work:jane@acme.test\r\n"
                                "EMAIL;TYPE=home:jr@home.test\r\nTEL;TYPE=cell:+1 555 0100\r\n"
                                "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRg==\r\n"
                                "X-PET:Rex\r\nEND:VCARD\r\n";
        QCOMPARE(httpRequest("PUT", url, card), 201);
        SyncHome a(server.addressBook());
        QVERIFY(a.sync());
        Record jane = a.book().findByName("jane roe").value().value();
        QCOMPARE(jane.numbers, (QList<PhoneNumber>{{1, "0015550100"}}));
        jane.numbers = {{1, "5550199"}};
        QVERIFY(a.book().replace(jane));
        QVERIFY(a.sync());
        QByteArray stored;
        QCOMPARE(httpRequest("GET", url, {}, &stored), 200);
        for (const char* kept : {"FN:Jane Roe", "ORG:Acme", "jr@home.test", "X-PET:Rex",
                                 "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRg==", "UID:jane-1",
                                 "TEL;TYPE=cell:5550199"}) {
            QVERIFY2(stored.contains(kept), kept);
        }
        QVERIFY(!stored.contains("0100"));
    }

    void commandLineLinksAndSyncs()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        TempFolders folders;
        folders.writeSettings({"1", "Home"});
        folders.writePhoneBook("Home", "ann\r\n0111\r\n)\r\n");
        const QString root = server.root();
        const struct
        {
            QStringList arguments;
            QByteArray input;
            int status;
            QString says;
        } steps[] = {
            {{"--sync"}, "", 1, "Home is not linked to a server"},
            {{"--link", root, "--user", "alice"}, "wrong\n", 1, "refused the user name"},
            {{"--link", "http://127.0.0.1:9/", "--user", "alice"},
             "secret\n",
             1,
             "Cannot reach the server 127.0.0.1"},
            {{"--link", root, "--user", "alice"},
             "secret\n",
             0,
             "Linked Home to " + server.addressBook()},
            {{"--link", root, "--user", "alice"}, "secret\n", 1, "linked already"},
            {{"--sync", "--book", "Home"}, "", 1, "no password"},
            {{"--sync"}, "secret\n", 0, "1 sent"},
            {{"--unlink", "--user", "alice"}, "", 2, "use --link URL --user NAME"},
            {{"--unlink"}, "", 0, "Unlinked Home"},
        };
        for (const auto& step : steps) {
            const auto [status, text] = runCommandLine(step.arguments, step.input);
            QVERIFY2(status == step.status && text.contains(step.says),
                     qPrintable(step.arguments.join(' ') + " gave " + QString::number(status) +
                                ": " + text));
        }
        QCOMPARE(cardCount(server.addressBook()), 1);
    }
};

VENNOR_TEST(SyncTest)
#include "synctest.moc"
