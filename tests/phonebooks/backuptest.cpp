#include "phonebooks/backup.h"
#include "phonebookfixture.h"
#include "support/nextfiledialog.h"
#include "support/testregistry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vennor;
using test::PhoneBookFixture;

namespace {

const QByteArray kHome = "ann\r\n1555 1234\r\n)\r\n";
const QByteArray kOffice = "bob\r\n20555 9876\r\n)\r\n";
const QString kOverwrite = QStringLiteral("   File exists.. Overwrite");

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
    void init()
    {
        f = std::make_unique<PhoneBookFixture>();
        files = std::make_unique<test::NextFileDialog>();
        elsewhere = std::make_unique<QTemporaryDir>();
        f->writeHomeAndOffice();
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

    void backupAsksForATargetProposingTheBookName()
    {
        files->cancel();
        makeBackup(f->host.window(), "Home");
        const FileDialogRequest& request = files->last();
        QCOMPARE(request.kind, FileDialogRequest::Kind::Save);
        QCOMPARE(request.title, QStringLiteral("Save to "));
        QCOMPARE(request.filter, QStringLiteral("Dat Files \0*.dat\0\0"));
        QCOMPARE(request.flags, quint32(0x2A4006));
        QCOMPARE(request.fileName, QStringLiteral("Home.dat"));
        QCOMPARE(request.owner, nullptr);
        QCOMPARE(request.startFolder, QDir::toNativeSeparators(QDir::currentPath()));
    }

    void backupIsAByteCopy()
    {
        const QByteArray odd = "caf\xe9\r\n\"quoted, text\"\r\n 2555\r\n)\r\n";
        f->folders.writePhoneBook("Home", odd);
        files->choose(outside("copy.dat"));
        makeBackup(f->host.window(), "Home");
        QCOMPARE(readBytes(outside("copy.dat")), odd);
        QCOMPARE(f->folders.readPhoneBook("Home"), odd);
        QCOMPARE(f->messages.count(), 0);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
    }

    void backupReplacesAnExistingTarget()
    {
        writeBytes(outside("old.dat"), "a much longer file than the phone book itself\r\n");
        files->choose(outside("old.dat"));
        makeBackup(f->host.window(), "Office");
        QCOMPARE(readBytes(outside("old.dat")), kOffice);
    }

    void cancelledBackupCreatesNothing()
    {
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(elsewhere->path());
        files->cancel();
        makeBackup(f->host.window(), "Home");
        QDir::setCurrent(cwd);
        QVERIFY(QDir(elsewhere->path()).entryList(QDir::Files).isEmpty());
        QCOMPARE(f->bookFiles(), QStringList({"Home.dat", "Office.dat"}));
        QCOMPARE(f->messages.count(), 0);
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
        QCOMPARE(f->messages.texts(),
                 QStringList{"The file chosen is the phone book itself; nothing was copied"});
        QCOMPARE(f->messages.last().title, QStringLiteral("Warning"));
        QCOMPARE(f->folders.readPhoneBook("Home"), kHome);
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
        QCOMPARE(f->messages.texts(), QStringList{"The copy failed"});
        QCOMPARE(f->messages.last().title, QStringLiteral("Warning"));
        QVERIFY(!f->messages.last().informative.isEmpty());
        QVERIFY(!QFile::exists(outside(target)));
    }

    void backupModeOkCopiesTheChosenBookAndCloses()
    {
        files->choose(outside("office-copy.dat"));
        auto dialog = f->open(4);
        dialog->Combo1->setCurrentText("Office");
        dialog->Command1->click();
        QCOMPARE(files->last().fileName, QStringLiteral("Office.dat"));
        QCOMPARE(readBytes(outside("office-copy.dat")), kOffice);
        QVERIFY(!dialog->isVisible());
        QVERIFY(f->host.calls.isEmpty());
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
    }

    void backupModeClosesAlsoOnCancel()
    {
        files->cancel();
        auto dialog = f->open(4);
        dialog->Command1->click();
        QCOMPARE(files->count(), 1);
        QVERIFY(!dialog->isVisible());
    }

    // Get backup

    void restoreAsksForAnExistingFile()
    {
        files->cancel();
        getBackup(f->host);
        const FileDialogRequest& request = files->last();
        QCOMPARE(request.kind, FileDialogRequest::Kind::Open);
        QCOMPARE(request.title, QStringLiteral("Select File To open "));
        QCOMPARE(request.filter, QStringLiteral("Dat Files \0*.dat\0\0"));
        QCOMPARE(request.flags, quint32(0x2A5006));
        QCOMPARE(request.fileName, QString());
        QCOMPARE(request.owner, f->host.window());
        QCOMPARE(f->messages.count(), 0);
        QVERIFY(f->host.calls.isEmpty());
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
    }

    void restoringANewBookAppendsIt_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("book");
        QTest::newRow("plain") << "Clients.dat"
                               << "Clients";
        QTest::newRow("named like the port line") << "3.dat"
                                                  << "3";
        QTest::newRow("dots in the name") << "my.book.dat"
                                          << "my.book";
        QTest::newRow("no extension") << "Clients"
                                      << "Clients";
    }
    void restoringANewBookAppendsIt()
    {
        QFETCH(QString, file);
        QFETCH(QString, book);
        writeBytes(outside(file), "carl\r\n3555\r\n)\r\n");
        files->choose(outside(file));
        getBackup(f->host);
        QCOMPARE(f->messages.count(), 0);
        QCOMPARE(f->folders.readPhoneBook(book), QByteArray("carl\r\n3555\r\n)\r\n"));
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office", book}));
        QVERIFY(f->host.calls.isEmpty());
        QCOMPARE(readBytes(outside(file)), QByteArray("carl\r\n3555\r\n)\r\n"));
    }

