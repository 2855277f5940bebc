// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calllog.h"
#include "gui/modem/dialingwindow.h"
#include "gui/modem/manualdialdialog.h"
#include "gui/modem/modemdetectiondialog.h"
#include "modembench.h"
#include "platform/serialport.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>

using namespace vennor;
using namespace vennor::test;

// The serial port layer, then the detection, dialing and manual dial windows, offscreen,
// against fake modems.
class ModemTest : public QObject
{
    Q_OBJECT

private slots:
    void lineSettingsAreParsed()
    {
        const auto line = parseLineSettings(QStringLiteral("1200,e,7,1.5"));
        QVERIFY(line);
        QCOMPARE((QList<int>{line->baud, line->parity, line->dataBits, line->stopBits}),
                 (QList<int>{1200, QSerialPort::EvenParity, 7, QSerialPort::OneAndHalfStop}));
        for (const char* bad : {"9600,X,8,1", "9600,N,9,1", "9600,N,8,3", "fast,N,8,1", "9,N,8"}) {
            QVERIFY2(!parseLineSettings(bad), bad);
        }
    }

    // A failed step (no usable port line) runs the detection, which finds port 1, then calls again.
    void callStaysOffTheHookUntilCancel_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("close");
        const auto row = [](const char* name, QStringList before, QString number, QString close) {
            QTest::newRow(name) << before << number << close;
        };
        row("dash", {"2"}, "555-1234", "Cancel");
        row("blanks and dashes, close box", {"2"}, " 0 12-34  56 ", "close box");
        row("pause, Esc", {"2"}, "9,,0123", "Esc");
        row("modem switched off, Cancel", {"2"}, "99", "unplug");
        row("port line not a number", {"x"}, "123", "Cancel");
    }
    void callStaysOffTheHookUntilCancel()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, number);
        QFETCH(QString, close);
        ModemBench bench(before);
        const bool recorded = before.value(0) == "2";
        const auto modems = bench.plug(recorded ? "-o" : "o");
        FakeModem& modem = *modems.rbegin()->second;
        const QByteArray dialCommand = "ATDT" + number.toLatin1() + ";\r";
        const QByteArray sent = recorded ? dialCommand : dialCommand + "ATDT;\rATH\r" + dialCommand;
        bench.state.numberToDial = number;
        DialingWindow window(bench.state, nullptr, nullptr);
        window.open();

        QTRY_COMPARE(modem.received(), sent);
        QVERIFY(!QTest::qWaitFor([&] { return modem.received() != sent; }, 300));
        QVERIFY(window.isVisible() && modem.isHeldOpen());

        if (close == "unplug") {
            modem.closeLine();
        }
        if (close == "Esc") {
            QTest::keyClick(&window, Qt::Key_Escape);
        } else if (close == "close box") {
            QVERIFY(window.close());
        } else {
            clickButton(&window, "Command1");
        }
        QVERIFY(!window.isVisible());
        QCOMPARE(bench.state.numberToDial, QString());
        QTRY_COMPARE(modem.received(), close == "unplug" ? sent : sent + "ATH\r");
        QTRY_VERIFY(!modem.isHeldOpen());
        QCOMPARE(bench.log.count(), 0);
    }

    // Port 1 holds a silent modem: without a settings file the detection finds nothing.
    void callEndsWithAMessage_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("sent");
        const auto row = [](const char* name, QStringList before, QString message,
                            QByteArray sent) { QTest::newRow(name) << before << message << sent; };
        row("none", {"none", "A"}, "The modem is not connected", "");
        row("held by another open", {"1"}, "The line is busy", "");
        row("missing", {"4"}, "The line is busy", "");
        row("no modem found", {}, "Can't find a Modem or line is not connected !!",
            "ATDT5;\rATDT;\r");
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
        bench.state.numberToDial = QStringLiteral("5");
        DialingWindow window(bench.state, nullptr, nullptr);
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
        const auto calls = CallLog::inPhoneBookFolder().read()->calls;
        QCOMPARE(calls.size(), size_t(1));
        QTEST(calls.front().outcome, "message");
    }

    void manualDial_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("sent");
        const auto row = [](const char* name, QString typed, QString button, QByteArray sent) {
            QTest::newRow(name) << typed << button << sent;
        };
        row("Enter", "0 12 34", "Enter", "ATDT0 12 34;\rATH\r");
        row("dialled as typed", " (0)1-2,w ", "Command1", "ATDT (0)1-2,w ;\rATH\r");
        row("empty box, Dial", "", "Command1", "");
        row("Cancel", "123", "Command2", "");
    }
    void manualDial()
    {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QByteArray, sent);
        ModemBench bench({"2"});
        const auto modems = bench.plug("-o");
        FakeModem& modem = *modems.at(2);
        QWidget main; // its name search box gets the focus back after a call
        auto* nameSearch = new QLineEdit(&main);
        (new QLineEdit(&main))->setFocus();
        bench.state.numberToDial = QStringLiteral("earlier");
        ModalDriver driver;
        QPointer<ManualDialDialog> manual;
        driver.whenShown<ManualDialDialog>([&](ManualDialDialog* window) {
            manual = window;
            QTest::keyClicks(window->findChild<QLineEdit*>("Text1"), typed);
            button == "Enter" ? QTest::keyClick(window, Qt::Key_Return)
                              : clickButton(window, button.toLatin1().constData());
        });
        bool quickdialShownLater = false; // while the call or the message is on screen
        bench.log.onNext([&](const auto&) { quickdialShownLater = manual->isVisible(); });
        connect(&modem, &FakeModem::bytesReceived, this, [&] {
            auto* call = qobject_cast<DialingWindow*>(QApplication::activeModalWidget());
            if (call != nullptr && modem.received().endsWith(";\r")) {
                quickdialShownLater = manual->isVisible();
                clickButton(call, "Command1");
            }
        });

        runManualDial(bench.state, nameSearch, &main);

        QCOMPARE(driver.pending(), 0);
        QTRY_COMPARE(modem.received(), sent);
        QVERIFY(!quickdialShownLater);
        QCOMPARE(main.focusWidget() == nameSearch, !sent.isEmpty());
        QCOMPARE(bench.log.texts(),
                 typed.isEmpty() ? QStringList{"A telephone number is required"} : QStringList());
        QVERIFY(bench.log.count() == 0 || bench.log.last().title == "Warning");
        QCOMPARE(bench.state.numberToDial, button == "Command2" ? "earlier" : QString());
    }
    void detectionRecordsTheFirstAnsweringPort_data()
    {
        QTest::addColumn<QString>("ports");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        const auto row = [](const char* name, QString ports, QStringList before,
                            QStringList after) { QTest::newRow(name) << ports << before << after; };
        row("port 3", "--oooooooo", {"none", "Family", "Work, \"old\""},
            {"3", "Family", "Work, \"old\""});
        row("port 10, new file", "---------o", {}, {"10"});
        row("port 10, existing file", "-s------so", {"none", " A", "B"}, {"10", " A", "B"});
        row("none, existing file", "-----s", {"3", "Friends"}, {"none", "Friends"});
        row("no rights on 5 and 8", "----d--d", {}, {"none"});
    }
    void detectionRecordsTheFirstAnsweringPort()
    {
        QFETCH(QString, ports);
        QFETCH(QStringList, before);
        ModemBench bench(before);
        const auto modems = bench.plug(ports);
        const int found = int(ports.indexOf('o')) + 1;
        NoFileAccessOverride noOverride;
        QVERIFY(noOverride.ok);
        bench.state.modemDetected = found ? 0 : 2; // no modem leaves the value as it was
        ModemDetectionDialog window(bench.state, nullptr);
        bool openAtMessage = true;
        QStringList fileAtMessage;
        bench.log.onNext([&](const MessageBox::Request&) {
            openAtMessage = window.isVisible();
            fileAtMessage = bench.folders.readSettings();
        });

        QCOMPARE(window.exec(), found ? int(QDialog::Accepted) : int(QDialog::Rejected));

        QTEST(bench.folders.readSettings(), "after");
        QCOMPARE(window.findChild<QLabel*>("Label2")->text(),
                 "Com" + QString::number(found != 0 ? found : 10));
        QCOMPARE(bench.state.modemDetected, found ? 1 : 2);
        for (const auto& [port, modem] : modems) {
            QTRY_VERIFY(!modem->isHeldOpen());
            const QByteArray probe = found && port > found ? "" : "ATDT;\r";
            QCOMPARE(modem->received(), port == found ? probe + "ATH\r" : probe);
            QCOMPARE(modem->openCount(), probe.isEmpty() ? 0 : 1);
        }
        QCOMPARE(bench.log.count(), found ? 0 : 1);
        if (found) {
            return;
        }
        QCOMPARE(bench.log.last().text, "Can't find a Modem or line is not connected !!");
        QCOMPARE(bench.log.last().title, "Warning");
        QCOMPARE(bench.log.last().buttons, MessageBox::Buttons::Ok);
        const QString hint = QStringLiteral(
            "These ports exist but could not be opened: Com5 (%1/tty5), Com8 (%1/tty8). You need "
            "the right to use them: make your user a member of the dialout group (sudo usermod "
            "-aG dialout $USER), then log in again.");
        QCOMPARE(bench.log.last().informative,
                 ports.contains('d') ? hint.arg(bench.folders.root()) : QString());
        QVERIFY(!openAtMessage);
        QCOMPARE(fileAtMessage, before);
    }

    // With a wait far longer than the test may take; without a settings file the call would go
    // on to a detection.
    void cancelDuringAWaitStopsAtOnce_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("detection") << QByteArray("ATDT;\r");
        QTest::newRow("dialing") << QByteArray("ATDT42;\rATH\r");
    }
    void cancelDuringAWaitStopsAtOnce()
    {
        QFETCH(QByteArray, sent);
        ModemBench bench;
        modemWaits() = {std::chrono::seconds(30), std::chrono::seconds(30)};
        const auto modems = bench.plug("sooooooooo");
        bench.state.numberToDial = QStringLiteral("42");
        std::unique_ptr<QDialog> window;
        if (sent.startsWith("ATDT;")) {
            window = std::make_unique<ModemDetectionDialog>(bench.state, nullptr);
        } else {
            window = std::make_unique<DialingWindow>(bench.state, nullptr, nullptr);
        }
        connect(modems.at(1).get(), &FakeModem::bytesReceived, window.get(),
                [&] { clickButton(window.get(), "Command1"); });

        QElapsedTimer clock;
        clock.start();
        QCOMPARE(window->exec(), int(QDialog::Rejected));

        QVERIFY(clock.elapsed() < 10000);
        QTRY_COMPARE(modems.at(1)->received(), sent);
        QTRY_VERIFY(!modems.at(1)->isHeldOpen());
        for (int port = 2; port <= 10; ++port) {
            QCOMPARE(modems.at(port)->openCount(), 0);
        }
        QVERIFY(!QFile::exists(bench.folders.settingsFile()));
        QCOMPARE(bench.state.modemDetected, 0);
        QCOMPARE(bench.log.count(), 0);
    }
};

VENNOR_TEST(ModemTest)
#include "modemtest.moc"
