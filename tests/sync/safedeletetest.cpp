// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a sync may remove from the server: only the cards of records the user deleted here
// through the program, whatever else happens to the book file, its link or its state file.

#include "support/davserver.h"
#include "support/synchome.h"

#include "cli/commandline.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/phonebooks/backup.h"
#include "gui/phonebooks/phonebookdialog.h"
#include "gui/sync/synccontroller.h"
#include "support/messagelog.h"
#include "support/nextfiledialog.h"
#include "support/recordshost.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"
#include "sync/syncnotes.h"
#include "vcard/vcardmapping.h"
#include "widgets/textbox.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cstdio>

using namespace vennor;
using namespace vennor::test;

namespace {

// A card another client put on the server, with what no record holds.
QByteArray foreignCard(const QByteArray& uid, const QByteArray& name, const QByteArray& number)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + uid + "\r\nFN:" + name + "\r\nN:" + name +
           ";;;;\r\nTEL;TYPE=cell:" + number +
           "\r\nPHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRg==\r\nX-PET:Rex\r\nEND:VCARD\r\n";
}

void addServerRows(const QStringList& ways)
{
    QTest::addColumn<DavServer::Kind>("kind");
    QTest::addColumn<QString>("way");
    for (const QString& way : ways) {
        QTest::addRow("radicale, %s", qPrintable(way)) << DavServer::Kind::radicale << way;
        QTest::addRow("xandikos, %s", qPrintable(way)) << DavServer::Kind::xandikos << way;
    }
}

// The phone book "Home", the default, on temporary folders, linked to the address book.
struct LinkedHome
{
    explicit LinkedHome(const QString& url, const QStringList& otherBooks = {})
    {
        folders.writeSettings(QStringList{"1", "Home"} + otherBooks);
        folders.writePhoneBook("Home", ")\r\n");
        SyncState link;
        link.url = url;
        link.user = "alice";
        link.save(statePath());
    }
    QString path() const { return folders.phoneBook("Home"); }
    QString statePath() const { return SyncState::pathFor(path()); }
    PhoneBookFile book() const { return PhoneBookFile(path()); }
    QStringList names() const
    {
        QStringList names;
        const QList<Record> records = book().records().value();
        for (const Record& record : records) {
            names.append(record.name);
        }
        names.sort();
        return names;
    }

    TempFolders folders;
    MessageLog messages;
};

QString vcf(const DavServer& server, const QString& name)
{
    return server.addressBook() + name + ".vcf";
}

} // namespace

class SafeDeleteTest : public QObject
{
    Q_OBJECT

private slots:
    // A new book under the old name, an emptied file, a record another program took out: the
    // cards stay, and the records come back from the server.
    void missingRecordsComeBackInsteadOfGoing_data()
    {
        addServerRows({"new book", "emptied", "edited elsewhere"});
    }
    void missingRecordsComeBackInsteadOfGoing()
    {
        QFETCH(DavServer::Kind, kind);
        QFETCH(QString, way);
        DavServer server(kind);
        QVERIFY(server.start());
        SyncHome a(server.addressBook());
        QVERIFY(a.book().append(person("ann", "111")) && a.book().append(person("bob", "222")));
        QCOMPARE(httpRequest("PUT", vcf(server, "phone"), foreignCard("phone-1", "Cy", "333")),
                 201);
        QVERIFY(a.sync());
        const QMap<QString, QString> all{{"ann", "111"}, {"bob", "222"}, {"cy", "333"}};
        QCOMPARE(a.contents(), all);

        if (way == "new book") {
            QVERIFY(QFile::remove(a.path()) && a.book().createEmpty());
        } else if (way == "emptied") {
            QFile file(a.path());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        } else {
            QVERIFY(a.book().removeAll("bob"));
        }
        carddav::SyncReport report;
        QVERIFY(a.sync(QStringLiteral("secret"), &report));
        QCOMPARE(report.removedThere, 0);
        QCOMPARE(cardCount(server.addressBook()), 3);
        QCOMPARE(a.contents(), all);
        QVERIFY(a.sync(QStringLiteral("secret"), &report));
        QCOMPARE(report.counts(), carddav::SyncReport().counts());
    }

