#include "app/commandline.h"
#include "app/instancechannel.h"
#include "app/programstart.h"
#include "mainwindow/mainwindow.h"
#include "modem/dialingwindow.h"
#include "modem/eventwait.h"
#include "platform/instancename.h"
#include "support/fakemodem.h"
#include "support/messagelog.h"
#include "support/modaldriver.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QDialog>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <future>

using namespace vennor;
using namespace std::chrono_literals;
Q_DECLARE_METATYPE(vennor::app::HandOver)

// A second start talks to the running program from its own process; here from a thread, so
// the server keeps its event loop.
static app::HandOver handOverFromAnotherStart(const QString& number)
{
    auto outcome = std::async(std::launch::async, [number] { return app::handOverNumber(number); });
    const bool ended =
        QTest::qWaitFor([&] { return outcome.wait_for(0s) == std::future_status::ready; }, 15000);
    return ended ? outcome.get() : app::HandOver::NoAnswer;
}

class HandOverTest : public QObject
{
    Q_OBJECT

private slots:
    // Each test's settings folder names a socket of its own.
    void handOver_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("modalOpen");
        QTest::addColumn<QString>("number");
        QTest::addColumn<app::HandOver>("expected");
        QTest::newRow("delivered") << true << false << "00442079460958" << app::HandOver::Delivered;
        QTest::newRow("window waiting") << true << true << "123" << app::HandOver::Busy;
        QTest::newRow("not dialable") << true << false << "12;x" << app::HandOver::NoAnswer;
        QTest::newRow("nothing running") << false << false << "123" << app::HandOver::NoInstance;
    }
    void handOver()
    {
        QFETCH(bool, running);
        QFETCH(QString, number);
        QFETCH(app::HandOver, expected);
        test::TempFolders folders;
        app::InstanceServer server;
        QSignalSpy received(&server, &app::InstanceServer::numberReceived);
        QVERIFY(!running || server.listen());
        QDialog modal;
        modal.setModal(true);
        QFETCH(bool, modalOpen);
        if (modalOpen) {
            modal.show();
        }
        QCOMPARE(handOverFromAnotherStart(number), expected);
        if (expected == app::HandOver::Delivered) {
            QTRY_COMPARE(received.count(), 1);
            QCOMPARE(received.first().first().toString(), number);
        } else {
            QVERIFY(!QTest::qWaitFor([&] { return received.count() > 0; }, 100));
        }
    }

    // A second program stands back while one listens; a socket left behind is taken over.
    void oneListenerPerSettingsFolder()
    {
        test::TempFolders folders;
        {
            app::InstanceServer first;
            QVERIFY(first.listen());
            QVERIFY(!app::InstanceServer().listen());
        }
        QFile leftOver(instanceSocketName());
        QVERIFY(leftOver.open(QIODevice::WriteOnly));
        leftOver.close();
        QVERIFY(app::InstanceServer().listen());
    }

    // vennor tel:+44-20-7946-0958 with a program running: its window dials through the modem.
    void linkDialledByTheRunningProgram()
    {
        test::TempFolders folders;
        folders.writeSettings({"1", "book"});
        folders.writePhoneBook("book", ")\r\n");
        test::FakeModem modem;
        qputenv("VENNOR_COM1", modem.path().toLocal8Bit());
        const auto waits = std::exchange(modemWaits(), {500ms, 30ms});
        test::MessageLog messages;
        test::ModalDriver modals;
        SharedState state;
        MainWindow window(state);
        window.show();
        app::InstanceServer server;
        QVERIFY(server.listen());
        app::dialHandedOverNumbers(server, window);

        const app::Startup second = app::parseCommandLine({"vennor", "tel:+44-20-7946-0958"});
        QByteArray sentWhileShown;
        modals.whenShown<DialingWindow>([&](DialingWindow* call) {
            QVERIFY(QTest::qWaitFor([&] { return modem.received().endsWith('\r'); }, 5000));
            sentWhileShown = modem.received();
            test::clickButton(call, "Command1");
        });
        QCOMPARE(handOverFromAnotherStart(second.number), app::HandOver::Delivered);
        QVERIFY(modals.waitAllHandled());
        QCOMPARE(sentWhileShown, QByteArray("ATDT00442079460958;\r"));
        QTRY_COMPARE(modem.received(), QByteArray("ATDT00442079460958;\rATH\r"));
        QCOMPARE(messages.count(), 0);
        modemWaits() = waits;
        qputenv("VENNOR_COM1", "/nonexistent/vennor-port-1");
    }
};

VENNOR_TEST(HandOverTest)
#include "handovertest.moc"
