#include "phonebookfixture.h"
#include "phonebooks/filecopy.h"
#include "support/testregistry.h"
#include "support/writelimit.h"

#include <QFileInfo>

using namespace vennor;

// A copy or a new phone book either happens whole or leaves every file as it was.
class ReplacingTest : public QObject
{
    Q_OBJECT

private slots:
    void copyReplacesItsTargetWholeOrNotAtAll()
    {
        test::PhoneBookFixture f;
        const QString source = f.outside("source.dat", QByteArray(4000, 'x'));
        const QString target = f.outside("target.dat", "old backup\r\n");
        {
            const test::WriteLimit limit(0);
            if (!limit.active()) {
                QSKIP("no file size limit on this platform");
            }
            QVERIFY(!copyReplacing(source, target).copied());
        }
        QFile old(target);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), "old backup\r\n");
        QVERIFY(copyReplacing(source, target).copied());
        QCOMPARE(QFileInfo(target).size(), 4000);
    }

    void createTakesItsFileBackWhenTheListCannotGrow()
    {
        test::PhoneBookFixture f;
        f.state.dialogMode = 0;
        PhoneBookDialog dialog(f.state, f.host, f.host.window());
        dialog.show();
        dialog.nameBox_->setText("Work");
        {
            const test::WriteLimit limit(QFileInfo(f.folders.settingsFile()).size());
            if (!limit.active()) {
                QSKIP("no file size limit on this platform");
            }
            dialog.okButton_->click();
        }
        QCOMPARE(f.shown(), "Warning: The phone book Work could not be added to the list [reason]");
        QVERIFY(!QFile::exists(f.folders.phoneBook("Work")));
        QCOMPARE(f.folders.readSettings(), test::kStart);
        QVERIFY(dialog.isVisible());
    }
};

VENNOR_TEST(ReplacingTest)
#include "replacingtest.moc"
