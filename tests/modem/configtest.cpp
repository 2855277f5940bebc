#include "modem/config.h"
#include "modemtesting.h"
#include "platform/serialport.h"
#include "platform/twips.h"
#include "storage/settingsfile.h"
#include "support/fakemodem.h"
#include "support/messagelog.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <vector>

using namespace vennor;
using namespace vennor::test;

namespace {

const QString kNotFound = QStringLiteral("Can't find a Modem or line is not connected !!");

QString label2(const config& window)
{
    return window.findChild<QLabel*>(QStringLiteral("Label2"))->text();
}

// Answering modems on the given ports, so a test can show they were never opened.
std::vector<std::unique_ptr<FakeModem>> untouchedModems(PortMap& ports, int first, int last)
{
    std::vector<std::unique_ptr<FakeModem>> modems;
    for (int port = first; port <= last; ++port) {
        modems.push_back(std::make_unique<FakeModem>());
        ports.set(port, modems.back()->path());
    }
    return modems;
}

} // namespace

class ConfigTest : public QObject
{
    Q_OBJECT

private slots:
    void layout()
    {
        SharedState state;
        config window(state, nullptr);
        QCOMPARE(window.windowTitle(), QStringLiteral("Configuration"));
        QCOMPARE(window.size(), twips::size(4680, 1935));
        auto* label1 = window.findChild<QLabel*>(QStringLiteral("Label1"));
        auto* cancel = window.findChild<QPushButton*>(QStringLiteral("Command1"));
        QCOMPARE(label1->text(), QStringLiteral("Detecting the modem now..."));
        QCOMPARE(label2(window), QString());
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(label1->font().pointSizeF(), 13.5);
        QCOMPARE(cancel->geometry(), twips::rect(1680, 1440, 1080, 375));
    }

    void modemOnPort3IsFoundAndRecorded()
    {
        ModemBench bench;
        bench.folders.writeSettings({"none", "Family", "Work, \"old\""});
        FakeModem modem;
        bench.ports.set(3, modem.path());
        const auto later = untouchedModems(bench.ports, 4, 10);

        config window(bench.state, nullptr);
        QCOMPARE(window.exec(), int(QDialog::Accepted));

        QCOMPARE(label2(window), QStringLiteral("Com3"));
        QCOMPARE(window.foundPort(), std::optional<int>(3));
        QCOMPARE(bench.state.modemfound, 1);
        QCOMPARE(bench.folders.readSettings(), (QStringList{"3", "Family", "Work, \"old\""}));
        QTRY_COMPARE(modem.received(), QByteArray("ATDT;\rATH\r"));
        QTRY_VERIFY(!modem.isHeldOpen());
        QCOMPARE(modem.openCount(), 1);
        for (const auto& other : later) {
            QCOMPARE(other->openCount(), 0);
            QCOMPARE(other->received(), QByteArray());
        }
        QCOMPARE(bench.log.count(), 0);
    }

    void silentPortIsSkipped()
    {
        ModemBench bench;
        FakeModem silent(FakeModem::Reply::Silent);
        FakeModem modem;
        bench.ports.set(1, silent.path());
        bench.ports.set(2, modem.path());

        config window(bench.state, nullptr);
        window.exec();

        QCOMPARE(bench.folders.readSettings(), QStringList{"2"});
        QCOMPARE(silent.received(), QByteArray("ATDT;\r"));
        QTRY_VERIFY(!silent.isHeldOpen());
        QTRY_COMPARE(modem.received(), QByteArray("ATDT;\rATH\r"));
    }

