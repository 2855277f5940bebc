#include "platform/serialport.h"
#include "modembench.h"
#include "support/testregistry.h"

using namespace vennor;
using namespace vennor::test;

class SerialPortTest : public QObject
{
    Q_OBJECT

private slots:
    void lineSettingsAreParsedAndPortsMapped()
    {
        const auto line = parseLineSettings(QStringLiteral("1200,e,7,1.5"));
        QVERIFY(line);
        QCOMPARE((QList<int>{line->baud, line->parity, line->dataBits, line->stopBits}),
                 (QList<int>{1200, QSerialPort::EvenParity, 7, QSerialPort::OneAndHalfStop}));
        for (const char* bad : {"9600,X,8,1", "9600,N,9,1", "9600,N,8,3", "fast,N,8,1", "9,N,8"}) {
            QVERIFY2(!parseLineSettings(bad), bad);
        }
        SerialPort port;
        QVERIFY(!port.setSettings(QStringLiteral("9600,X,8,1")).ok());
        QCOMPARE(port.settings(), "9600,N,8,1");

        ModemBench bench; // puts every port back afterwards
        pointPort(4, QStringLiteral("/tmp/my-modem"));
        qunsetenv("VENNOR_COM1");
        qunsetenv("VENNOR_COM10");
        QCOMPARE((QStringList{portDevice(4), portDevice(1), portDevice(10)}),
                 (QStringList{"/tmp/my-modem", "/dev/ttyS0", "/dev/ttyUSB2"}));
    }
};

VENNOR_TEST(SerialPortTest)
#include "serialporttest.moc"
