#include "modem/dialing.h"
#include "modem/config.h"
#include "modem/quickdial.h"
#include "modembench.h"
#include "platform/serialport.h"
#include "platform/twips.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

using namespace vennor;
using namespace vennor::test;

namespace {

// Stands in for the main window: its name search box gets the focus back after a call.
struct MainWindow
{
    MainWindow()
    {
        window.show();
        window.activateWindow();
        (new QLineEdit(&window))->setFocus(); // elsewhere before the call
    }
    QWidget window;
    QLineEdit* Combo1 = new QLineEdit(&window);
};

bool quickdialShown()
{
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](QWidget* window) {
        return qobject_cast<quickdial*>(window) != nullptr && window->isVisible();
    });
}

} // namespace

class DialingTest : public QObject
{
    Q_OBJECT

private slots:
    void captionsAndSizes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("texts"); // the title, then the controls' texts
        QTest::newRow("config") << twips::size(4680, 1935)
                                << "Configuration|Label1=Detecting the modem now...|Label2=|"
                                   "Command1=Cancel";
        QTest::newRow("dialing") << twips::size(4335, 1380)
                                 << "Dialing|Label1=Dialing:|Label2=555-1234|Command1=Cancel";
        QTest::newRow("quickdial") << twips::size(3930, 1320)
                                   << "Manual dial|Label1=Number to dial|Text1=|Command1=Dial|"
                                      "Command2=Cancel";
    }
    void captionsAndSizes()
    {
        QFETCH(QString, texts);
        SharedState state;
        state.dialnumber = QStringLiteral("555-1234");
        const QString row = QTest::currentDataTag();
        std::unique_ptr<QDialog> window;
        if (row == "config") {
            window = std::make_unique<config>(state, nullptr);
        } else if (row == "dialing") {
            window = std::make_unique<dialing>(state, nullptr, nullptr);
        } else {
            window = std::make_unique<quickdial>(state, nullptr, nullptr);
        }
        QTEST(window->size(), "size");
        QStringList controls = texts.split('|');
        QCOMPARE(window->windowTitle(), controls.takeFirst());
        for (const QString& control : controls) {
            const QString name = control.section('=', 0, 0);
            QWidget* widget = window->findChild<QWidget*>(name);
            QCOMPARE(widget ? name + '=' + widget->property("text").toString() : name, control);
        }
    }

    // A failed step (no usable port line) runs the detection, which finds port 1, then calls again.
    void callStaysOffTheHookUntilCancel_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("close");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QStringList>("after");
        const QStringList port2 = {"2", "Family"};
        const QByteArray redial = "ATDT123;\rATDT;\rATH\rATDT123;\r";
        QTest::newRow("dash") << port2 << "555-1234"
                              << "Cancel" << QByteArray("ATDT555-1234;\r") << port2;
        QTest::newRow("blanks, close box")
            << port2 << " 0 12-34  56 "
            << "close box" << QByteArray("ATDT 0 12-34  56 ;\r") << port2;
        QTest::newRow("pause, Esc") << port2 << "9,,0123"
                                    << "Esc" << QByteArray("ATDT9,,0123;\r") << port2;
        QTest::newRow("no settings file") << QStringList() << "123"
                                          << "Cancel" << redial << QStringList{"1"};
        QTest::newRow("port line not a number") << QStringList{"x", "Family"} << "123"
                                                << "Cancel" << redial << QStringList{"1", "Family"};
    }
    void callStaysOffTheHookUntilCancel()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, close);
        QFETCH(QByteArray, sent);
        ModemBench bench(before);
        const auto modems = bench.plug(before.value(0) == "2" ? "-o" : "o");
        FakeModem& modem = *modems.rbegin()->second;
        MainWindow main;
        QFETCH(QString, number);
        bench.state.dialnumber = number;
        dialing window(bench.state, main.Combo1, &main.window);
        window.open();

        QTRY_COMPARE(modem.received(), sent);
        QTEST(bench.folders.readSettings(), "after");
        QVERIFY(!QTest::qWaitFor([&] { return modem.received() != sent; }, 300));
        QVERIFY(window.isVisible() && modem.isHeldOpen());

        if (close == "Cancel") {
            clickButton(&window, "Command1");
        } else if (close == "Esc") {
            QTest::keyClick(&window, Qt::Key_Escape);
        } else {
            QVERIFY(window.close());
        }
        QVERIFY(!window.isVisible());
        QCOMPARE(bench.state.dialnumber, QString());
        QTRY_COMPARE(modem.received(), sent + "ATH\r");
        QTRY_VERIFY(!modem.isHeldOpen());
        QCOMPARE(main.window.focusWidget(), main.Combo1);
        QCOMPARE(bench.log.count(), 0);
    }

    // Port 1 holds a silent modem: without a settings file the detection finds nothing.
    void callEndsWithAMessage_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("none") << QStringList{"none", "A"} << "The modem is not connected"
                              << QByteArray() << QStringList{"none", "A"};
        QTest::newRow("held by another open")
            << QStringList{"1", "A"} << "The line is busy" << QByteArray() << QStringList{"1", "A"};
        QTest::newRow("missing") << QStringList{"4", "A"} << "The line is busy" << QByteArray()
                                 << QStringList{"4", "A"};
        QTest::newRow("no modem found")
            << QStringList() << "Can't find a Modem or line is not connected !!"
            << QByteArray("ATDT5;\rATDT;\r") << QStringList{"none"};
    }
    void callEndsWithAMessage()
    {
        QFETCH(QStringList, before);
        QFETCH(QByteArray, sent);
        ModemBench bench(before);
        const auto modems = bench.plug("s");
        const bool held = before.value(0) == "1";
        SerialPort other;
        QVERIFY(!held || other.setPortOpen(true).ok());
        bench.state.dialnumber = QStringLiteral("5");
        dialing window(bench.state, nullptr, nullptr);
        bool openAtMessage = false;
        bench.log.onNext([&](const MessageBox::Request&) { openAtMessage = window.isVisible(); });

        window.exec();
        other.setPortOpen(false);

        QCOMPARE(bench.log.count(), 1);
        QTEST(bench.log.last().text, "message");
        QCOMPARE(bench.log.last().title, "Warning");
        QCOMPARE(openAtMessage, sent.isEmpty()); // the detection closes the window first
        QTEST(bench.folders.readSettings(), "after");
        QTRY_VERIFY(!modems.at(1)->isHeldOpen());
        QCOMPARE(modems.at(1)->received(), sent);
        QCOMPARE(modems.at(1)->openCount(), int(held) + (sent.isEmpty() ? 0 : 2));
        QCOMPARE(bench.state.dialnumber, sent.isEmpty() ? "5" : QString());
    }

    // The line goes dead and Cancel comes during the wait: no detection, no second call.
    void cancelDuringTheWaitEndsTheCallForGood()
    {
        ModemBench bench; // no settings file: the call would go on to a detection
        modemWaits().dial = std::chrono::seconds(30);
        const auto modems = bench.plug("o");
        bench.state.dialnumber = QStringLiteral("42");
        dialing window(bench.state, nullptr, nullptr);
        connect(modems.at(1).get(), &FakeModem::bytesReceived, &window, [&] {
            modems.at(1)->closeLine();
            clickButton(&window, "Command1");
        });

        QElapsedTimer clock;
        clock.start();
        window.exec();

        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(modems.at(1)->received(), QByteArray("ATDT42;\r"));
        QVERIFY(!QFile::exists(bench.folders.settingsFile()));
        QCOMPARE(bench.state.dialnumber, QString());
        QCOMPARE(bench.log.count(), 0);
    }

    void manualDial_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QStringList>("messages");
        const QByteArray call = "ATDT0 12 34;\rATH\r";
        QTest::newRow("Enter") << "0 12 34"
                               << "Enter" << call << QStringList();
        QTest::newRow("Dial") << "0 12 34"
                              << "Command1" << call << QStringList();
        QTest::newRow("empty box")
            << ""
            << "Command1" << QByteArray() << QStringList{"A telephone number is required"};
        QTest::newRow("Cancel") << "123"
                                << "Command2" << QByteArray() << QStringList();
    }
    void manualDial()
    {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QByteArray, sent);
        ModemBench bench;
        bench.folders.writeSettings({"2"});
        const auto modems = bench.plug("-o");
        FakeModem& modem = *modems.at(2);
        MainWindow main;
        bench.state.dialnumber = QStringLiteral("earlier");
        ModalDriver driver;
        driver.whenShown<quickdial>([&](quickdial* window) {
            QTest::keyClicks(window->findChild<QLineEdit*>("Text1"), typed);
            button == "Enter" ? QTest::keyClick(window, Qt::Key_Return)
                              : clickButton(window, button.toLatin1().constData());
        });
        bool quickdialShownLater = false; // while the call or the message is on screen
        bench.log.onNext([&](const auto&) { quickdialShownLater = quickdialShown(); });
        QWidget* callParent = nullptr;
        connect(&modem, &FakeModem::bytesReceived, this, [&] {
            auto* call = qobject_cast<dialing*>(QApplication::activeModalWidget());
            if (call != nullptr && modem.received().endsWith(";\r")) {
                quickdialShownLater = quickdialShown();
                callParent = call->parentWidget();
                clickButton(call, "Command1");
            }
        });

        runManualDial(bench.state, main.Combo1, &main.window);

        QCOMPARE(driver.pending(), 0);
        QTRY_COMPARE(modem.received(), sent);
        QVERIFY(!quickdialShownLater);
        QCOMPARE(callParent, sent.isEmpty() ? nullptr : &main.window);
        QTEST(bench.log.texts(), "messages");
        QVERIFY(bench.log.count() == 0 || bench.log.last().title == "Warning");
        QCOMPARE(bench.state.dialnumber, button == "Command2" ? "earlier" : QString());
    }
};

VENNOR_TEST(DialingTest)
#include "dialingtest.moc"
