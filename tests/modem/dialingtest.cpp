#include "modem/dialing.h"
#include "modem/config.h"
#include "modemtesting.h"
#include "platform/serialport.h"
#include "platform/twips.h"
#include "support/fakemodem.h"
#include "support/messagelog.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

const QString kWarning = QStringLiteral("Warning");
const QString kNotFound = QStringLiteral("Can't find a Modem or line is not connected !!");

// Stands in for the main window: its name search box gets the focus back after a call.
struct MainWindow
{
    MainWindow()
    {
        Combo1->setObjectName(QStringLiteral("Combo1"));
        other->move(0, 40);
        window.resize(400, 300);
        window.show();
        window.activateWindow();
        other->setFocus();
    }
    QWidget window;
    QLineEdit* Combo1 = new QLineEdit(&window);
    QLineEdit* other = new QLineEdit(&window);
};

void clickCancel(QWidget* window)
{
    window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
}

// Nothing more happens within a while: no byte sent and the window still open.
bool staysQuiet(const FakeModem& modem, const QWidget& window)
{
    const QByteArray before = modem.received();
    return !QTest::qWaitFor([&] { return !window.isVisible() || modem.received() != before; },
                            int(modemWaits().dial.count()) * 5 + 100);
}

} // namespace

class DialingTest : public QObject
{
    Q_OBJECT

private slots:
    void layout()
    {
        SharedState state;
        state.dialnumber = QStringLiteral("555-1234");
        dialing window(state, nullptr, nullptr);
        QCOMPARE(window.windowTitle(), QStringLiteral("Dialing"));
        QCOMPARE(window.size(), twips::size(4335, 1380));
        auto* label1 = window.findChild<QLabel*>(QStringLiteral("Label1"));
        auto* label2 = window.findChild<QLabel*>(QStringLiteral("Label2"));
        auto* cancel = window.findChild<QPushButton*>(QStringLiteral("Command1"));
        QCOMPARE(label1->text(), QStringLiteral("Dialing:"));
        QCOMPARE(label2->text(), QStringLiteral("555-1234"));
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(label1->geometry(), twips::rect(1500, 330, 900, 240));
        QCOMPARE(label2->font().pointSizeF(), 9.75);
        QVERIFY(qAbs(cancel->geometry().center().x() - window.width() / 2) <= 1);
        QCOMPARE(cancel->y(), twips::toPixels(870));
    }

