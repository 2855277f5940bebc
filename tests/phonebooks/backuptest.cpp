#include "phonebooks/backup.h"
#include "phonebookfixture.h"
#include "phonebooks/booknames.h"
#include "support/testregistry.h"

#include <QTemporaryDir>

using namespace vennor;
using test::bars;

namespace {

const QString kOverwrite = "Warning :    File exists.. Overwrite";
const QString kItself = "Warning: The file chosen is the phone book itself; nothing was copied";
const QString kFailed = "Warning: The copy failed";

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Get backup of a file holding "backup" (empty: cancelled; "itself": Home.dat). Settings "a|b|c",
// empty: unchanged; files as changes to the fixture's (PhoneBookFixture::booksAfter).
struct Restore
{
    QString file;
    QString shown;
    QString settings;
    QString files;
    bool refilled = false;
    bool confirm = true; // the overwrite question
    QString before;      // the settings file, when not the fixture's
    QString broken;      // PhoneBookFixture::breakFiles
};

void row(const char* name, const QString& file = {}, const QString& shown = {},
         const QString& settings = {}, const QString& files = {}, bool refilled = false,
         bool confirm = true, const QString& before = {}, const QString& broken = {})
{
    QTest::newRow(name) << Restore{file, shown, settings, files, refilled, confirm, before, broken};
}

} // namespace

Q_DECLARE_METATYPE(Restore)

class BackupTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::PhoneBookFixture> f;
    std::unique_ptr<QTemporaryDir> elsewhere;
    QString cwd;

    QString outside(const QString& name) const { return elsewhere->filePath(name); }

