#include "modem/config.h"
#include "modembench.h"
#include "support/testregistry.h"

#include <QElapsedTimer>
#include <QLabel>

using namespace vennor;
using namespace vennor::test;

class ConfigTest : public QObject
{
    Q_OBJECT

private slots:
    void detectionRecordsTheFirstAnsweringPort_data()
    {
        QTest::addColumn<QString>("ports");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("port 3") << "--oooooooo" << QStringList{"none", "Family", "Work, \"old\""}
                                << QStringList{"3", "Family", "Work, \"old\""};
        QTest::newRow("silent skipped") << "so" << QStringList() << QStringList{"2"};
        QTest::newRow("port 10, new file") << "---------o" << QStringList() << QStringList{"10"};
        QTest::newRow("port 10, existing file")
            << "-s------so" << QStringList{"none", " A", "B"} << QStringList{"10", " A", "B"};
        QTest::newRow("book named like a port")
            << "---------o" << QStringList{"4", "10", "4"} << QStringList{"10", "10", "4"};
        QTest::newRow("none, new file") << "" << QStringList() << QStringList{"none"};
        QTest::newRow("none, existing file")
            << "-----s" << QStringList{"3", "Friends"} << QStringList{"none", "Friends"};
        QTest::newRow("no rights on 5 and 8") << "----d--d" << QStringList() << QStringList{"none"};
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
        bench.state.modemfound = found ? 0 : 2; // no modem leaves the value as it was
        config window(bench.state, nullptr);
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
        QCOMPARE(bench.state.modemfound, found ? 1 : 2);
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

    void cancelStopsAtOnceAndRecordsNothing_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<bool>("escape");
        QTest::newRow("no settings file, Cancel") << QStringList() << false;
        QTest::newRow("existing file, Esc") << QStringList{"7", "Family"} << true;
    }
    void cancelStopsAtOnceAndRecordsNothing()
    {
        QFETCH(QStringList, before);
        QFETCH(bool, escape);
        ModemBench bench(before);
        modemWaits().probe = std::chrono::seconds(30);
        const auto modems = bench.plug("-soooooooo");
        config window(bench.state, nullptr);
        connect(modems.at(2).get(), &FakeModem::bytesReceived, &window, [&window, escape] {
            escape ? QTest::keyClick(&window, Qt::Key_Escape) : clickButton(&window, "Command1");
        });

        QElapsedTimer clock;
        clock.start();
        QCOMPARE(window.exec(), int(QDialog::Rejected));

        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(modems.at(2)->received(), QByteArray("ATDT;\r"));
        QTRY_VERIFY(!modems.at(2)->isHeldOpen());
        for (int port = 3; port <= 10; ++port) {
            QCOMPARE(modems.at(port)->openCount(), 0);
        }
        QCOMPARE(QFile::exists(bench.folders.settingsFile()), !before.isEmpty());
        QCOMPARE(bench.folders.readSettings(), before);
        QCOMPARE(bench.state.modemfound, 0);
        QCOMPARE(bench.log.count(), 0);
    }
};

VENNOR_TEST(ConfigTest)
#include "configtest.moc"
