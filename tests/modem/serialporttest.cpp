#include "platform/serialport.h"
#include "modembench.h"
#include "support/testregistry.h"

using namespace vennor;
using namespace vennor::test;

class SerialPortTest : public QObject
{
    Q_OBJECT

private slots:
    void lineSettingsAreParsed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("parts"); // baud, parity, data and stop bits; none: invalid
        QTest::newRow("modem") << "9600,N,8,1"
                               << QList<int>{9600, QSerialPort::NoParity, 8, QSerialPort::OneStop};
        QTest::newRow("even, 7, 2")
            << "1200,e,7,2" << QList<int>{1200, QSerialPort::EvenParity, 7, QSerialPort::TwoStop};
        QTest::newRow("mark, 1.5")
            << "300,M,5,1.5"
            << QList<int>{300, QSerialPort::MarkParity, 5, QSerialPort::OneAndHalfStop};
        for (const char* bad : {"9600,X,8,1", "9600,N,9,1", "9600,N,8,3", "fast,N,8,1", "9,N,8"}) {
            QTest::newRow(bad) << bad << QList<int>();
        }
    }
    void lineSettingsAreParsed()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, parts);
        const auto line = parseLineSettings(text);
        QList<int> parsed;
        if (line) {
            parsed = {line->baud, line->parity, line->dataBits, line->stopBits};
        }
        QCOMPARE(parsed, parts);
        SerialPort port;
        QCOMPARE(port.setSettings(text).ok(), !parts.isEmpty());
        QCOMPARE(port.settings(), parts.isEmpty() ? QStringLiteral("9600,N,8,1") : text);
    }

    void portsMapToDevicesAndStayInRange()
    {
        ModemBench bench; // puts every port back afterwards
        pointPort(4, QStringLiteral("/tmp/my-modem"));
        for (const char* name : {"VENNOR_COM1", "VENNOR_COM5", "VENNOR_COM10"}) {
            qunsetenv(name);
        }
        QCOMPARE((QStringList{portDevice(4), portDevice(1), portDevice(5), portDevice(10)}),
                 (QStringList{"/tmp/my-modem", "/dev/ttyS0", "/dev/ttyACM0", "/dev/ttyUSB2"}));
        SerialPort port;
        QVERIFY(port.setCommPort(10).ok());
        QVERIFY(!port.setCommPort(0).ok() && !port.setCommPort(11).ok());
        QCOMPARE(port.commPort(), 10);
    }
};

VENNOR_TEST(SerialPortTest)
#include "serialporttest.moc"
