#include "platform/serialport.h"
#include "modemtesting.h"
#include "support/fakemodem.h"
#include "support/testregistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

class SerialPortTest : public QObject
{
    Q_OBJECT

private slots:
    void lineSettingsAreParsed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("parity");
        QTest::addColumn<int>("dataBits");
        QTest::addColumn<int>("stopBits");
        QTest::newRow("modem") << "9600,N,8,1" << true << 9600 << int(QSerialPort::NoParity) << 8
                               << int(QSerialPort::OneStop);
        QTest::newRow("even, 7, 2") << "1200,e,7,2" << true << 1200 << int(QSerialPort::EvenParity)
                                    << 7 << int(QSerialPort::TwoStop);
        QTest::newRow("mark, 1.5") << "300,M,5,1.5" << true << 300 << int(QSerialPort::MarkParity)
                                   << 5 << int(QSerialPort::OneAndHalfStop);
        QTest::newRow("unknown parity") << "9600,X,8,1" << false << 0 << 0 << 0 << 0;
        QTest::newRow("nine data bits") << "9600,N,9,1" << false << 0 << 0 << 0 << 0;
        QTest::newRow("three stop bits") << "9600,N,8,3" << false << 0 << 0 << 0 << 0;
        QTest::newRow("baud not a number") << "fast,N,8,1" << false << 0 << 0 << 0 << 0;
        QTest::newRow("part missing") << "9600,N,8" << false << 0 << 0 << 0 << 0;
    }
    void lineSettingsAreParsed()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const auto parsed = parseLineSettings(text);
        QCOMPARE(parsed.has_value(), valid);
        SerialPort port;
        QCOMPARE(port.setSettings(text).ok(), valid);
        QCOMPARE(port.settings(), valid ? text : QStringLiteral("9600,N,8,1"));
        if (!valid) {
            return;
        }
        QTEST(int(parsed->baud), "baud");
        QTEST(int(parsed->parity), "parity");
        QTEST(int(parsed->dataBits), "dataBits");
        QTEST(int(parsed->stopBits), "stopBits");
    }

    void portsMapToDevices()
    {
        PortMap ports;
        ports.set(4, QStringLiteral("/tmp/my-modem"));
        QCOMPARE(portDevice(4), QStringLiteral("/tmp/my-modem"));
        // The map puts every port back to a missing path afterwards.
        for (const char* name :
             {"VENNOR_COM1", "VENNOR_COM5", "VENNOR_COM7", "VENNOR_COM8", "VENNOR_COM10"}) {
            qunsetenv(name);
        }
        const QStringList devices = {portDevice(1), portDevice(5), portDevice(7), portDevice(8),
                                     portDevice(10)};
        QCOMPARE(devices, (QStringList{"/dev/ttyS0", "/dev/ttyACM0", "/dev/ttyACM2", "/dev/ttyUSB0",
                                       "/dev/ttyUSB2"}));
    }

    void commPortKeepsItsValueOnBadNumbers()
    {
        SerialPort port;
        QCOMPARE(port.commPort(), 1);
        QVERIFY(port.setCommPort(10).ok());
        QVERIFY(!port.setCommPort(0).ok());
        QVERIFY(!port.setCommPort(11).ok());
        QCOMPARE(port.commPort(), 10);
    }

    void outputArrivesUnchangedAndRepliesAreCounted()
    {
        FakeModem modem;
        QVERIFY(modem.isValid());
        PortMap ports;
        ports.set(2, modem.path());
        SerialPort port;
        port.setCommPort(2);
        QVERIFY(port.setPortOpen(true).ok());
        QVERIFY(port.portOpen());
        QCOMPARE(port.lastFailure(), PortFailure::None);
        QCOMPARE(port.inBufferCount(), 0);

        const QByteArray command("ATDT 0-12 ,34;\r");
        QVERIFY(port.output(command).ok());
        QTRY_COMPARE(port.inBufferCount(), 4); // "OK" CR LF
        QCOMPARE(modem.received(), command);

        QVERIFY(port.setInBufferCount(0).ok());
        QCOMPARE(port.inBufferCount(), 0);
        QVERIFY(port.output("AT\r").ok());
        QTRY_COMPARE(port.inBufferCount(), 4);

        port.setPortOpen(false);
        QVERIFY(!port.portOpen());
        QTRY_VERIFY(!modem.isHeldOpen());
        QCOMPARE(modem.openCount(), 1);
        QVERIFY(!port.output("AT\r").ok());
        QCOMPARE(modem.received(), command + "AT\r");
    }

    void openFailuresTellWhy()
    {
        PortMap ports;
        SerialPort port;
        QVERIFY(!port.setPortOpen(true).ok());
        QCOMPARE(port.lastFailure(), PortFailure::Missing);

        FakeModem modem;
        ports.set(1, modem.path());
        SerialPort holder;
        QVERIFY(holder.setPortOpen(true).ok());
        const Status busy = port.setPortOpen(true);
        QVERIFY(!busy.ok());
        QVERIFY(!busy.error().isEmpty());
        QCOMPARE(port.lastFailure(), PortFailure::InUse);
        QVERIFY(!port.portOpen());
        holder.setPortOpen(false);
        QVERIFY(port.setPortOpen(true).ok());
        QCOMPARE(port.lastFailure(), PortFailure::None);
    }

    void portWithoutRightsIsTold()
    {
        QTemporaryDir dir;
        const QString device = dir.filePath(QStringLiteral("ttyForbidden"));
        QFile file(device);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(file.setPermissions({}));
        PortMap ports;
        ports.set(3, device);
        NoFileAccessOverride noOverride;
        QVERIFY(noOverride.ok());
        SerialPort port;
        port.setCommPort(3);
        QVERIFY(!port.setPortOpen(true).ok());
        QCOMPARE(port.lastFailure(), PortFailure::NoPermission);
    }
};

VENNOR_TEST(SerialPortTest)
#include "serialporttest.moc"
