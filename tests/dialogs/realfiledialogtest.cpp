#include "dialogs/opensavedlg.h"
#include "support/modaldriver.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace vennor;

// The one test that shows QFileDialog itself: what the user sees proposed, and that a name
// typed and accepted comes back as the chosen path.
class RealFileDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void saveDialogProposesTheNameAndReturnsTheTypedOne()
    {
        QTemporaryDir dir;
        const QString oldFolder = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);

        test::ModalDriver driver;
        QString title;
        QString proposed;
        QString filter;
        QString folder;
        driver.expect("QFileDialog", [&](QWidget* window) {
            auto* dialog = static_cast<QFileDialog*>(window);
            title = dialog->windowTitle();
            filter = dialog->selectedNameFilter();
            folder = dialog->directory().absolutePath();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name != nullptr);
            proposed = name->text();
            name->setText(QStringLiteral("copy.dat"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        const QString chosen = savedlg("Save to ", "Dat Files |*.dat", 0x2A4006, "Home");
        const QString folderAfter = QDir::currentPath();

        QDir::setCurrent(oldFolder);
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false);
        QVERIFY(driver.waitAllHandled());
        QCOMPARE(title, QStringLiteral("Save to "));
        QCOMPARE(proposed, QStringLiteral("Home.dat"));
        QCOMPARE(filter, QStringLiteral("Dat Files (*.dat)"));
        QCOMPARE(QDir(folder).canonicalPath(), QDir(dir.path()).canonicalPath());
        QVERIFY(QDir::isAbsolutePath(chosen));
        QCOMPARE(QDir(QFileInfo(chosen).absolutePath()).canonicalPath(),
                 QDir(dir.path()).canonicalPath());
        QCOMPARE(QFileInfo(chosen).fileName(), QStringLiteral("copy.dat"));
        QCOMPARE(QDir(folderAfter).canonicalPath(), QDir(dir.path()).canonicalPath());
    }
};

VENNOR_TEST(RealFileDialogTest)
#include "realfiledialogtest.moc"
