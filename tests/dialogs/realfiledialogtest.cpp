#include "dialogs/opensavedlg.h"
#include "support/modaldriver.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace vennor;

// The one test that shows QFileDialog itself: what it proposes, and that a name typed and
// accepted comes back as the chosen path, its folder then the current one.
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
        QStringList seen;
        driver.expect("QFileDialog", [&](QWidget* window) {
            auto* dialog = static_cast<QFileDialog*>(window);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name != nullptr);
            seen << dialog->windowTitle() << dialog->selectedNameFilter()
                 << QDir(dialog->directory()).canonicalPath() << name->text();
            name->setText("copy.dat");
            QTest::keyClick(name, Qt::Key_Return);
        });
        const QString chosen = savedlg("Save to ", "Dat Files |*.dat", 0x2A4006, "Home");
        const QString folderAfter = QDir(QDir::currentPath()).canonicalPath();
        QDir::setCurrent(oldFolder);
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false);

        QVERIFY(driver.waitAllHandled());
        const QString folder = QDir(dir.path()).canonicalPath();
        QCOMPARE(seen, QStringList({"Save to ", "Dat Files (*.dat)", folder, "Home.dat"}));
        QCOMPARE(QDir(QFileInfo(chosen).absolutePath()).canonicalPath() + "/" +
                     QFileInfo(chosen).fileName(),
                 folder + "/copy.dat");
        QVERIFY(QDir::isAbsolutePath(chosen));
        QCOMPARE(folderAfter, folder);
    }
};

VENNOR_TEST(RealFileDialogTest)
#include "realfiledialogtest.moc"
