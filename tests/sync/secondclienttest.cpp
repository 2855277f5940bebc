// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Another real client on the same address book: vdirsyncer keeps a folder of cards in step with
// the server and khard edits them, as a second computer would, on Radicale and Xandikos.

#include "support/davserver.h"
#include "support/synchome.h"
#include "support/testregistry.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

QByteArray cardText(const QString& uid, const QString& first, const QString& last,
                    const QString& number)
{
    return QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:%1\r\nFN:%2 %3\r\nN:%3;%2;;;\r\n"
                          "TEL;TYPE=home:%4\r\nEND:VCARD\r\n")
        .arg(uid, first, last, number)
        .toUtf8();
}

// vdirsyncer and khard with their own configuration, in a folder of their own.
class OtherClient
{
public:
    explicit OtherClient(const QString& addressBook)
    {
        QDir(dir_.path()).mkpath("vdir");
        QDir(dir_.path()).mkpath("status");
        write("vdirsyncer.conf",
              QStringLiteral("[general]\nstatus_path = \"%1/status/\"\n\n"
                             "[pair book]\na = \"local\"\nb = \"server\"\ncollections = null\n"
                             "conflict_resolution = \"b wins\"\n\n"
                             "[storage local]\ntype = \"filesystem\"\npath = \"%1/vdir/\"\n"
                             "fileext = \".vcf\"\n\n"
                             "[storage server]\ntype = \"carddav\"\nurl = \"%2\"\n"
                             "username = \"alice\"\npassword = \"secret\"\n")
                  .arg(dir_.path(), addressBook));
        write("khard.conf", QStringLiteral("[addressbooks]\n[[book]]\npath = %1/vdir/\n"
                                           "[general]\ndefault_action = list\n"
                                           "editor = /bin/true\nmerge_editor = /bin/true\n")
                                .arg(dir_.path()));
    }

    static bool installed()
    {
        return !QStandardPaths::findExecutable("vdirsyncer").isEmpty() &&
               !QStandardPaths::findExecutable("khard").isEmpty();
    }

    // Both ways between its folder and the server.
    bool sync()
    {
        if (!discovered_) {
            discovered_ = run("vdirsyncer", {"-c", path("vdirsyncer.conf"), "discover"}, "y\n");
        }
        return discovered_ && run("vdirsyncer", {"-c", path("vdirsyncer.conf"), "sync"});
    }

    void create(const QString& uid, const QString& first, const QString& last,
                const QString& number)
    {
        write("vdir/" + uid + ".vcf", cardText(uid, first, last, number));
    }

    // As a user does it in khard: the contact's template, its name changed, read back.
    bool rename(const QString& query, const QString& first, const QString& last)
    {
        QString yaml;
        if (!run("khard", {"-c", path("khard.conf"), "show", "--format", "yaml", query}, {},
                 &yaml)) {
            return false;
        }
        yaml.replace(QRegularExpression("(?m)^Formatted name:.*$"),
                     "Formatted name: " + first + u' ' + last);
        yaml.replace(QRegularExpression("(?m)^First name:.*$"), "First name: " + first);
        yaml.replace(QRegularExpression("(?m)^Last name:.*$"), "Last name: " + last);
        write("edit.yaml", yaml.toUtf8());
        return run("khard", {"-c", path("khard.conf"), "edit", "-i", path("edit.yaml"), query},
                   "y\n");
    }

    // As khard's remove does it, for every card whose name starts so.
    int removeStartingWith(const QString& start) const
    {
        int removed = 0;
        for (const QFileInfo& file : QDir(path("vdir")).entryInfoList({"*.vcf"})) {
            QFile card(file.filePath());
            card.open(QIODevice::ReadOnly);
            if (card.readAll().toLower().contains("\nfn:" + start.toLower().toUtf8())) {
                removed += QFile::remove(file.filePath()) ? 1 : 0;
            }
        }
        return removed;
    }

    // "name: numbers" of every card in its folder, the name lower-cased, sorted.
    QStringList contents() const
    {
        QStringList found;
        for (const QFileInfo& file : QDir(path("vdir")).entryInfoList({"*.vcf"})) {
            QFile card(file.filePath());
            card.open(QIODevice::ReadOnly);
            QString name;
            QStringList numbers;
            for (const QByteArray& line : card.readAll().split('\n')) {
                const QString text = QString::fromUtf8(line).trimmed();
                if (text.startsWith("FN:")) {
                    name = text.mid(3).toLower();
                } else if (text.startsWith("TEL")) {
                    numbers.append(text.section(u':', 1).remove(u'+'));
                }
            }
            found.append(name + QStringLiteral(": ") + numbers.join(u' '));
        }
        found.sort();
        return found;
    }

