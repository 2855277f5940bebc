#include "about/aboutbox.h"
#include "about/helpcommands.h"
#include "support/modaldriver.h"
#include "support/testregistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace vennor;

class AboutTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { help::setUrlOpener({}); }

    // Ok and Esc only hide the box; the same box shows again with its texts.
    void boxShowsTwice()
    {
        QWidget main;
        QPointer<AboutBox> box = new AboutBox(&main);
        const QStringList texts{box->windowTitle(), box->versionLabel_->text(),
                                box->blankLabel_->text(), box->legalNoticeLabel_->text(),
                                box->okButton_->text()};
        QCOMPARE(texts, (QStringList{"About VENNOR", "Vennor 1.4", "", " ", "Ok"}));
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
};

VENNOR_TEST(AboutTest)
#include "abouttest.moc"
