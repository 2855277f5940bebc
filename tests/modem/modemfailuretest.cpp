#include "modem/dialingwindow.h"
#include "modembench.h"
#include "support/testregistry.h"

#include <QLabel>
#include <QTimer>

using namespace vennor;
using namespace vennor::test;

namespace {

qint64 residentBytes()
{
    QFile statm("/proc/self/statm");
    return statm.open(QIODevice::ReadOnly)
               ? statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE)
               : 0;
}

// A call to 5 on a modem that answers only what the test sends, its dial command received.
struct Call
{
    Call()
    {
        bench.state.numberToDial = QStringLiteral("5");
        window.open();
        QTRY_COMPARE(modem.received(), QByteArray("ATDT5;\r"));
    }
    ModemBench bench{{"1"}};
    std::map<int, std::unique_ptr<FakeModem>> modems = bench.plug("s");
    FakeModem& modem = *modems.at(1);
    DialingWindow window{bench.state, nullptr, nullptr};
};

} // namespace

// The dialing window against a modem that answers, never stops sending, or is unplugged.
class ModemFailureTest : public QObject
{
    Q_OBJECT

private slots:
    void replyIsShownUnderTheNumber_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("shown");
        for (const auto& [reply, shown] :
             std::initializer_list<std::pair<const char*, const char*>>{
                 {"\r\nOK\r\n", "Pick up the handset"},
                 {"ATDT5;\r\r\nBUSY\r\n", "The line is busy"},
                 {"\r\n\r\nNO DIALTONE\r\n\r\n", "No dial tone"},
                 {"ATDT5;\rNO CARRIER\r", "No answer"},
                 {"NO ANSWER\n", "No answer"},
                 {"ERROR\r\n", "The modem refused the command"},
                 {"7\r", "The line is busy"}}) {
            QTest::newRow(QByteArray(reply).simplified().constData())
                << QByteArray(reply) << QString(shown);
        }
    }
    void replyIsShownUnderTheNumber()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, shown);
        Call call;
        call.modem.send(reply);
        QTRY_COMPARE(call.window.findChild<QLabel*>("replyLabel")->text(), shown);
        QVERIFY(call.window.isVisible()); // until Cancel, whatever the modem said
    }

    // A device that never stops sending, then is unplugged.
    void floodAndHangUp()
    {
        Call call;
        const qint64 before = residentBytes();
        qint64 sent = 0;
        QTimer flood;
        connect(&flood, &QTimer::timeout,
                [&] { sent += call.modem.send(QByteArray(1 << 16, 'x')); });
        flood.start(0);
        QTRY_VERIFY_WITH_TIMEOUT(sent > (32 << 20), 60000);
        QVERIFY2(residentBytes() - before < (12 << 20), "what arrives is kept");
        call.modem.closeLine();
        QTRY_COMPARE(call.bench.log.texts(), QStringList{"The modem was disconnected"});
        QVERIFY(call.bench.log.last().title == "Warning" && !call.window.isVisible());
    }
};

VENNOR_TEST(ModemFailureTest)
#include "modemfailuretest.moc"