    // An older copy of the book put back must not undo what other devices did since.
    void restoredBackupDeletesNothing_data() { addServerRows({"copied back", "Get backup"}); }
    void restoredBackupDeletesNothing()
    {
        QFETCH(DavServer::Kind, kind);
        QFETCH(QString, way);
        const bool throughTheProgram = way == "Get backup";
        DavServer server(kind);
        QVERIFY(server.start());
        LinkedHome home(server.addressBook());
        QVERIFY(home.book().append(person("ann", "111")) &&
                home.book().append(person("bob", "222")));
        QVERIFY(syncOnce(home.path()));
        QVERIFY(QDir(home.folders.root()).mkdir("backups"));
        const QString backup = home.folders.root() + "/backups/Home.dat";
        QVERIFY(QFile::copy(home.path(), backup));
        const QDateTime then = QFileInfo(home.path()).lastModified();

        SyncHome other(server.addressBook());
        QVERIFY(other.sync());
        QVERIFY(other.book().replace(person("ann", "444")) &&
                other.book().append(person("cy", "333")));
        QVERIFY(other.sync());
        QTest::qWait(20);
        QVERIFY(syncOnce(home.path()));

        if (throughTheProgram) {
            NextFileDialog files;
            files.choose(backup);
            SharedState state;
            RecordsHost host(state);
            home.messages.answerNext(MessageBox::Answer::Ok); // overwrite
            getBackup(host);
        } else {
            QFile::remove(home.path());
            QVERIFY(QFile::copy(backup, home.path()));
            QFile restored(home.path());
            QVERIFY(restored.open(QIODevice::ReadWrite) &&
                    restored.setFileTime(then, QFileDevice::FileModificationTime));
        }
        carddav::SyncReport report;
        QVERIFY(syncOnce(home.path(), "secret", &report));
        QCOMPARE(report.removedThere, 0);
        QVERIFY2(report.summary().contains("merged afresh and nothing was deleted"),
                 qPrintable(report.summary()));
        QVERIFY(other.sync());
        QCOMPARE(other.contents().value("ann"), "444");
        QCOMPARE(other.contents().value("cy"), "333");
        QCOMPARE(other.contents().value("ann (local copy)"), "111");
        QCOMPARE(home.names(), (QStringList{"ann", "ann (local copy)", "bob", "cy"}));
    }

    // Deleted in the window, a record's card goes; taken out by another program, it stays.
    void windowDeleteRemovesExactlyThatCard()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        LinkedHome home(server.addressBook());
        for (const char* name : {"ann", "bob", "cy"}) {
            QVERIFY(home.book().append(person(name, "111")));
        }
        QVERIFY(syncOnce(home.path()));
        SharedState state;
        MainWindow window(state);
        state.selectedName = "bob";
        window.loadRecordByName();
        QVERIFY(window.hasRecordFromFile());
        home.messages.answerNext(MessageBox::Answer::Ok);
        window.deleteRecord();
        QVERIFY(home.book().removeAll("cy"));