    QString lastOutput() const { return output_; }

private:
    QString path(const QString& name) const { return dir_.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    void write(const QString& name, const QString& text) const { write(name, text.toUtf8()); }

    bool run(const QString& program, const QStringList& arguments, const QByteArray& input = {},
             QString* output = nullptr)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", "C.UTF-8");
        environment.insert("HOME", dir_.path());
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        process.write(input);
        process.closeWriteChannel();
        const bool ended = process.waitForFinished(60000);
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        output_ = out + QString::fromUtf8(process.readAllStandardError());
        if (output) {
            *output = out;
        }
        return ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QTemporaryDir dir_;
    bool discovered_ = false;
    QString output_;
};

void addServerRows()
{
    QTest::addColumn<DavServer::Kind>("kind");
    QTest::newRow("radicale") << DavServer::Kind::radicale;
    QTest::newRow("xandikos") << DavServer::Kind::xandikos;
}

QStringList lines(const QMap<QString, QString>& contents)
{
    QStringList found;
    for (auto it = contents.cbegin(); it != contents.cend(); ++it) {
        found.append(it.key() + QStringLiteral(": ") + it.value());
    }
    found.sort();
    return found;
}

#define SKIP_WITHOUT_OTHER_CLIENT()                                                                \
    if (!OtherClient::installed()) {                                                               \
        QSKIP("vdirsyncer and khard are not installed (./dev.sh installs them)");                  \
    }

} // namespace

class SecondClientTest : public QObject
{
    Q_OBJECT

private slots:
    void renameThereOntoARecordNeverSent_data() { addServerRows(); }
    void renameThereOntoARecordNeverSent()
    {
        SKIP_WITHOUT_OTHER_CLIENT();
        QFETCH(DavServer::Kind, kind);
        DavServer server(kind);
        QVERIFY(server.start());
        SyncHome here(server.addressBook());
        OtherClient other(server.addressBook());
        QVERIFY(here.book().append(person("ann lee", "111")));
        QVERIFY(here.book().append(person("bob ray", "222")));
        QVERIFY(here.sync());
        QVERIFY2(other.sync(), qPrintable(other.lastOutput()));

        QVERIFY(here.book().append(person("cy moe", "555"))); // typed here, not yet sent
        QVERIFY2(other.rename("bob", "Cy", "Moe"), qPrintable(other.lastOutput()));
        QVERIFY2(other.sync(), qPrintable(other.lastOutput()));

        carddav::SyncReport report;
        QVERIFY(here.sync(QStringLiteral("secret"), &report));
        QCOMPARE(report.localCopies, QStringList{"cy moe (local copy)"});
        const QMap<QString, QString> both{
            {"ann lee", "111"}, {"cy moe", "222"}, {"cy moe (local copy)", "555"}};
        QCOMPARE(here.contents(), both);
        QVERIFY(other.sync());
        QCOMPARE(other.contents(), lines(both));
    }

    void deletionsThereOfWhatWeJustSentAreSeen_data() { addServerRows(); }
    void deletionsThereOfWhatWeJustSentAreSeen()
    {
        SKIP_WITHOUT_OTHER_CLIENT();
        QFETCH(DavServer::Kind, kind);
        DavServer server(kind);
        QVERIFY(server.start());
        SyncHome here(server.addressBook());
        OtherClient other(server.addressBook());
        other.create("zed-1", "Zed", "Old", "999");
        QVERIFY2(other.sync(), qPrintable(other.lastOutput()));
        QVERIFY(here.sync());

        QList<Record> added;
        for (int i = 0; i < 14; ++i) {
            added.append(person(QStringLiteral("person %1").arg(i), QString::number(100 + i)));
        }
        QVERIFY(here.book().store(added));
        carddav::SyncReport sent;
        QVERIFY(here.sync(QStringLiteral("secret"), &sent));
        QCOMPARE(sent.sent, 14);

        // The other client removes exactly what we sent: the address book is as it was before.
        QVERIFY(other.sync());
        QCOMPARE(other.contents().size(), 15);
        QCOMPARE(other.removeStartingWith("person"), 14);
        QVERIFY(other.sync());
        QCOMPARE(cardCount(server.addressBook()), 1);

        carddav::SyncReport report;
        QVERIFY(here.sync(QStringLiteral("secret"), &report));
        QCOMPARE(report.removedHere, 14);
        QCOMPARE(here.contents(), (QMap<QString, QString>{{"zed old", "999"}}));
    }

    void secondCardOfOneNameKeepsItsName_data() { addServerRows(); }
    void secondCardOfOneNameKeepsItsName()
    {
        SKIP_WITHOUT_OTHER_CLIENT();
        QFETCH(DavServer::Kind, kind);
        DavServer server(kind);
        QVERIFY(server.start());
        SyncHome here(server.addressBook());
        OtherClient other(server.addressBook());
        other.create("js-1", "John", "Smith", "111");
        other.create("js-2", "John", "Smith", "222");
        QVERIFY2(other.sync(), qPrintable(other.lastOutput()));
        carddav::SyncReport report;
        QVERIFY(here.sync(QStringLiteral("secret"), &report));
        QCOMPARE(report.received, 2);

        Record second = here.book().findByName("john smith (2)").value().value();
        const QString was = second.numbers.value(0).number;
        second.numbers = {{0, "333"}};
        QVERIFY(here.book().replace(second));
        QVERIFY(here.sync());
        QVERIFY(other.sync());

        const QString kept = was == u"111" ? QStringLiteral("222") : QStringLiteral("111");
        QStringList both{"john smith: " + kept, "john smith: 333"}; // no "(2)" there
        both.sort();
        QCOMPARE(other.contents(), both);
        QCOMPARE(cardCount(server.addressBook()), 2);
        QCOMPARE(here.contents(),
                 (QMap<QString, QString>{{"john smith", kept}, {"john smith (2)", "333"}}));
        QVERIFY(here.sync());
        QCOMPARE(here.contents().size(), 2);
    }
};

VENNOR_TEST(SecondClientTest)
#include "secondclienttest.moc"
