#include "about/about.h"
#include "about/helpcommands.h"
#include "printing/recordshost.h"
#include "support/messagelog.h"
#include "support/modaldriver.h"
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
    void showsItsTexts()
    {
        about box(nullptr);
        QCOMPARE(box.windowTitle(), QStringLiteral("About VENNOR"));
        QCOMPARE(box.Label1->text(), QStringLiteral("Vennor 1.4"));
        QVERIFY(!box.Label2->text().isEmpty());
        QVERIFY(!box.Label2->text().contains(u'\n'));
        QCOMPARE(box.Label3->text(), QString());
        QCOMPARE(box.Label4->text(), QStringLiteral(" "));
        QCOMPARE(box.Command1->text(), QStringLiteral("Ok"));
        QCOMPARE(box.Label1->font().pointSizeF(), 13.5);
    }

    // Ok and Esc hide the box; the same box shows again with whatever it held.
    void hidesAndShowsAgain()
    {
        QWidget main;
        QPointer<about> box = new about(&main);
        box->Label3->setText(QStringLiteral("kept"));
        test::ModalDriver driver;
        driver.whenShown<about>([](about* shown) { shown->Command1->click(); });
        box->exec();
        QVERIFY(driver.waitAllHandled());
        QVERIFY(!box.isNull());
        QVERIFY(!box->isVisible());

        driver.whenShown<about>([&](about* shown) {
            QCOMPARE(shown, box.data());
            QTest::keyClick(shown, Qt::Key_Escape);
        });
        box->exec();
        QVERIFY(driver.waitAllHandled());
        QVERIFY(!box.isNull());
        QCOMPARE(box->Label3->text(), QStringLiteral("kept"));
    }
};

class HelpCommandsTest : public QObject
{
    Q_OBJECT

private:
    QList<QUrl> opened;

private slots:
    void init()
    {
        opened.clear();
        help::setUrlOpener([this](const QUrl& url) { opened.append(url); });
    }
    void cleanup() { help::setUrlOpener({}); }

    void helpTopicsFocusesTheNameBoxThenOpensTheFile()
    {
        SharedState state;
        test::RecordsHost host(state);
        test::MessageLog messages;
        host.calls.clear();
        help::setUrlOpener([&](const QUrl& url) {
            QCOMPARE(host.calls, QStringList{"focusNameBox"});
            opened.append(url);
        });
        QVERIFY(!QFile::exists(help::helpFilePath())); // no help file beside the tests
        help::helpTopics(host);
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].isLocalFile());
        QCOMPARE(opened[0].toLocalFile(),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/Vennor.Hlp"));
        QCOMPARE(messages.count(), 0);
    }

    void webPagesOpenTheirOwnAddresses()
    {
        help::latestVersion();
        help::mailGroup();
        QCOMPARE(opened.size(), 2);
        for (const QUrl& url : std::as_const(opened)) {
            QVERIFY(url.isValid());
            QCOMPARE(url.scheme(), QStringLiteral("https"));
        }
        QVERIFY(opened[0] != opened[1]);
    }
};

VENNOR_TEST(AboutTest)
VENNOR_TEST(HelpCommandsTest)
#include "abouttest.moc"