    void dialSendsTheNumberAsGivenAndCancelHangsUp_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("dash") << "555-1234";
        QTest::newRow("blanks and dashes") << " 0 12-34  56 ";
        QTest::newRow("comma pause") << "9,,0123";
    }
    void dialSendsTheNumberAsGivenAndCancelHangsUp()
    {
        QFETCH(QString, number);
        ModemBench bench;
        bench.folders.writeSettings({"2", "Family"});
        FakeModem modem;
        bench.ports.set(2, modem.path());
        MainWindow main;
        bench.state.dialnumber = number;
        dialing window(bench.state, main.Combo1, &main.window);
        window.setModal(true);
        window.show();

        const QByteArray dial = "ATDT" + number.toLatin1() + ";\r";
        QTRY_COMPARE(modem.received(), dial);
        QVERIFY(staysQuiet(modem, window));
        QVERIFY(modem.isHeldOpen());

        clickCancel(&window);
        QVERIFY(!window.isVisible());
        QCOMPARE(bench.state.dialnumber, QString());
        QTRY_COMPARE(modem.received(), dial + "ATH\r");
        QTRY_VERIFY(!modem.isHeldOpen());
        QCOMPARE(modem.openCount(), 1);
        QCOMPARE(main.window.focusWidget(), main.Combo1);
        QCOMPARE(bench.log.count(), 0);
        QCOMPARE(bench.folders.readSettings(), (QStringList{"2", "Family"}));
    }

    void closeBoxAndEscDoWhatCancelDoes_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("close box") << false;
        QTest::newRow("Esc") << true;
    }
    void closeBoxAndEscDoWhatCancelDoes()
    {
        QFETCH(bool, escape);
        ModemBench bench;
        bench.folders.writeSettings({"2"});
        FakeModem modem;
        bench.ports.set(2, modem.path());
        MainWindow main;
        bench.state.dialnumber = QStringLiteral("777");
        dialing window(bench.state, main.Combo1, &main.window);
        window.setModal(true);
        window.show();
        QTRY_COMPARE(modem.received(), QByteArray("ATDT777;\r"));

        if (escape) {
            QTest::keyClick(&window, Qt::Key_Escape);
        } else {
            QVERIFY(window.close());
        }
        QVERIFY(!window.isVisible());
        QCOMPARE(bench.state.dialnumber, QString());
        QTRY_COMPARE(modem.received(), QByteArray("ATDT777;\rATH\r"));
        QTRY_VERIFY(!modem.isHeldOpen());
    }

    void noneLineGivesTheMessageWithoutTouchingAPort()
    {
        ModemBench bench;
        bench.folders.writeSettings({"none", "Family"});
        FakeModem modem;
        bench.ports.set(1, modem.path());
        bench.state.dialnumber = QStringLiteral("123");
        dialing window(bench.state, nullptr, nullptr);
        bool openAtMessage = false;
        bench.log.onNext([&](const MessageBox::Request&) { openAtMessage = window.isVisible(); });

        window.exec();

        QCOMPARE(bench.log.texts(), QStringList{"The modem is not connected"});
        QCOMPARE(bench.log.last().title, kWarning);
        QVERIFY(openAtMessage);
        QVERIFY(!window.isVisible());
        QCOMPARE(modem.openCount(), 0);
        QCOMPARE(modem.received(), QByteArray());
    }

    void portThatDoesNotOpenGivesLineBusy_data()
    {
        QTest::addColumn<bool>("held");
        QTest::newRow("held by another open") << true;
        QTest::newRow("missing") << false;
    }
    void portThatDoesNotOpenGivesLineBusy()
    {
        QFETCH(bool, held);
        ModemBench bench;
        bench.folders.writeSettings({"4"});
        FakeModem modem;
        SerialPort other;
        if (held) {
            bench.ports.set(4, modem.path());
            other.setCommPort(4);
            QVERIFY(other.setPortOpen(true).ok());
        }
        bench.state.dialnumber = QStringLiteral("123");
        dialing window(bench.state, nullptr, nullptr);

        window.exec();

        QCOMPARE(bench.log.texts(), QStringList{"The line is busy"});
        QCOMPARE(bench.log.last().title, kWarning);
        QVERIFY(!window.isVisible());
        QCOMPARE(modem.received(), QByteArray());
        QCOMPARE(other.portOpen(), held);
        QCOMPARE(bench.folders.readSettings(), QStringList{"4"});
    }

    void failedStepRunsDetectionThenCallsAgain_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("no settings file") << QStringList() << QStringList{"1"};
        QTest::newRow("port line not a number")
            << QStringList{"x", "Family"} << QStringList{"1", "Family"};
    }
    void failedStepRunsDetectionThenCallsAgain()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        ModemBench bench;
        if (!before.isEmpty()) {
            bench.folders.writeSettings(before);
        }
        FakeModem modem; // reached through the port the control starts with
        bench.ports.set(1, modem.path());
        MainWindow main;
        bench.state.dialnumber = QStringLiteral("123");
        dialing window(bench.state, main.Combo1, &main.window);
        window.setModal(true);
        window.show();

        QTRY_COMPARE(modem.received(), QByteArray("ATDT123;\rATDT;\rATH\rATDT123;\r"));
        QCOMPARE(bench.folders.readSettings(), after);
        QCOMPARE(bench.state.modemfound, 1);
        QVERIFY(staysQuiet(modem, window));
        QVERIFY(modem.isHeldOpen());
        QCOMPARE(bench.log.count(), 0);

        clickCancel(&window);
        QTRY_COMPARE(modem.received(), QByteArray("ATDT123;\rATDT;\rATH\rATDT123;\rATH\r"));
        QTRY_VERIFY(!modem.isHeldOpen());
    }

    void detectionFindingNothingClosesTheDialingWindow()
    {
        ModemBench bench;
        FakeModem silent(FakeModem::Reply::Silent);
        bench.ports.set(1, silent.path());
        bench.state.dialnumber = QStringLiteral("5");
        dialing window(bench.state, nullptr, nullptr);
        bool dialingOpenAtMessage = true;
        bench.log.onNext(
            [&](const MessageBox::Request&) { dialingOpenAtMessage = window.isVisible(); });

        window.exec();

        QCOMPARE(bench.log.texts(), QStringList{kNotFound});
        QCOMPARE(bench.log.last().title, kWarning);
        QVERIFY(!dialingOpenAtMessage);
        QCOMPARE(bench.folders.readSettings(), QStringList{"none"});
        QCOMPARE(silent.received(), QByteArray("ATDT5;\rATDT;\r"));
        QTRY_VERIFY(!silent.isHeldOpen());
        QCOMPARE(bench.state.dialnumber, QString());
    }

    void cancelDuringTheWaitEndsTheCallForGood()
    {
        ModemBench bench; // no settings file: the call would go on to a detection
        modemWaits().dial = std::chrono::seconds(30);
        FakeModem modem;
        bench.ports.set(1, modem.path());
        bench.state.dialnumber = QStringLiteral("42");
        dialing window(bench.state, nullptr, nullptr);
        connect(&modem, &FakeModem::bytesReceived, &window, [&window] { clickCancel(&window); });

        QElapsedTimer clock;
        clock.start();
        window.exec();

        QVERIFY(clock.elapsed() < 10000);
        QTRY_COMPARE(modem.received(), QByteArray("ATDT42;\rATH\r"));
        QTRY_VERIFY(!modem.isHeldOpen());
        QVERIFY(!QFile::exists(bench.folders.settingsFile()));
        QCOMPARE(bench.log.count(), 0);
        QCOMPARE(bench.state.dialnumber, QString());
    }

    void cancelWithThePortClosedSendsNothing()
    {
        ModemBench bench;
        modemWaits().probe = std::chrono::seconds(30);
        FakeModem silent(FakeModem::Reply::Silent);
        bench.ports.set(1, silent.path());
        MainWindow main;
        bench.state.dialnumber = QStringLiteral("5");
        dialing window(bench.state, main.Combo1, &main.window);
        // The detection that follows the failed call is cancelled while it probes port 1.
        connect(&silent, &FakeModem::bytesReceived, &window, [&silent] {
            if (silent.received().endsWith("ATDT;\r")) {
                clickCancel(QApplication::activeModalWidget());
            }
        });
        window.setModal(true);
        window.show();

        QTRY_COMPARE(silent.received(), QByteArray("ATDT5;\rATDT;\r"));
        QTRY_VERIFY(!silent.isHeldOpen());
        QVERIFY(window.isVisible());
        QVERIFY(!QFile::exists(bench.folders.settingsFile()));

        clickCancel(&window);
        QVERIFY(!window.isVisible());
        QCOMPARE(bench.state.dialnumber, QString());
        QVERIFY(!QTest::qWaitFor([&] { return silent.received().size() > 13; }, 200));
        QCOMPARE(silent.openCount(), 2);
    }

    void modemSwitchedOffMidCallStillCancels()
    {
        ModemBench bench;
        bench.folders.writeSettings({"3"});
        FakeModem modem;
        bench.ports.set(3, modem.path());
        bench.state.dialnumber = QStringLiteral("99");
        dialing window(bench.state, nullptr, nullptr);
        window.setModal(true);
        window.show();
        QTRY_COMPARE(modem.received(), QByteArray("ATDT99;\r"));

        modem.closeLine();
        clickCancel(&window);
        QVERIFY(!window.isVisible());
        QCOMPARE(bench.state.dialnumber, QString());
        QCOMPARE(bench.log.count(), 0);
    }
};

VENNOR_TEST(DialingTest)
#include "dialingtest.moc"
