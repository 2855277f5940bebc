#include "dialogs/clsOpenSave.h"
#include "dialogs/opensavedlg.h"
#include "support/nextfiledialog.h"
#include "support/testregistry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace vennor;

namespace {

const QChar nul(u'\0');

// Runs the test body in a folder of its own as the current one, restoring it afterwards.
class InFolder
{
public:
    InFolder() : old_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~InFolder() { QDir::setCurrent(old_); }
    QString path() const { return QDir::toNativeSeparators(QDir::currentPath()); }

private:
    QTemporaryDir dir_;
    QString old_;
};

} // namespace

class ClsOpenSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void initialValues()
    {
        const clsOpenSave dialog;
        QCOMPARE(dialog.CancelError(), false);
        QCOMPARE(dialog.DefaultExt(), QString());
        QCOMPARE(dialog.DialogTitle(), QString());
        QCOMPARE(dialog.FileName(), QString());
        QCOMPARE(dialog.FileTitle(), QString());
        QCOMPARE(dialog.Filter(), QStringLiteral("All Files (*.*)|*.*"));
        QCOMPARE(dialog.storedFilter(),
                 QStringLiteral("All Files (*.*)") + nul + "*.*" + nul + nul);
        QCOMPARE(dialog.FilterIndex(), qint16(1));
        QCOMPARE(dialog.flags(), quint32(0));
        QCOMPARE(dialog.InitDir(), QStringLiteral("C:\\"));
        QCOMPARE(dialog.MaxFileSize(), qint16(260));
        QCOMPARE(dialog.hWnd(), nullptr);
        QCOMPARE(dialog.FileExt(), qint16(0));
    }

    void filterRoundTrip_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("read");
        QTest::newRow("one pair") << "Dat Files |*.dat" << u"Dat Files \0*.dat\0\0"_qs
                                  << "Dat Files |*.dat";
        QTest::newRow("trailing bar")
            << "Dat Files |*.dat|" << u"Dat Files \0*.dat\0\0"_qs << "Dat Files |*.dat";
        QTest::newRow("two trailing bars") << "A|*.a||" << u"A\0*.a\0\0"_qs << "A|*.a";
        QTest::newRow("two pairs")
            << "A|*.a|B|*.b;*.c" << u"A\0*.a\0B\0*.b;*.c\0\0"_qs << "A|*.a|B|*.b;*.c";
        QTest::newRow("empty") << "" << u"\0\0"_qs << "";
        QTest::newRow("three trailing bars") << "A|*.a|||" << u"A\0*.a\0\0\0"_qs << "A|*.a|";
    }
    void filterRoundTrip()
    {
        QFETCH(QString, written);
        QFETCH(QString, stored);
        QFETCH(QString, read);
        clsOpenSave dialog;
        dialog.setFilter(written);
        QCOMPARE(dialog.storedFilter(), stored);
        QCOMPARE(dialog.Filter(), read);
    }

    void qtFormOfTheFilter()
    {
        QCOMPARE(qtNameFilters(u"Dat Files \0*.dat\0\0"_qs), QStringList{"Dat Files (*.dat)"});
        QCOMPARE(qtNameFilters(u"All Files (*.*)\0*.*\0\0"_qs), QStringList{"All Files (*.*)"});
        QCOMPARE(qtNameFilters(u"Text\0*.txt;*.log\0Any\0*\0\0"_qs),
                 QStringList({"Text (*.txt *.log)", "Any (*)"}));
    }

    void requestsStartInTheCurrentFolder()
    {
        InFolder folder;
        test::NextFileDialog files;
        files.cancel();
        files.cancel();
        QWidget mainWindow;
        QWidget owner;
        clsOpenSave fresh;
        fresh.ShowOpen(&mainWindow);
        clsOpenSave save;
        save.setInitDir("/nowhere/at/all");
        save.setHWnd(&owner);
        save.ShowSave();

        const FileDialogRequest& open = files.requests().at(0);
        QCOMPARE(open.kind, FileDialogRequest::Kind::Open);
        QCOMPARE(open.owner, &mainWindow);
        QCOMPARE(qtNameFilters(open.filter), QStringList{"All Files (*.*)"});
        QCOMPARE(open.filterIndex, 1);
        QCOMPARE(open.startFolder, folder.path());
        QCOMPARE(open.maxFileSize, 260);
        QCOMPARE(files.last().kind, FileDialogRequest::Kind::Save);
        QCOMPARE(files.last().owner, &owner);
        QCOMPARE(files.last().startFolder, folder.path());
    }

    void confirmedDialogWritesTheResultsBack()
    {
        InFolder folder;
        test::NextFileDialog files;
        const QString path = QStringLiteral("/some/where/backup.dat");
        files.choose(QStringLiteral("  ") + path + QStringLiteral(" "), 2, 0x80006);
        clsOpenSave dialog;
        dialog.setFilter("A|*.a|B|*.b");
        dialog.setFlags(0x2A4006);
        dialog.setFileName("proposed.dat");
        dialog.ShowSave();
        QCOMPARE(dialog.FileName(), path);
        QCOMPARE(dialog.FileTitle(), QStringLiteral("backup.dat"));
        QCOMPARE(dialog.FilterIndex(), qint16(2));
        QCOMPARE(dialog.flags(), quint32(0x80006));
        QCOMPARE(dialog.FileExt(), qint16(path.indexOf(".dat") + 3)); // past the blanks
        QCOMPARE(dialog.InitDir(), folder.path());
        QCOMPARE(dialog.Filter(), QStringLiteral("A|*.a|B|*.b"));
    }

    void extensionOffset_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("offset");
        QTest::newRow("extension") << "/a/b.dat" << 5;
        QTest::newRow("dot in folder only") << "/a.b/c" << 6;
        QTest::newRow("ends in dot") << "/a/b." << 0;
        QTest::newRow("windows path") << "C:\\x.y\\name.txt" << 12;
    }
    void extensionOffset()
    {
        QFETCH(QString, path);
        QFETCH(int, offset);
        test::NextFileDialog files;
        files.choose(path);
        clsOpenSave dialog;
        dialog.ShowOpen(nullptr);
        QCOMPARE(int(dialog.FileExt()), offset);
        QCOMPARE(dialog.FileName(), path);
    }

    void cancelOrFailureChangesNothing_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("cancelled") << true;
        QTest::newRow("path longer than the buffer") << false;
    }
    void cancelOrFailureChangesNothing()
    {
        QFETCH(bool, cancelled);
        test::NextFileDialog files;
        if (cancelled) {
            files.cancel();
        } else {
            files.choose(QStringLiteral("/") + QString(20, QLatin1Char('x')), 2, 1);
        }
        clsOpenSave dialog;
        dialog.setCancelError(true);
        dialog.setFileName("proposed.dat");
        dialog.setFilter("A|*.a|B|*.b");
        dialog.setFlags(0x2A5006);
        dialog.setInitDir("/start");
        dialog.setMaxFileSize(20);
        dialog.ShowOpen(nullptr);
        QCOMPARE(dialog.FileName(), QStringLiteral("proposed.dat"));
        QCOMPARE(dialog.FileTitle(), QString());
        QCOMPARE(dialog.FilterIndex(), qint16(1));
        QCOMPARE(dialog.flags(), quint32(0x2A5006));
        QCOMPARE(dialog.InitDir(), QStringLiteral("/start"));
        QCOMPARE(dialog.FileExt(), qint16(0));
        QCOMPARE(files.count(), 1);
    }

    void opendlgRequestAndResult()
    {
        InFolder folder;
        test::NextFileDialog files;
        QWidget mainWindow;
        files.choose("/backups/Clients.dat");
        files.cancel();
        QCOMPARE(opendlg(&mainWindow, "Select File To open ", "Dat Files |*.dat", 0x2A5006),
                 QStringLiteral("/backups/Clients.dat"));
        QCOMPARE(opendlg(&mainWindow, "Select File To open ", "Dat Files |*.dat", 0x2A5006),
                 QString());
        for (const FileDialogRequest& request : files.requests()) {
            QCOMPARE(request.kind, FileDialogRequest::Kind::Open);
            QCOMPARE(request.owner, &mainWindow);
            QCOMPARE(request.title, QStringLiteral("Select File To open "));
            QCOMPARE(request.filter, u"Dat Files \0*.dat\0\0"_qs);
            QCOMPARE(request.flags, quint32(0x2A5006));
            QCOMPARE(request.fileName, QString());
            QCOMPARE(request.defaultExt, QStringLiteral("*.*"));
            QCOMPARE(request.maxFileSize, 5120);
            QCOMPARE(request.startFolder, folder.path());
        }
    }

    void savedlgProposesTheNameAndCancelGivesNothing()
    {
        test::NextFileDialog files;
        files.cancel();
        files.choose("/backups/Home-copy.dat");
        QCOMPARE(savedlg("Save to ", "Dat Files |*.dat", 0x2A4006, "Home"), QString());
        QCOMPARE(savedlg("Save to ", "Dat Files |*.dat", 0x2A4006, "Home"),
                 QStringLiteral("/backups/Home-copy.dat"));
        for (const FileDialogRequest& request : files.requests()) {
            QCOMPARE(request.kind, FileDialogRequest::Kind::Save);
            QCOMPARE(request.owner, nullptr);
            QCOMPARE(request.fileName, QStringLiteral("Home.dat"));
            QCOMPARE(request.title, QStringLiteral("Save to "));
            QCOMPARE(request.flags, quint32(0x2A4006));
        }
    }
};

VENNOR_TEST(ClsOpenSaveTest)
#include "clsopensavetest.moc"
