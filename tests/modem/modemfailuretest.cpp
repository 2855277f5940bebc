#include "modem/dialingwindow.h"
#include "modembench.h"
#include "support/testregistry.h"

#include <QElapsedTimer>
#include <QLabel>
#include <ctime>

using namespace vennor;
using namespace vennor::test;

namespace {

qint64 residentBytes()
{
    QFile statm("/proc/self/statm");
    const QList<QByteArray> pages =
        statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ') : QList<QByteArray>();
    return pages.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

qint64 cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// A call to 5 on port 1, its dial command received.
struct Call
{
    explicit Call(const QByteArray& reply = "OK\r\n")
    {
        modem.answerDialWith(reply);
        bench.state.numberToDial = QStringLiteral("5");
        window.open();
        QTRY_COMPARE(modem.received(), QByteArray("ATDT5;\r"));
    }
    ModemBench bench{{"1"}};
    std::map<int, std::unique_ptr<FakeModem>> modems = bench.plug("o");
    FakeModem& modem = *modems.at(1);
    DialingWindow window{bench.state, nullptr, nullptr};
};

} // namespace

// The dialing window against a modem that answers, is unplugged, or never stops sending.
class ModemFailureTest : public QObject
{
    Q_OBJECT

private slots:
    void replyIsShownUnderTheNumber_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("shown");
        const auto row = [](QByteArray reply, const char* shown) {
            QTest::newRow(reply.simplified().constData()) << reply << QString(shown);
        };
        row("\r\nOK\r\n", "Pick up the handset");
        row("ATDT5;\r\r\nBUSY\r\n", "The line is busy");
        row("\r\n\r\nNO DIALTONE\r\n\r\n", "No dial tone");
        row("ATDT5;\rNO CARRIER\r", "No answer");
        row("NO ANSWER\n", "No answer");
        row("ATDT5;\r\r\nERROR\r\n", "The modem refused the command");
        row("7\r", "The line is busy");
    }
    void replyIsShownUnderTheNumber()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, shown);
        Call call(reply);
        QTRY_COMPARE(call.window.findChild<QLabel*>("replyLabel")->text(), shown);
        QVERIFY(call.window.isVisible()); // until Cancel, whatever the modem said
    }

    void unpluggedModemEndsTheCall()
    {
        Call call;
        QElapsedTimer wall;
        wall.start();
        const qint64 cpuBefore = cpuMilliseconds();
        call.modem.closeLine();
        QTest::qWait(500); // the time over which the processor's use is measured
        QVERIFY2(cpuMilliseconds() - cpuBefore < wall.elapsed() / 4, "the hang-up spins");
        QCOMPARE(call.bench.log.texts(), QStringList{"The modem was disconnected"});
        QCOMPARE(call.bench.log.last().title, "Warning");
        QVERIFY(!call.window.isVisible());
    }

    void floodKeepsMemoryFlat()
    {
        Call call;
        const qint64 before = residentBytes();
        call.modem.flood();
        QTRY_VERIFY_WITH_TIMEOUT(call.modem.floodedBytes() > (32 << 20), 60000);
        QVERIFY2(residentBytes() - before < (12 << 20), "what arrives is kept");
        QVERIFY(call.window.isVisible());
        clickButton(&call.window, "Command1");
        QTRY_VERIFY(call.modem.received().endsWith("ATH\r"));
    }
};

VENNOR_TEST(ModemFailureTest)
#include "modemfailuretest.moc"
