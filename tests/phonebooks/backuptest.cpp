#include "phonebooks/backup.h"
#include "phonebookfixture.h"
#include "support/nextfiledialog.h"
#include "support/testregistry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vennor;
using test::PhoneBookFixture;

namespace {

const QString kOverwrite = QStringLiteral("Warning :    File exists.. Overwrite");
const QString kItself =
    QStringLiteral("Warning: The file chosen is the phone book itself; nothing was copied");
const QStringList kStart{"3", "Home", "Office"};
const QStringList kFiles{"Home.dat=Home", "Office.dat=Office", "Stray.dat=Stray"};

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class BackupTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PhoneBookFixture> f;
    std::unique_ptr<test::NextFileDialog> files;
    std::unique_ptr<QTemporaryDir> elsewhere;

    QString outside(const QString& name) const { return elsewhere->filePath(name); }

private slots:
    // Stray.dat lies in the phone book folder without being listed.
    void init()
    {
        f = std::make_unique<PhoneBookFixture>();
        files = std::make_unique<test::NextFileDialog>();
        elsewhere = std::make_unique<QTemporaryDir>();
        f->writeHomeAndOffice();
        f->writeBook("Stray");
    }
    void cleanup()
    {
        QCOMPARE(files->unexpected(), 0);
        QCOMPARE(files->pending(), 0);
        elsewhere.reset();
        files.reset();
        f.reset();
    }

    // Make backup

    void backupIsAByteCopyUnderTheNameChosen()
    {
        const QByteArray odd = "caf\xe9\r\n\"quoted, text\"\r\n 2555\n)\r\n";
        f->folders.writePhoneBook("Home", odd);
        writeBytes(outside("copy.dat"), "an older and much longer backup of something else\r\n");
        files->choose(outside("copy.dat"));
        makeBackup(f->host.window(), "Home");

        const FileDialogRequest& request = files->last();
        QCOMPARE(request.kind, FileDialogRequest::Kind::Save);
        QCOMPARE(request.title, QStringLiteral("Save to "));
        QCOMPARE(request.filter, QStringLiteral("Dat Files \0*.dat\0\0"));
        QCOMPARE(request.flags, quint32(0x2A4006));
        QCOMPARE(request.fileName, QStringLiteral("Home.dat"));
        QCOMPARE(request.owner, nullptr);
        QCOMPARE(readBytes(outside("copy.dat")), odd);
        QCOMPARE(f->folders.readPhoneBook("Home"), odd);
        QVERIFY(f->shown().isEmpty());
        QCOMPARE(f->folders.readSettings(), kStart);
    }

    void cancelledBackupCreatesNothing()
    {
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(elsewhere->path());
        files->cancel();
        makeBackup(f->host.window(), "Home");
        QDir::setCurrent(cwd);
        QVERIFY(QDir(elsewhere->path()).isEmpty());
        QCOMPARE(f->books(), kFiles);
        QVERIFY(f->shown().isEmpty());
    }

    void backupOntoThePhoneBookItselfKeepsIt_data()
    {
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("same path") << false;
        QTest::newRow("through a link") << true;
    }
    void backupOntoThePhoneBookItselfKeepsIt()
    {
        QFETCH(bool, throughLink);
        QString target = f->folders.phoneBook("Home");
        if (throughLink) {
            QVERIFY(QFile::link(target, outside("link.dat")));
            target = outside("link.dat");
        }
        files->choose(target);
        makeBackup(f->host.window(), "Home");
        QCOMPARE(f->shown(), QStringList{kItself});
        QCOMPARE(f->books(), kFiles);
    }

