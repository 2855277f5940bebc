// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/modem/dialingwindow.h"
#include "modembench.h"
#include "support/testregistry.h"

#include <QLabel>
#include <QTimer>

using namespace vennor;
using namespace vennor::test;

namespace {

} // namespace

// One call on a modem that says only what the test sends: its replies (each shown differs from
// the one before), then bytes without pause, then the plug pulled.
class ModemFailureTest : public QObject
{
    Q_OBJECT

private slots:
    void callShowsRepliesOutlastsAFloodAndEndsOnHangUp()
    {
        ModemBench bench{{"1"}};
        const auto modems = bench.plug("s");
        FakeModem& modem = *modems.at(1);
        bench.state.numberToDial = QStringLiteral("5");
        DialingWindow window{bench.state, nullptr, nullptr};
        window.open();
        QTRY_COMPARE(modem.received(), QByteArray("ATDT5;\r"));
        for (const auto& [reply, shown] : std::initializer_list<std::pair<const char*, QString>>{
                 {"\r\nOK\r\n", "Pick up the handset"},
                 {"ATDT5;\r\r\nBUSY\r\n", "The line is busy"},
                 {"\r\n\r\nNO DIALTONE\r\n\r\n", "No dial tone"},
                 {"ATDT5;\rNO CARRIER\r", "No answer"},
                 {"ERROR\r\n", "The modem refused the command"},
                 {"NO ANSWER\n", "No answer"},
                 {"7\r", "The line is busy"}}) {
            modem.send(reply);
            QTRY_COMPARE(window.findChild<QLabel*>("replyLabel")->text(), shown);
        }
        const qint64 before = residentBytes();
        qint64 sent = 0;
        QTimer flood;
        connect(&flood, &QTimer::timeout, [&] { sent += modem.send(QByteArray(1 << 16, 'x')); });
        flood.start(0);
        QTRY_VERIFY_WITH_TIMEOUT(sent > (32 << 20), 60000);
        QVERIFY2(residentBytes() - before < (12 << 20), "what arrives is kept");
        QVERIFY(window.isVisible()); // until Cancel, whatever the modem sent
        modem.closeLine();
        QTRY_COMPARE(bench.log.texts(), QStringList{"The modem was disconnected"});
        QVERIFY(bench.log.last().title == "Warning" && !window.isVisible());
    }
};

VENNOR_TEST(ModemFailureTest)
#include "modemfailuretest.moc"
