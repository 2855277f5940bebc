#include "dialogs/clsOpenSave.h"
#include "support/nextfiledialog.h"
#include "support/testregistry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace vennor;

class ClsOpenSaveTest : public QObject
{
    Q_OBJECT

    // Every request starts in the current folder, whatever InitDir says.
    QTemporaryDir dir;
    QString oldFolder;
    QString folder() const { return QDir::toNativeSeparators(dir.path()); }

private slots:
    void init()
    {
        oldFolder = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void cleanup() { QDir::setCurrent(oldFolder); }

    void initialValues()
    {
        const clsOpenSave dialog;
        QCOMPARE(dialog.CancelError(), false);
        QCOMPARE(dialog.DefaultExt() + dialog.DialogTitle() + dialog.FileName() +
                     dialog.FileTitle(),
                 QString());
        QCOMPARE(dialog.Filter(), "All Files (*.*)|*.*");
        QCOMPARE(dialog.FilterIndex(), qint16(1));
        QCOMPARE(dialog.flags(), quint32(0));
        QCOMPARE(dialog.InitDir(), "C:\\");
        QCOMPARE(dialog.MaxFileSize(), qint16(260));
        QCOMPARE(dialog.hWnd(), nullptr);
        QCOMPARE(dialog.FileExt(), qint16(0));
    }

    void filter_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QStringList>("qt"); // as QFileDialog shows it
        QTest::newRow("default") << "All Files (*.*)|*.*" << u"All Files (*.*)\0*.*\0\0"_qs
                                 << "All Files (*.*)|*.*" << QStringList{"All Files (*.*)"};
        QTest::newRow("one pair") << "Dat Files |*.dat" << u"Dat Files \0*.dat\0\0"_qs
                                  << "Dat Files |*.dat" << QStringList{"Dat Files (*.dat)"};
        QTest::newRow("trailing bar") << "Dat Files |*.dat|" << u"Dat Files \0*.dat\0\0"_qs
                                      << "Dat Files |*.dat" << QStringList{"Dat Files (*.dat)"};
        QTest::newRow("two trailing bars")
            << "A|*.a||" << u"A\0*.a\0\0"_qs << "A|*.a" << QStringList{"A (*.a)"};
        QTest::newRow("three trailing bars")
            << "A|*.a|||" << u"A\0*.a\0\0\0"_qs << "A|*.a|" << QStringList{"A (*.a)"};
        QTest::newRow("two pairs") << "A|*.a|B|*.b;*.c" << u"A\0*.a\0B\0*.b;*.c\0\0"_qs
                                   << "A|*.a|B|*.b;*.c" << QStringList{"A (*.a)", "B (*.b *.c)"};
        QTest::newRow("empty") << "" << u"\0\0"_qs << "" << QStringList();
    }
    void filter()
    {
        QFETCH(QString, written);
        QFETCH(QString, stored);
        clsOpenSave dialog;
        dialog.setFilter(written);
        QCOMPARE(dialog.storedFilter(), stored);
        QTEST(dialog.Filter(), "read");
        QTEST(qtNameFilters(stored), "qt");
    }

    // The request as set up; the results written back only for a confirmed file.
    void showSave_data()
    {
        QTest::addColumn<QString>("answer"); // empty: cancelled
        QTest::addColumn<QString>("title");  // FileTitle afterwards; empty: nothing written back
        QTest::addColumn<int>("ext");
        QTest::newRow("padded") << "  /some/where/backup.dat "
                                << "backup.dat" << 21;
        QTest::newRow("dot in folder only") << "/a.b/c"
                                            << "c" << 6;
        QTest::newRow("ends in dot") << "/a/b."
                                     << "b." << 0;
        QTest::newRow("windows path") << "C:\\x.y\\name.txt"
                                      << "name.txt" << 12;
        QTest::newRow("cancelled") << ""
                                   << "" << 0;
        QTest::newRow("longer than MaxFileSize") << "/" + QString(25, 'x') << "" << 0;
    }
    void showSave()
    {
        QFETCH(QString, answer);
        QFETCH(QString, title);
        test::NextFileDialog files;
        answer.isEmpty() ? files.cancel() : files.choose(answer, 2, 0x80006);
        QWidget owner;
        clsOpenSave dialog;
        dialog.setFilter("A|*.a|B|*.b");
        dialog.setFlags(0x2A5006);
        dialog.setFileName("proposed.dat");
        dialog.setInitDir("/nowhere");
        dialog.setMaxFileSize(25);
        dialog.setHWnd(&owner);
        dialog.ShowSave();

        const FileDialogRequest& request = files.last();
        QVERIFY(request.kind == FileDialogRequest::Kind::Save && request.owner == &owner);
        QCOMPARE(request.fileName + request.filter, u"proposed.datA\0*.a\0B\0*.b\0\0"_qs);
        QCOMPARE(request.filterIndex + request.maxFileSize, 1 + 25);
        QCOMPARE(request.flags, quint32(0x2A5006));
        QCOMPARE(request.startFolder, folder());
        const bool confirmed = !title.isEmpty();
        QCOMPARE(dialog.FileName(), confirmed ? answer.trimmed() : "proposed.dat");
        QCOMPARE(dialog.FileTitle(), title);
        QTEST(int(dialog.FileExt()), "ext");
        QCOMPARE(dialog.FilterIndex(), confirmed ? 2 : 1);
        QCOMPARE(dialog.flags(), confirmed ? 0x80006u : 0x2A5006u);
        QCOMPARE(dialog.InitDir(), confirmed ? folder() : "/nowhere");
        QCOMPARE(dialog.Filter(), "A|*.a|B|*.b");
    }
};

VENNOR_TEST(ClsOpenSaveTest)
#include "clsopensavetest.moc"
