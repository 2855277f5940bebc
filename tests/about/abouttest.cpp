#include "about/aboutbox.h"
#include "about/helpcommands.h"
#include "support/messagelog.h"
#include "support/modaldriver.h"
#include "support/recordshost.h"
#include "support/testregistry.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace vennor;

class AboutTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { help::setUrlOpener({}); }

    // Ok and Esc only hide the box; the same box shows again.
    void boxShowsTwice()
    {
        QWidget main;
        QPointer<AboutBox> box = new AboutBox(&main);
        test::ModalDriver driver;
        for (const bool escape : {false, true}) {
            driver.whenShown<AboutBox>([&](AboutBox* shown) {
                QCOMPARE(shown, box.data());
                escape ? QTest::keyClick(shown, Qt::Key_Escape) : shown->okButton_->click();
            });
            box->exec();
            QVERIFY(driver.waitAllHandled());
            QVERIFY(!box.isNull() && !box->isVisible());
        }
    }

    // There is no help file beside the tests: Help Topics reports nothing all the same.
    void helpTopicsWithTheFileMissing()
    {
        SharedState state;
        test::RecordsHost host(state);
        test::MessageLog messages;
        QList<QUrl> opened;
        help::setUrlOpener([&](const QUrl& url) {
            QCOMPARE(host.nameBoxFocused, 1);
            opened.append(url);
        });
        QVERIFY(!QFile::exists(help::helpFilePath()));
        help::helpTopics(host);
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                                                         QStringLiteral("/Vennor.Hlp"))});
        QCOMPARE(messages.count(), 0);
    }
};

VENNOR_TEST(AboutTest)
#include "abouttest.moc"
