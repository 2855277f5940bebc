// The command-line operations and the two File menu items of the real main window.

#include "vcard/vcardcommands.h"
#include "mainwindow/mainwindow.h"
#include "storage/settingsfile.h"
#include "support/messagelog.h"
#include "support/nextfiledialog.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>

using namespace vennor;

namespace {

const QByteArray kBook = ")\r\nann\r\n0111\r\n)\r\n";
const QByteArray kCards = "BEGIN:VCARD\r\nFN:Ann\r\nTEL:222\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nFN:Bob\r\nORG:Acme\r\nEND:VCARD\r\n";

} // namespace

class VCardCommandsTest : public QObject
{
    Q_OBJECT

    std::optional<test::TempFolders> folders_;

    QString path(const QString& name) const { return folders_->root() + "/" + name; }
    void writeCards(const QByteArray& bytes) const
    {
        QFile file(path("in.vcf"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

private slots:
    void init()
    {
        folders_.emplace();
        folders_->writeSettings({"1", "Home", "Work"});
        folders_->writePhoneBook("Home", kBook);
        folders_->writePhoneBook("Work", ")\r\n");
        writeCards(kCards);
        QDir().mkpath(path("folder.vcf"));
    }
    void cleanup() { folders_.reset(); }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments"); // import|export, file, book, choice
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("home"); // the default book afterwards
        const QByteArray bob = "bob\r\n\" organisation: acme\"\r\n)\r\n";
        QTest::newRow("import, skip by default")
            << QStringList{"import", "in.vcf", "", ""}
            << "in.vcf into Home: 1 added, 0 replaced, 1 skipped, 1 changed." << 0 << kBook + bob;
        QTest::newRow("import, replace")
            << QStringList{"import", "in.vcf", "Home", "replace"}
            << "in.vcf into Home: 1 added, 1 replaced, 0 skipped, 1 changed." << 0
            << ")\r\nann\r\n0222\r\n)\r\n" + bob;
        QTest::newRow("import into another book")
            << QStringList{"import", "in.vcf", "Work", "skip"}
            << "in.vcf into Work: 2 added, 0 replaced, 0 skipped, 1 changed." << 0 << kBook;
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
        if (line.contains("out.vcf")) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::ReadOnly) && out.readAll().contains("VERSION:4.0\r\nUID:"));
        }
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
        QWidget* nameBox = window.findChild<QWidget*>("Text0");
        QTest::mouseClick(nameBox, Qt::LeftButton);
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
                              "in.vcf into Home: 1 added, 1 replaced, 0 skipped, 1 changed."}));
        QCOMPARE(messages.last().informative, "bob: organisation put in the comment");
        QCOMPARE(window.nameEntries().first(2), (QStringList{"ann", "bob"}));

        dialogs.answers << FileDialogResult{path("out"), 2};
        window.findChild<QAction*>("exportVCard")->trigger();
        QCOMPARE(dialogs.requests.last().fileName, "Home.vcf");
        QCOMPARE(messages.last().text, "2 cards of Home written to out.vcf.");
        QFile out(path("out.vcf"));
        QVERIFY(out.open(QIODevice::ReadOnly) &&
                out.readAll().startsWith("BEGIN:VCARD\r\nVERSION:4.0"));
    }
};

VENNOR_TEST(VCardCommandsTest)
#include "vcardcommandstest.moc"