    void failedBackupIsReported_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("target");
        QTest::newRow("no such folder") << "Home"
                                        << "missing/folder/copy.dat";
        QTest::newRow("no such book") << "Ghost"
                                      << "copy.dat";
    }
    void failedBackupIsReported()
    {
        QFETCH(QString, book);
        QFETCH(QString, target);
        files->choose(outside(target));
        makeBackup(f->host.window(), book);
        QCOMPARE(f->shown(), QStringList{"Warning: The copy failed"});
        QVERIFY(!f->messages.last().informative.isEmpty());
        QVERIFY(!QFile::exists(outside(target)));
    }

    void backupModeCopiesTheChosenBookAndCloses_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("confirmed") << true;
        QTest::newRow("cancelled") << false;
    }
    void backupModeCopiesTheChosenBookAndCloses()
    {
        QFETCH(bool, confirmed);
        confirmed ? files->choose(outside("copy.dat")) : files->cancel();
        auto dialog = f->open(4);
        dialog->Combo1->setCurrentText("Office");
        dialog->Command1->click();
        QCOMPARE(files->last().fileName, QStringLiteral("Office.dat"));
        QCOMPARE(readBytes(outside("copy.dat")), confirmed ? "Office\r\n)\r\n" : QByteArray());
        QVERIFY(!dialog->isVisible());
        QVERIFY(f->host.calls.isEmpty());
    }

    // Get backup

    void restore_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("books");
        QTest::addColumn<bool>("refilled");

        const QStringList none;
        const QStringList invalid{"Warning: Enter a valid name for the phone book"};
        QTest::newRow("new") << "Clients.dat" << true << none << (kStart + QStringList{"Clients"})
                             << (QStringList{"Clients.dat=backup"} + kFiles) << false;
        QTest::newRow("port line's text") << "3.dat" << true << none << (kStart + QStringList{"3"})
                                          << (QStringList{"3.dat=backup"} + kFiles) << false;
        QTest::newRow("dots in the name")
            << "my.book.dat" << true << none << (kStart + QStringList{"my.book"})
            << (kFiles + QStringList{"my.book.dat=backup"}) << false;
        QTest::newRow("no extension")
            << "Clients" << true << none << (kStart + QStringList{"Clients"})
            << (QStringList{"Clients.dat=backup"} + kFiles) << false;
        QTest::newRow("default") << "Home.dat" << true << QStringList{kOverwrite} << kStart
                                 << QStringList{"Home.dat=backup", "Office.dat=Office",
                                                "Stray.dat=Stray"}
                                 << true;
        QTest::newRow("other listed")
            << "Office.dat" << true << QStringList{kOverwrite} << kStart
            << QStringList{"Home.dat=Home", "Office.dat=backup", "Stray.dat=Stray"} << false;
        QTest::newRow("default, cancelled")
            << "Home.dat" << false << QStringList{kOverwrite} << kStart << kFiles << false;
        QTest::newRow("unlisted file")
            << "Stray.dat" << true << QStringList{kOverwrite} << (kStart + QStringList{"Stray"})
            << QStringList{"Home.dat=Home", "Office.dat=Office", "Stray.dat=backup"} << false;
        QTest::newRow("unlisted file, cancelled")
            << "Stray.dat" << false << QStringList{kOverwrite} << kStart << kFiles << false;
        QTest::newRow("colon") << "bad:name.dat" << true << invalid << kStart << kFiles << false;
        QTest::newRow("extension only") << ".dat" << true << invalid << kStart << kFiles << false;
        QTest::newRow("accented") << QStringLiteral("caf\u00e9.dat") << true << invalid << kStart
                                  << kFiles << false;
    }
    void restore()
    {
        QFETCH(QString, file);
        QFETCH(bool, overwrite);
        writeBytes(outside(file), "backup\r\n)\r\n");
        files->choose(outside(file));
        f->messages.answerNext(overwrite ? MessageBox::Answer::Ok : MessageBox::Answer::Cancel);
        QStringList atRefill;
        f->host.onRefill = [&] { atRefill = f->books(); };
        getBackup(f->host);

        const FileDialogRequest& request = files->last();
        QCOMPARE(request.kind, FileDialogRequest::Kind::Open);
        QCOMPARE(request.title, QStringLiteral("Select File To open "));
        QCOMPARE(request.filter, QStringLiteral("Dat Files \0*.dat\0\0"));
        QCOMPARE(request.flags, quint32(0x2A5006));
        QCOMPARE(request.fileName, QString());
        QCOMPARE(request.owner, f->host.window());
        QTEST(f->shown(), "shown");
        QTEST(f->folders.readSettings(), "settings");
        QTEST(f->books(), "books");
        QTEST(f->host.calls == QStringList{"refillLists"}, "refilled");
        QVERIFY(atRefill.isEmpty() || atRefill == f->books());
        QCOMPARE(readBytes(outside(file)), QByteArray("backup\r\n)\r\n"));
    }

    void cancelledRestoreDoesNothing()
    {
        files->cancel();
        getBackup(f->host);
        QVERIFY(f->shown().isEmpty() && f->host.calls.isEmpty());
        QCOMPARE(f->folders.readSettings(), kStart);
        QCOMPARE(f->books(), kFiles);
    }

    void restoringIntoAnEmptyListMakesTheDefaultWithoutRefill()
    {
        f->folders.writeSettings({"3"});
        writeBytes(outside("Clients.dat"), "backup\r\n)\r\n");
        files->choose(outside("Clients.dat"));
        getBackup(f->host);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Clients"}));
        QVERIFY(f->shown().isEmpty() && f->host.calls.isEmpty());
    }

    void restoringThePhoneBookOntoItselfKeepsIt()
    {
        files->choose(f->folders.phoneBook("Home"));
        getBackup(f->host);
        QCOMPARE(f->shown(), QStringList({kOverwrite, kItself}));
        QCOMPARE(f->books(), kFiles);
        QCOMPARE(f->folders.readSettings(), kStart);
        QVERIFY(f->host.calls.isEmpty());
    }

    void failedRestoreChangesNoList()
    {
        const QString folder = QDir::cleanPath(folders::phoneBookFolder());
        QVERIFY(QDir(folder).removeRecursively());
        writeBytes(folder, "not a folder");
        writeBytes(outside("Clients.dat"), "backup\r\n)\r\n");
        files->choose(outside("Clients.dat"));
        getBackup(f->host);
        QCOMPARE(f->shown(), QStringList{"Warning: The copy failed"});
        QVERIFY(!f->messages.last().informative.isEmpty());
        QCOMPARE(f->folders.readSettings(), kStart);
    }
};

VENNOR_TEST(BackupTest)
#include "backuptest.moc"
