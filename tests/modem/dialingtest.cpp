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

class DialingTest : public QObject
{
    Q_OBJECT

private slots:
    void captionsAndSizes()
    {
        SharedState state;
        state.dialnumber = QStringLiteral("555-1234");
        config detection(state, nullptr);
        dialing call(state, nullptr, nullptr);
        quickdial manual(state, nullptr, nullptr);
        QStringList shown;
        for (QDialog* window : std::initializer_list<QDialog*>{&detection, &call, &manual}) {
            shown << window->windowTitle();
            for (auto* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                shown.last() +=
                    '|' + control->objectName() + '=' + control->property("text").toString();
            }
        }
        QCOMPARE(shown,
                 (QStringList{
                     "Configuration|Label1=Detecting the modem now...|Label2=|Command1=Cancel",
                     "Dialing|Label1=Dialing:|Label2=555-1234|Command1=Cancel",
                     "Manual dial|Label1=Number to dial|Text1=|Command1=Dial|Command2=Cancel"}));
        QCOMPARE((QList<QSize>{detection.size(), call.size(), manual.size()}),
                 (QList<QSize>{twips::size(4680, 1935), twips::size(4335, 1380),
                               twips::size(3930, 1320)}));
    }

    // A failed step (no usable port line) runs the detection, which finds port 1, then calls again.
    void callStaysOffTheHookUntilCancel_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("close");
        QTest::addColumn<QByteArray>("sent");
        const QByteArray redial = "ATDT123;\rATDT;\rATH\rATDT123;\r";
        QTest::newRow("dash") << QStringList{"2"} << "555-1234"
                              << "Cancel" << QByteArray("ATDT555-1234;\r");
        QTest::newRow("blanks, close box") << QStringList{"2"} << " 0 12-34  56 "
                                           << "close box" << QByteArray("ATDT 0 12-34  56 ;\r");
        QTest::newRow("pause, Esc") << QStringList{"2"} << "9,,0123"
                                    << "Esc" << QByteArray("ATDT9,,0123;\r");
        QTest::newRow("no settings file") << QStringList() << "123"
                                          << "Cancel" << redial;
        QTest::newRow("port line not a number") << QStringList{"x"} << "123"
                                                << "Cancel" << redial;
    }
    void callStaysOffTheHookUntilCancel()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, close);
        QFETCH(QByteArray, sent);
        ModemBench bench(before);
        const auto modems = bench.plug(before.value(0) == "2" ? "-o" : "o");
        FakeModem& modem = *modems.rbegin()->second;
        QFETCH(QString, number);
        bench.state.dialnumber = number;
        dialing window(bench.state, nullptr, nullptr);
        window.open();

        QTRY_COMPARE(modem.received(), sent);
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
        QCOMPARE(bench.log.count(), 0);
    }

    // Port 1 holds a silent modem: without a settings file the detection finds nothing.
    void callEndsWithAMessage_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("none") << QStringList{"none", "A"} << "The modem is not connected"
                              << QByteArray();
        QTest::newRow("held by another open")
            << QStringList{"1"} << "The line is busy" << QByteArray();
        QTest::newRow("missing") << QStringList{"4"} << "The line is busy" << QByteArray();
        QTest::newRow("no modem found")
            << QStringList() << "Can't find a Modem or line is not connected !!"
            << QByteArray("ATDT5;\rATDT;\r");
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
        QCOMPARE(bench.folders.readSettings(), sent.isEmpty() ? before : QStringList{"none"});
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
        QWidget main; // its name search box gets the focus back after a call
        auto* Combo1 = new QLineEdit(&main);
        (new QLineEdit(&main))->setFocus();
        bench.state.dialnumber = QStringLiteral("earlier");
        ModalDriver driver;
        QPointer<quickdial> manual;
        driver.whenShown<quickdial>([&](quickdial* window) {
            manual = window;
            QTest::keyClicks(window->findChild<QLineEdit*>("Text1"), typed);
            button == "Enter" ? QTest::keyClick(window, Qt::Key_Return)
                              : clickButton(window, button.toLatin1().constData());
        });
        bool quickdialShownLater = false; // while the call or the message is on screen
        bench.log.onNext([&](const auto&) { quickdialShownLater = manual->isVisible(); });
        QWidget* callParent = nullptr; // the main window
        connect(&modem, &FakeModem::bytesReceived, this, [&] {
            auto* call = qobject_cast<dialing*>(QApplication::activeModalWidget());
            if (call != nullptr && modem.received().endsWith(";\r")) {
                quickdialShownLater = manual->isVisible();
                callParent = call->parentWidget();
                clickButton(call, "Command1");
            }
        });

        runManualDial(bench.state, Combo1, &main);

        QCOMPARE(driver.pending(), 0);
        QTRY_COMPARE(modem.received(), sent);
        QVERIFY(!quickdialShownLater);
        QCOMPARE(callParent, sent.isEmpty() ? nullptr : &main);
        QCOMPARE(main.focusWidget() == Combo1, !sent.isEmpty());
        QTEST(bench.log.texts(), "messages");
        QVERIFY(bench.log.count() == 0 || bench.log.last().title == "Warning");
        QCOMPARE(bench.state.dialnumber, button == "Command2" ? "earlier" : QString());
    }
};

VENNOR_TEST(DialingTest)
#include "dialingtest.moc"
