// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/choosefile.h"
#include "support/modaldriver.h"
#include "support/nextfiledialog.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace vennor;

class FileDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void filter_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QStringList>("qt"); // as QFileDialog shows it
        QTest::newRow("default") << "All Files (*.*)|*.*" << u"All Files (*.*)\0*.*\0\0"_qs
                                 << "All Files (*.*)|*.*" << QStringList{"All Files (*.*)"};
        QTest::newRow("trailing bar") << "Dat Files |*.dat|" << u"Dat Files \0*.dat\0\0"_qs
                                      << "Dat Files |*.dat" << QStringList{"Dat Files (*.dat)"};
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
        FileDialog dialog;
        dialog.setFilter(written);
        QCOMPARE(dialog.storedFilter(), stored);
        QTEST(dialog.filter(), "read");
        QTEST(qtNameFilters(stored), "qt");
    }

    // The request starts in the current folder, whatever initialFolder says; the file is written
    // back only when confirmed and within maxFileSize.
    void showSave_data()
    {
        QTest::addColumn<QString>("answer"); // empty: cancelled
        QTest::addColumn<QString>("title");  // fileTitle afterwards; empty: nothing written back
        QTest::addColumn<int>("ext");
        const auto row = [](const char* name, const QString& answer, const char* title, int ext) {
            QTest::newRow(name) << answer << QString(title) << ext;
        };
        row("padded", "  /some/where/backup.dat ", "backup.dat", 21);
        row("dot in folder only", "/a.b/c", "c", 6);
        row("ends in dot", "/a/b.", "b.", 0);
        row("cancelled", "", "", 0);
        row("longer than MaxFileSize", "/" + QString(25, 'x'), "", 0);
    }
    void showSave()
    {
        QFETCH(QString, answer);
        QFETCH(QString, title);
        test::NextFileDialog files;
        answer.isEmpty() ? files.cancel() : files.choose(answer);
        QWidget owner;
        FileDialog dialog;
        dialog.setFileName("proposed.dat");
        dialog.setInitialFolder("/nowhere");
        dialog.setMaxFileSize(25);
        dialog.setOwner(&owner);
        dialog.showSave();

        const FileDialogRequest& request = files.requests.first();
        QVERIFY(request.kind == FileDialogRequest::Kind::Save && request.owner == &owner);
        QCOMPARE(request.startFolder, QDir::toNativeSeparators(QDir::currentPath()));
        QCOMPARE(dialog.fileName(), title.isEmpty() ? "proposed.dat" : answer.trimmed());
        QCOMPARE(dialog.fileTitle(), title);
        QTEST(int(dialog.extensionOffset()), "ext");
    }

    // The one test that shows QFileDialog itself: what it proposes, and that a name typed and
    // accepted comes back as the chosen path, with the extension it lacked, its folder then the
    // current one.
    void saveDialogProposesTheNameAndReturnsTheTypedOne()
    {
        QTemporaryDir dir;
        const QString folder = QDir(dir.path()).canonicalPath();
        QVERIFY(QDir(folder).mkdir("sub"));
        const QString oldFolder = QDir::currentPath();
        QDir::setCurrent(folder);
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
        test::ModalDriver driver;
        QStringList seen;
        driver.expect("QFileDialog", [&](QWidget* window) {
            auto* dialog = static_cast<QFileDialog*>(window);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name != nullptr);
            seen << dialog->windowTitle() << dialog->selectedNameFilter()
                 << dialog->directory().path() << name->text();
            name->setText("sub/copy");
            QTest::keyClick(name, Qt::Key_Return);
        });
        const QString chosen = chooseFileToSave("Save to ", "Dat Files |*.dat", 0x2A4006, "Home");
        const QString folderAfter = QDir::currentPath();
        QDir::setCurrent(oldFolder);
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false);

        QVERIFY(driver.waitAllHandled());
        QCOMPARE(seen, QStringList({"Save to ", "Dat Files (*.dat)", folder, "Home.dat"}));
        QCOMPARE(chosen, folder + "/sub/copy.dat");
        QCOMPARE(folderAfter, folder + "/sub");
    }
};

VENNOR_TEST(FileDialogTest)
#include "filedialogtest.moc"