    void port10IsRecordedAs10_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("new file") << QStringList() << QStringList{"10"};
        QTest::newRow("existing file")
            << QStringList{"none", " Home book", "Work"} << QStringList{"10", " Home book", "Work"};
        QTest::newRow("book named like the port")
            << QStringList{"4", "10", "4"} << QStringList{"10", "10", "4"};
    }
    void port10IsRecordedAs10()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        ModemBench bench;
        if (!before.isEmpty()) {
            bench.folders.writeSettings(before);
        }
        FakeModem modem;
        bench.ports.set(10, modem.path());

        config window(bench.state, nullptr);
        window.exec();

        QCOMPARE(bench.folders.readSettings(), after);
        QCOMPARE(label2(window), QStringLiteral("Com10"));
        QCOMPARE(bench.state.modemfound, 1);
    }

    void noModemGivesTheMessageOnceAndRecordsNone()
    {
        ModemBench bench;
        bench.folders.writeSettings({"3", "Friends"});
        FakeModem silent(FakeModem::Reply::Silent);
        bench.ports.set(6, silent.path());
        bench.state.modemfound = 1; // from an earlier detection: left as it was
        config window(bench.state, nullptr);
        bool windowOpenAtMessage = true;
        QStringList fileAtMessage;
        bench.log.onNext([&](const MessageBox::Request&) {
            windowOpenAtMessage = window.isVisible();
            fileAtMessage = bench.folders.readSettings();
        });

        window.exec();

        QCOMPARE(bench.log.count(), 1);
        QCOMPARE(bench.log.last().text, kNotFound);
        QCOMPARE(bench.log.last().title, QStringLiteral("Warning"));
        QCOMPARE(bench.log.last().buttons, MessageBox::Buttons::Ok);
        QCOMPARE(bench.log.last().informative, QString());
        QVERIFY(!windowOpenAtMessage);
        QCOMPARE(fileAtMessage, (QStringList{"3", "Friends"}));
        QCOMPARE(label2(window), QStringLiteral("Com10"));
        QCOMPARE(window.foundPort(), std::nullopt);
        QCOMPARE(bench.state.modemfound, 1);
        QCOMPARE(bench.folders.readSettings(), (QStringList{"none", "Friends"}));
        QFile file(bench.folders.settingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(noModemLine().toLatin1() + "\r\n"));
        QTRY_VERIFY(!silent.isHeldOpen());
    }

    void noModemOnANewFileRecordsNoneAlone()
    {
        ModemBench bench;
        config window(bench.state, nullptr);
        window.exec();
        QCOMPARE(bench.log.texts(), QStringList{kNotFound});
        QCOMPARE(bench.folders.readSettings(), QStringList{"none"});
        QCOMPARE(bench.state.modemfound, 0);
    }

    void portsWithoutRightsAreNamedInTheMessage()
    {
        ModemBench bench;
        QStringList devices;
        for (int port : {5, 8}) {
            devices << bench.folders.root() + QStringLiteral("/ttyNoRights%1").arg(port);
            QFile device(devices.last());
            QVERIFY(device.open(QIODevice::WriteOnly));
            device.close();
            QVERIFY(device.setPermissions({}));
            bench.ports.set(port, devices.last());
        }
        NoFileAccessOverride noOverride;
        QVERIFY(noOverride.ok());

        config window(bench.state, nullptr);
        window.exec();

        QCOMPARE(bench.log.count(), 1);
        QCOMPARE(bench.log.last().text, kNotFound);
        QCOMPARE(bench.log.last().title, QStringLiteral("Warning"));
        QCOMPARE(bench.log.last().informative,
                 QStringLiteral("These ports exist but could not be opened: Com5 (%1), Com8 (%2). "
                                "You need the right to use them: make your user a member of the "
                                "dialout group (sudo usermod -aG dialout $USER), then log in "
                                "again.")
                     .arg(devices.at(0), devices.at(1)));
    }

    void cancelStopsAtOnceAndRecordsNothing_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<bool>("escape");
        QTest::newRow("no settings file, Cancel") << QStringList() << false;
        QTest::newRow("existing file, Cancel") << QStringList{"7", "Family"} << false;
        QTest::newRow("existing file, Esc") << QStringList{"7", "Family"} << true;
    }
    void cancelStopsAtOnceAndRecordsNothing()
    {
        QFETCH(QStringList, before);
        QFETCH(bool, escape);
        ModemBench bench;
        if (!before.isEmpty()) {
            bench.folders.writeSettings(before);
        }
        modemWaits().probe = std::chrono::seconds(30);
        FakeModem silent(FakeModem::Reply::Silent);
        bench.ports.set(2, silent.path());
        const auto later = untouchedModems(bench.ports, 3, 10);
        config window(bench.state, nullptr);
        connect(&silent, &FakeModem::bytesReceived, &window, [&window, escape] {
            if (escape) {
                QTest::keyClick(&window, Qt::Key_Escape);
            } else {
                window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            }
        });

        QElapsedTimer clock;
        clock.start();
        QCOMPARE(window.exec(), int(QDialog::Rejected));

        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(silent.received(), QByteArray("ATDT;\r"));
        QTRY_VERIFY(!silent.isHeldOpen());
        for (const auto& other : later) {
            QCOMPARE(other->openCount(), 0);
        }
        QCOMPARE(bench.folders.readSettings(), before);
        QVERIFY(before.isEmpty() != QFile::exists(bench.folders.settingsFile()));
        QCOMPARE(bench.state.modemfound, 0);
        QCOMPARE(bench.log.count(), 0);
        QCOMPARE(window.foundPort(), std::nullopt);
    }
};

VENNOR_TEST(ConfigTest)
#include "configtest.moc"