private slots:
    // The current folder is elsewhere too, so a copy made under a relative name shows there.
    void init()
    {
        f = std::make_unique<test::PhoneBookFixture>();
        elsewhere = std::make_unique<QTemporaryDir>();
        cwd = QDir::currentPath();
        QDir::setCurrent(elsewhere->path());
    }
    void cleanup()
    {
        QDir::setCurrent(cwd);
        const int leftOver = f->files.pending() + f->files.unexpected();
        f.reset();
        QCOMPARE(leftOver, 0);
    }

    void bookNames()
    {
        QCOMPARE(GetFileName("C:\\backups\\Home.dat"), "Home");
        QCOMPARE(GetFileName("/tmp\\v1.2/Clients"), "Clients");
        QCOMPARE(GetFileName("/tmp/my.book.dat"), "my.book");
        QCOMPARE(GetFileName("/tmp/Work."), "Work");
        QVERIFY(isValidBookName(" A&B (1), #2 'x' ~!@$%^+=[]{};`. "));
        for (const char* name : {"", "...", "a\u00fcb", "a\U0001F600"}) {
            QVERIFY2(!isValidBookName(QString::fromUtf8(name)), name);
        }
        for (const char c : QByteArray("\\/:*?\"<>|\x01\x1f\x7f")) {
            QVERIFY2(!isValidBookName(QString("a%1b").arg(QLatin1Char(c))),
                     QByteArray(1, c).toHex());
        }
    }

    // OK in the phone book dialog's Backup mode.
    void backup_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("target"); // in elsewhere; empty: cancelled
        QTest::addColumn<QString>("shown");
        QTest::newRow("copy") << "Home"
                              << "copy.dat"
                              << "";
        QTest::newRow("cancelled") << "Home"
                                   << ""
                                   << "";
        QTest::newRow("the book itself") << "Home"
                                         << "itself" << kItself;
        QTest::newRow("through a link") << "Home"
                                        << "link.dat" << kItself;
        QTest::newRow("no such folder") << "Home"
                                        << "no/copy.dat" << kFailed;
        QTest::newRow("no such book") << "Ghost"
                                      << "new.dat" << kFailed;
    }
    void backup()
    {
        QFETCH(QString, book);
        QFETCH(QString, target);
        const QByteArray odd = "caf\xe9\r\n\"quoted, text\"\r\n 2555\n)\r\n";
        const QByteArray older = "an older and much longer backup of something else\r\n";
        f->folders.writePhoneBook("Home", odd);
        writeBytes(outside("copy.dat"), older);
        const QString home = f->folders.phoneBook("Home");
        QVERIFY(QFile::link(home, outside("link.dat")));
        target.isEmpty() ? f->files.cancel()
                         : f->files.choose(target == "itself" ? home : outside(target));
        auto dialog = f->open(4);
        dialog->Combo1->setCurrentText(book);
        dialog->Command1->click();

        f->checkRequest(true, nullptr, book + ".dat");
        QTEST(f->shown(), "shown");
        QVERIFY(f->reasonGiven(f->shown() == kFailed));
        QFile copy(outside("copy.dat"));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), target == "copy.dat" ? odd : older);
        QCOMPARE(QDir().entryList(QDir::Files), QStringList({"copy.dat", "link.dat"}));
        QCOMPARE(f->folders.readPhoneBook("Home"), odd);
        QCOMPARE(f->books().mid(1), f->booksAfter("").mid(1));
        QCOMPARE(f->folders.readSettings(), test::kStart);
        QVERIFY(!dialog->isVisible() && f->host.calls.isEmpty());
    }

    // Tools > Get backup.
    void restore_data()
    {
        QTest::addColumn<Restore>("c");
        row("new", "Clients.dat", "", "3|Home|Office|Clients", "Clients=backup");
        row("port line's text", "3.dat", "", "3|Home|Office|3", "3=backup");
        row("dots in the name", "my.book.dat", "", "3|Home|Office|my.book", "my.book=backup");
        row("into the port line only", "Clients.dat", "", "3|Clients", "Clients=backup", false,
            true, "3");
        row("default", "Home.dat", kOverwrite, "", "Home=backup", true);
        row("default, cancelled", "Home.dat", kOverwrite, "", "", false, false);
        row("other listed", "Office.dat", kOverwrite, "", "Office=backup");
        row("unlisted file", "Stray.dat", kOverwrite, "3|Home|Office|Stray", "Stray=backup");
        row("unlisted file, cancelled", "Stray.dat", kOverwrite, "", "", false, false);
        row("invalid name", "bad:name.dat", "Warning: Enter a valid name for the phone book");
        row("the book itself", "itself", kOverwrite + '|' + kItself);
        row("cancelled");
        row("copy failed", "Clients.dat", kFailed, "", "-Home|-Office|-Stray", false, true, "",
            "folder");
    }
    void restore()
    {
        QFETCH(Restore, c);
        const QStringList start = c.before.isEmpty() ? test::kStart : bars(c.before);
        f->folders.writeSettings(start);
        if (c.file.isEmpty()) {
            f->files.cancel();
        } else {
            writeBytes(outside(c.file), "backup\r\n)\r\n");
            f->files.choose(c.file == "itself" ? f->folders.phoneBook("Home") : outside(c.file));
        }
        f->breakFiles(c.broken);
        f->messages.answerNext(c.confirm ? MessageBox::Answer::Ok : MessageBox::Answer::Cancel);
        QStringList atRefill;
        f->host.onRefill = [&] { atRefill = f->books(); };
        getBackup(f->host);

        f->checkRequest(false, f->host.window(), "");
        QCOMPARE(f->shown(), c.shown);
        QVERIFY(f->reasonGiven(!c.broken.isEmpty()));
        QCOMPARE(f->folders.readSettings(), c.settings.isEmpty() ? start : bars(c.settings));
        QCOMPARE(f->books(), f->booksAfter(c.files));
        QCOMPARE(f->host.calls, c.refilled ? QStringList{"refillLists"} : QStringList());
        QCOMPARE(atRefill, c.refilled ? f->books() : QStringList());
    }
};

VENNOR_TEST(BackupTest)
#include "backuptest.moc"
