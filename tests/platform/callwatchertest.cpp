// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/callwatcher.h"
#include "support/fakemodem.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace vennor;
using namespace vennor::test;

namespace {

// A modem that knows the commands listed (each answered OK) and answers ERROR to any other.
std::unique_ptr<FakeModem> modemKnowing(QList<QByteArray> known)
{
    auto modem = std::make_unique<FakeModem>();
    modem->setAnswers([known](const QByteArray& command) -> QByteArray {
        return command + "\r\r\n" + (known.contains(command) ? "OK" : "ERROR") + "\r\n";
    });
    return modem;
}

// A watcher of the modem on port 3, as recorded in the settings file.
struct Watch
{
    explicit Watch(const QString& device)
    {
        folders.writeSettings({"3", "Home"});
        qputenv("VENNOR_COM3", device.toLocal8Bit());
        watcher.setWaits({2000, 80});
    }
    ~Watch() { qputenv("VENNOR_COM3", "/nonexistent/vennor-port-3"); }

    TempFolders folders;
    CallWatcher watcher;
    QSignalSpy watching{&watcher, &CallWatcher::watching};
    QSignalSpy failed{&watcher, &CallWatcher::failed};
    QSignalSpy rings{&watcher, &CallWatcher::ring};
    QSignalSpy callers{&watcher, &CallWatcher::callerReported};

    CallerReport caller(int i) const { return callers.at(i).at(0).value<CallerReport>(); }
    QString failure() const
    {
        return failed.isEmpty() ? QString() : failed.last().at(0).toString();
    }
};

} // namespace

class CallWatcherTest : public QObject
{
    Q_OBJECT

private slots:
    void initialisation_data()
    {
        QTest::addColumn<QList<QByteArray>>("known");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("failure");
        QTest::newRow("voice modem")
            << QList<QByteArray>{"ATZ", "AT+VCID=1"} << QByteArray("ATZ\rAT+VCID=1\r") << QString();
        QTest::newRow("data modem") << QList<QByteArray>{"ATZ", "AT#CID=1"}
                                    << QByteArray("ATZ\rAT+VCID=1\rAT#CID=1\r") << QString();
        QTest::newRow("neither") << QList<QByteArray>{"ATZ"}
                                 << QByteArray("ATZ\rAT+VCID=1\rAT#CID=1\r")
                                 << QString("This modem does not report callers\n\n"
                                            "ATZ: OK\nAT+VCID=1: ERROR\nAT#CID=1: ERROR");
    }
    void initialisation()
    {
        QFETCH(QList<QByteArray>, known);
        QFETCH(QByteArray, sent);
        QFETCH(QString, failure);
        const auto modem = modemKnowing(known);
        Watch watch(modem->path());
        watch.watcher.start();
        QTRY_VERIFY(!watch.watching.isEmpty() || !watch.failed.isEmpty());
        QCOMPARE(modem->received(), sent);
        QCOMPARE(watch.failure(), failure);
        QCOMPARE(watch.watcher.isWatching(), failure.isEmpty());
        QTRY_COMPARE(modem->isHeldOpen(), failure.isEmpty());
    }

    // Reports come in pieces with pauses between, noise between lines, one without a name:
    // each caller is told as soon as its report is whole.
    void reportsCallersAsTheyArrive()
    {
        const auto modem = modemKnowing({"ATZ", "AT+VCID=1"});
        Watch watch(modem->path());
        watch.watcher.start();
        QTRY_COMPARE(watch.watching.size(), 1);
        const QList<QByteArray> pieces = {"\r\nRING\r\n\r\nDA", "TE = 1207\r\nTIME = 09",
                                          "31\r\n\x01garbage\r\nNMBR = 5551234567\r\nNAM",
                                          "E = JOHN DOE\r\n\r\nRING\r\n"};
        QElapsedTimer sinceReport;
        for (const QByteArray& piece : pieces) {
            modem->send(piece);
            sinceReport.start();
            QTest::qWait(20);
        }
        QTRY_COMPARE(watch.callers.size(), 1);
        QCOMPARE(watch.caller(0), (CallerReport{"1207", "0931", CallerReport::Number::Given,
                                                "5551234567", "JOHN DOE"}));
        QVERIFY2(sinceReport.elapsed() < 100, qPrintable(QString::number(sinceReport.elapsed())));
        QTRY_COMPARE(watch.rings.size(), 2);
        modem->send("DATE=1207\r\nTIME=0932\r\nNMBR=P\r\n");
        sinceReport.start();
        QTRY_COMPARE(watch.callers.size(), 2);
        QVERIFY(sinceReport.elapsed() < 250);
        QCOMPARE(watch.caller(1).kind, CallerReport::Number::Private);
        QVERIFY(watch.failed.isEmpty());
    }

    // A flood keeps memory flat and the watch alive; a pulled plug ends it with a message and
    // nothing left open or polling.
    void outlastsAFloodAndEndsOnUnplug()
    {
        const auto modem = modemKnowing({"ATZ", "AT+VCID=1"});
        Watch watch(modem->path());
        watch.watcher.start();
        QTRY_COMPARE(watch.watching.size(), 1);
        const qint64 before = residentBytes();
        qint64 sent = 0;
        QTimer flood;
        connect(&flood, &QTimer::timeout, [&] { sent += modem->send(QByteArray(1 << 16, 'N')); });
        flood.start(0);
        QTRY_VERIFY_WITH_TIMEOUT(sent > (32 << 20), 60000);
        flood.stop();
        QVERIFY2(residentBytes() - before < (12 << 20), "what arrives is kept");
        modem->send("\r\nNMBR = 0301234567\r\nNAME = KIM\r\n");
        QTRY_COMPARE(watch.callers.size(), 1);
        QCOMPARE(watch.caller(0).number, "0301234567");
        modem->closeLine();
        QTRY_COMPARE(watch.failure(), "The modem was disconnected");
        QVERIFY(!watch.watcher.isActive());
        QTRY_VERIFY(!modem->isHeldOpen());
    }

    // Each ends the watch with its message and leaves the port closed.
    void portsThatCannotBeUsed()
    {
        {
            Watch watch("/nonexistent/modem");
            watch.watcher.start();
            QCOMPARE(watch.failure(), "The modem on port 3 (/nonexistent/modem) cannot be found");
            watch.folders.writeSettings({"none", "Home"});
            watch.watcher.start();
            QCOMPARE(watch.failure(), "The modem is not connected");
        }
        FakeModem silent(FakeModem::Reply::Silent);
        QSerialPort holder(silent.path());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        Watch watch(silent.path());
        watch.watcher.start();
        QVERIFY2(watch.failure().endsWith("is used by another program"),
                 qPrintable(watch.failure()));
        holder.close();
        watch.watcher.setWaits({200, 80});
        watch.watcher.start();
        QTRY_COMPARE(watch.failure(), "The modem does not answer");
        QVERIFY(silent.received().endsWith("ATZ\r"));
        QTRY_VERIFY(!silent.isHeldOpen() && !watch.watcher.isActive());
    }
};

VENNOR_TEST(CallWatcherTest)
#include "callwatchertest.moc"