        carddav::SyncReport report;
        QVERIFY(syncOnce(home.path(), "secret", &report));
        QCOMPARE(report.removedThere, 1);
        QCOMPARE(cardCount(server.addressBook()), 2);
        QCOMPARE(home.names(), (QStringList{"ann", "cy"}));
    }

    // The sync a delete in the window starts knows of the deletion, even of the last record.
    void lastRecordDeletedInTheWindowLeavesTheServer()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        LinkedHome home(server.addressBook());
        QVERIFY(home.book().append(person("ann", "111")));
        QVERIFY(syncOnce(home.path()));
        SharedState state;
        MainWindow window(state);
        MemoryPasswords passwords;
        passwords.whenAsked = QStringLiteral("secret");
        SyncController sync(window, passwords);
        QObject::connect(&window, &MainWindow::bookChanged, &sync, [&sync] { sync.syncNow(); });
        state.selectedName = "ann";
        window.loadRecordByName();
        home.messages.answerNext(MessageBox::Answer::Ok);
        window.deleteRecord();
        QTRY_VERIFY_WITH_TIMEOUT(!sync.running(), 10000);
        QVERIFY2(sync.statusText().contains("1 removed on the server"),
                 qPrintable(sync.statusText()));
        QCOMPARE(cardCount(server.addressBook()), 0);
        QCOMPARE(home.names(), QStringList());
    }

    // The window deletes a record while a sync runs: the sync's own writes of the state file
    // do not wipe the deletion out.
    void deletionNotedDuringASyncSurvives()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        SyncHome a(server.addressBook()), b(server.addressBook());
        QVERIFY(a.book().append(person("ann", "111")) && a.book().append(person("bob", "222")));
        QVERIFY(a.sync() && b.sync());
        QVERIFY(b.book().append(person("cy", "333")) && b.sync());

        carddav::BookSync running(a.path(), "secret", "00");
        bool noted = false;
        QObject::connect(&running, &carddav::BookSync::bookRewritten,
                         [&] { noted = bool(a.deleteRecord("bob")); });
        QSignalSpy finished(&running, &carddav::BookSync::finished);
        running.start();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 10000);
        QVERIFY(noted);
        QVERIFY(a.sync());
        QCOMPARE(a.contents(), (QMap<QString, QString>{{"ann", "111"}, {"cy", "333"}}));
        QCOMPARE(cardCount(server.addressBook()), 2);
    }

    // Deleted while this very sync was sending it, a record's new card goes at the next sync.
    void recordDeletedWhileBeingSentGoesToo()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        SyncHome a(server.addressBook());
        QList<Record> records;
        for (int i = 0; i < 300; ++i) {
            records.append(person(QStringLiteral("person %1").arg(i), QString::number(1000 + i)));
        }
        QVERIFY(a.book().store(records));
        const QString first =
            server.radicaleFolder() + "/" + uidOf("person 0").remove("urn:uuid:") + ".vcf";
        bool deleted = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (!deleted && QFile::exists(first)) {
                deleted = bool(a.deleteRecord("person 0"));
            }
        });
        watch.start(1);
        QVERIFY(a.sync());
        watch.stop();
        QVERIFY(deleted);
        QVERIFY(a.sync());
        QCOMPARE(cardCount(server.addressBook()), 299);
        QVERIFY(!a.contents().contains("person 0"));
    }

    // Delete phone book drops the link, Rename moves it; a new book never takes a link left
    // behind.
    void linkGoesWithTheBook()
    {
        LinkedHome home("http://127.0.0.1:9/book/", {"Work"});
        home.folders.writePhoneBook("Work", ")\r\n");
        SharedState state;
        RecordsHost host(state);
        const auto ok = [&](int mode, const QString& choice, const QString& text) {
            state.dialogMode = BookDialogMode(mode);
            PhoneBookDialog dialog(state, host, host.window());
            dialog.show();
            dialog.bookList_->setCurrentText(choice);
            (mode == 0 ? dialog.nameBox_ : dialog.newNameBox_)->setText(text);
            home.messages.answerNext(MessageBox::Answer::Ok);
            dialog.okButton_->click();
        };
        const QString dataDir = QFileInfo(home.path()).path() + "/";
        ok(1, "Home", "Office");
        QVERIFY(!QFile::exists(dataDir + "Home.sync"));
        const auto moved = SyncState::load(dataDir + "Office.sync");
        QVERIFY(moved && *moved && (*moved)->url == "http://127.0.0.1:9/book/");

        QVERIFY(QFile::copy(dataDir + "Office.sync", dataDir + "Old.sync"));
        ok(0, {}, "Old");
        QVERIFY(QFile::exists(dataDir + "Old.dat") && !QFile::exists(dataDir + "Old.sync"));
        ok(3, "Office", {});
        QVERIFY(!QFile::exists(dataDir + "Office.dat") && !QFile::exists(dataDir + "Office.sync"));
    }

    // Many cards at once leave the server only with leave: --allow-mass-delete, or OK in the
    // window.
    void massDeleteNeedsLeave()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        LinkedHome home(server.addressBook());
        QList<Record> records;
        for (int i = 0; i < 40; ++i) {
            records.append(person(QStringLiteral("person %1").arg(i), QString::number(100 + i)));
        }
        QVERIFY(home.book().store(records));
        QCOMPARE(runCommandLine({"--sync"}, "secret\n").first, 0);
        const auto deleteHere = [&](int from, int to) {
            for (int i = from; i < to; ++i) {
                const QString name = QStringLiteral("person %1").arg(i);
                QVERIFY(home.book().removeAll(name) && noteDeleted(home.path(), {name}));
            }
        };
        deleteHere(0, 12);
        auto [status, said] = runCommandLine({"--sync"}, "secret\n");
        QCOMPARE(status, 1);
        QVERIFY2(said.contains("remove 12 of the 40 cards") && said.contains("--allow-mass-delete"),
                 qPrintable(said));
        QCOMPARE(cardCount(server.addressBook()), 40);
        QCOMPARE(runCommandLine({"--unlink", "--allow-mass-delete"}, "").first, 2);
        std::tie(status, said) = runCommandLine({"--sync", "--allow-mass-delete"}, "secret\n");
        QVERIFY2(status == 0 && said.contains("12 removed on the server"), qPrintable(said));
        QCOMPARE(cardCount(server.addressBook()), 28);

        deleteHere(12, 23);
        SharedState state;
        MainWindow window(state);
        MemoryPasswords passwords;
        passwords.whenAsked = QStringLiteral("secret");
        SyncController sync(window, passwords);
        home.messages.answerNext(MessageBox::Answer::Cancel);
        sync.syncNow();
        QTRY_VERIFY_WITH_TIMEOUT(!sync.running() && home.messages.count() == 1, 10000);
        QVERIFY(home.messages.last().text.contains("remove 11 cards from the server"));
        QCOMPARE(cardCount(server.addressBook()), 28);
        home.messages.answerNext(MessageBox::Answer::Ok);
        sync.syncNow();
        QTRY_VERIFY_WITH_TIMEOUT(cardCount(server.addressBook()) == 17, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(sync.statusText().contains("11 removed on the server"), 10000);
    }

    // A state file of the wrong shape is said, and the next sync merges both sides afresh:
    // no card twice, nothing refused again and again.
    void damagedStateFileGivesAFreshMerge_data() { addServerRows({"cards", "number", "twice"}); }
    void damagedStateFileGivesAFreshMerge()
    {
        QFETCH(DavServer::Kind, kind);
        QFETCH(QString, way);
        const QString damage = way; // cards an object, a number for a text, an href twice
        DavServer server(kind);
        QVERIFY(server.start());
        SyncHome a(server.addressBook());
        QVERIFY(a.book().append(person("ann", "111")) && a.book().append(person("bob", "222")));
        QCOMPARE(httpRequest("PUT", vcf(server, "jane"), foreignCard("jane-1", "Jane", "333")),
                 201);
        QVERIFY(a.sync());
        QVERIFY(a.book().replace(person("jane", "444")));

        QFile file(SyncState::pathFor(a.path()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        file.close();
        QJsonArray cards = root.value("cards").toArray();
        QJsonObject first = cards.first().toObject();
        if (damage == "cards") {
            root.insert("cards", QJsonObject());
        } else if (damage == "number") {
            first.insert("etag", 5);
            cards.replace(0, first);
        } else {
            cards.append(first);
        }
        if (damage != "cards") {
            root.insert("cards", cards);
        }
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(root).toJson());
        file.close();

        carddav::SyncReport report;
        QVERIFY(a.sync(QStringLiteral("secret"), &report));
        QVERIFY2(report.summary().contains("was damaged"), qPrintable(report.summary()));
        QCOMPARE(report.localCopies, QStringList{"jane (local copy)"});
        QCOMPARE(cardCount(server.addressBook()), 4);
        QVERIFY(a.sync(QStringLiteral("secret"), &report));
        QCOMPARE(report.counts(), carddav::SyncReport().counts());
        QCOMPARE(cardCount(server.addressBook()), 4);
    }

    // Renamed in the window (saved under a new name, the old record deleted), a record keeps
    // its card: same place, same UID, and what the record cannot hold.
    void renameInTheWindowKeepsTheCard()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        QCOMPARE(httpRequest("PUT", vcf(server, "jane"), foreignCard("jane-1", "Jane Roe", "333")),
                 201);
        LinkedHome home(server.addressBook());
        QVERIFY(syncOnce(home.path()));
        SharedState state;
        MainWindow window(state);
        state.selectedName = "jane roe";
        window.loadRecordByName();
        window.findChild<TextBox*>("Text0")->setText("Jane Doe");
        QVERIFY(window.saveRecord());
        state.selectedName = "jane roe";
        window.loadRecordByName();
        home.messages.answerNext(MessageBox::Answer::Ok);
        window.deleteRecord();
        QCOMPARE(home.names(), QStringList{"jane doe"});

        QVERIFY(syncOnce(home.path()));
        QCOMPARE(cardCount(server.addressBook()), 1);
        QByteArray stored;
        QCOMPARE(httpRequest("GET", vcf(server, "jane"), {}, &stored), 200);
        for (const char* kept :
             {"UID:jane-1", "X-PET:Rex", "PHOTO;ENCODING=b;TYPE=JPEG:/9j/", "TEL;TYPE=cell:333"}) {
            QVERIFY2(stored.contains(kept), kept);
        }
        QVERIFY2(stored.toLower().contains("fn:jane doe"), stored.constData());
        QVERIFY(!stored.toLower().contains("roe"));
    }

    // State files as earlier installations wrote them read as before; one without a usable
    // link is refused whole, one of the wrong shape is kept as a link only.
    void stateFilesAreCheckedOnLoad_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("outcome"); // "ok", "refused" or "damaged"
        // Written with ' for " to stay readable.
        const auto row = [](const char* name, QByteArray json, const char* outcome) {
            QTest::newRow(name) << json.replace('\'', '"') << QString(outcome);
        };
        const QByteArray card = "{'href':'/b/1.vcf','etag':'e','name':'ann','fingerprint':'f'}";
        const auto state = [](const QByteArray& url, const QByteArray& rest) {
            return "{'url':" + url + ",'user':'alice','token':'t','ctag':'c'," + rest + "}";
        };
        row("earlier", state("'http://h/b/'", "'cards':[" + card + "]"), "ok");
        row("ftp", state("'ftp://h/b/'", "'cards':[]"), "refused");
        row("url a number", state("5", "'cards':[]"), "refused");
        row("no user", "{'url':'http://h/b/'}", "refused");
        row("token a number", "{'url':'http://h/b/','user':'a','token':1,'ctag':'','cards':[]}",
            "damaged");
        row("a card a text", state("'http://h/b/'", "'cards':['x']"), "damaged");
        row("empty href",
            state("'http://h/b/'", "'cards':[{'href':'','etag':'','name':'','fingerprint':''}]"),
            "damaged");
        row("deleted, unknown card",
            state("'http://h/b/'", "'cards':[" + card + "],'deleted':['/x.vcf']"), "damaged");
        row("renamed, a number", state("'http://h/b/'", "'cards':[],'renamed':{'a':2}"), "damaged");
        row("book, a text", state("'http://h/b/'", "'cards':[],'book':'big'"), "damaged");
    }
    void stateFilesAreCheckedOnLoad()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, outcome);
        QTemporaryDir dir;
        QFile file(dir.filePath("home.sync"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(json) == json.size());
        file.close();
        const auto state = SyncState::load(file.fileName());
        QCOMPARE(state ? (*state)->damage.isEmpty() ? "ok" : "damaged" : "refused", outcome);
        if (outcome == "ok") {
            QCOMPARE((*state)->entries.value("/b/1.vcf").name, "ann");
            QCOMPARE((*state)->token, "t");
        } else if (outcome == "damaged") {
            QVERIFY((*state)->entries.isEmpty() && (*state)->token.isEmpty());
            QCOMPARE((*state)->url, "http://h/b/");
        }
    }

    // Renamed here while another client changed the card: the server's version keeps the old
    // name, the renamed record becomes a card of its own, and the user is told.
    void renameMeetingAChangeThereIsToldOf()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        QCOMPARE(httpRequest("PUT", vcf(server, "jane"), foreignCard("jane-1", "Jane Roe", "333")),
                 201);
        SyncHome a(server.addressBook());
        QVERIFY(a.sync());
        QVERIFY(a.book().append(person("jane doe", "333")));
        QVERIFY(noteRenamed(a.path(), "jane roe", "jane doe"));
        QVERIFY(a.deleteRecord("jane roe"));
        QCOMPARE(httpRequest("PUT", vcf(server, "jane"), foreignCard("jane-1", "Jane Roe", "555")) /
                     100,
                 2);

        carddav::SyncReport report;
        QVERIFY(a.sync(QStringLiteral("secret"), &report));
        QCOMPARE(report.localCopies, QStringList{"jane doe"});
        QCOMPARE(a.contents(), (QMap<QString, QString>{{"jane doe", "333"}, {"jane roe", "555"}}));
        QCOMPARE(cardCount(server.addressBook()), 2);
    }
};

VENNOR_TEST(SafeDeleteTest)
#include "safedeletetest.moc"