    void restoringOverAListedBookAsksFirst_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<bool>("isDefault");
        QTest::newRow("default") << "Home" << true;
        QTest::newRow("other") << "Office" << false;
    }
    void restoringOverAListedBookAsksFirst()
    {
        QFETCH(QString, book);
        QFETCH(bool, isDefault);
        writeBytes(outside(book + ".dat"), "restored\r\n)\r\n");
        files->choose(outside(book + ".dat"));
        f->host.onRefill = [&] {
            QCOMPARE(f->folders.readPhoneBook(book), QByteArray("restored\r\n)\r\n"));
        };
        getBackup(f->host);
        QCOMPARE(f->messages.texts(), QStringList{kOverwrite});
        QCOMPARE(f->messages.last().title, QStringLiteral("Warning "));
        QCOMPARE(f->messages.last().buttons, MessageBox::Buttons::OkCancel);
        QCOMPARE(f->folders.readPhoneBook(book), QByteArray("restored\r\n)\r\n"));
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
        QCOMPARE(f->host.callCount("refillLists"), isDefault ? 1 : 0);
    }

    void cancellingTheOverwriteQuestionChangesNothing()
    {
        writeBytes(outside("Home.dat"), "restored\r\n)\r\n");
        files->choose(outside("Home.dat"));
        f->messages.answerNext(MessageBox::Answer::Cancel);
        getBackup(f->host);
        QCOMPARE(f->messages.texts(), QStringList{kOverwrite});
        QCOMPARE(f->folders.readPhoneBook("Home"), kHome);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
        QVERIFY(f->host.calls.isEmpty());
    }

    void restoringOverAnUnlistedFileAsksToo_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("ok") << true;
        QTest::newRow("cancel") << false;
    }
    void restoringOverAnUnlistedFileAsksToo()
    {
        QFETCH(bool, overwrite);
        f->folders.writePhoneBook("Stray", "kept\r\n)\r\n");
        writeBytes(outside("Stray.dat"), "restored\r\n)\r\n");
        files->choose(outside("Stray.dat"));
        f->messages.answerNext(overwrite ? MessageBox::Answer::Ok : MessageBox::Answer::Cancel);
        getBackup(f->host);
        QCOMPARE(f->messages.texts(), QStringList{kOverwrite});
        QCOMPARE(f->folders.readPhoneBook("Stray"),
                 overwrite ? QByteArray("restored\r\n)\r\n") : QByteArray("kept\r\n)\r\n"));
        QCOMPARE(f->folders.readSettings(), overwrite
                                                ? QStringList({"3", "Home", "Office", "Stray"})
                                                : QStringList({"3", "Home", "Office"}));
    }

    void restoringIntoAnEmptyListMakesTheDefault()
    {
        f->folders.writeSettings({"3"});
        writeBytes(outside("Clients.dat"), "carl\r\n)\r\n");
        files->choose(outside("Clients.dat"));
        getBackup(f->host);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Clients"}));
        QVERIFY(f->host.calls.isEmpty());
        QCOMPARE(f->messages.count(), 0);
    }

    void restoringAFileThatCannotNameABookCopiesNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("colon") << "bad:name.dat";
        QTest::newRow("question mark") << "why?.dat";
        QTest::newRow("extension only") << ".dat";
        QTest::newRow("dots only") << "...dat";
        QTest::newRow("accented") << QStringLiteral("caf\u00e9.dat");
    }
    void restoringAFileThatCannotNameABookCopiesNothing()
    {
        QFETCH(QString, file);
        writeBytes(outside(file), "x\r\n)\r\n");
        files->choose(outside(file));
        getBackup(f->host);
        QCOMPARE(f->messages.texts(), QStringList{"Enter a valid name for the phone book"});
        QCOMPARE(f->messages.last().title, QStringLiteral("Warning"));
        QCOMPARE(f->bookFiles(), QStringList({"Home.dat", "Office.dat"}));
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
    }

    void restoringThePhoneBookOntoItselfKeepsIt()
    {
        files->choose(f->folders.phoneBook("Home"));
        getBackup(f->host);
        QCOMPARE(f->messages.texts(),
                 QStringList(
                     {kOverwrite, "The file chosen is the phone book itself; nothing was copied"}));
        QCOMPARE(f->folders.readPhoneBook("Home"), kHome);
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
        QVERIFY(f->host.calls.isEmpty());
    }

    void failedRestoreChangesNoList()
    {
        const QString folder = QDir::cleanPath(folders::phoneBookFolder());
        QVERIFY(QDir(folder).removeRecursively());
        writeBytes(folder, "not a folder");
        writeBytes(outside("Clients.dat"), "carl\r\n)\r\n");
        files->choose(outside("Clients.dat"));
        getBackup(f->host);
        QCOMPARE(f->messages.texts(), QStringList{"The copy failed"});
        QCOMPARE(f->messages.last().title, QStringLiteral("Warning"));
        QVERIFY(!f->messages.last().informative.isEmpty());
        QCOMPARE(f->folders.readSettings(), QStringList({"3", "Home", "Office"}));
    }
};

VENNOR_TEST(BackupTest)
#include "backuptest.moc"
