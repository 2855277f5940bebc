// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calllog.h"
#include "core/folders.h"
#include "gui/modem/dialingwindow.h"
#include "modembench.h"
#include "support/testregistry.h"

#include <QDir>
#include <QLabel>

using namespace vennor;
using namespace vennor::test;

// Every dialling leaves one call out in the call log, with how it ended.
class OutgoingCallTest : public QObject
{
    Q_OBJECT

private slots:
    void callIsLoggedWithItsOutcome_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("record");
        QTest::newRow("reply, then Cancel") << "5551234" << QByteArray("\r\nBUSY\r\n") << "Cancel"
                                            << "The line is busy"
                                            << "";
        QTest::newRow("stored number, Cancel before a reply")
            << "0301234567" << QByteArray() << "Cancel"
            << "Cancel"
            << "john";
        QTest::newRow("line lost") << "5" << QByteArray() << "unplug"
                                   << "Disconnected"
                                   << "";
    }
    void callIsLoggedWithItsOutcome()
    {
        QFETCH(QString, number);
        QFETCH(QByteArray, reply);
        QFETCH(QString, end);
        ModemBench bench{{"1", "book"}};
        bench.folders.writePhoneBook("book", ")\r\njohn\r\n00301234567\r\n)\r\n");
        const auto modems = bench.plug("s");
        FakeModem& modem = *modems.at(1);
        bench.state.numberToDial = number;
        DialingWindow window{bench.state, nullptr, nullptr};
        window.open();
        QTRY_VERIFY(modem.received().startsWith("ATDT"));
        modem.send(reply);
        QTRY_VERIFY(reply.isEmpty() || CallLog::inPhoneBookFolder().read()->calls.size() == 1);
        if (end == "unplug") {
            modem.closeLine();
            QTRY_VERIFY(!window.isVisible());
        } else {
            clickButton(&window, "Command1");
        }
        const auto calls = CallLog::inPhoneBookFolder().read()->calls;
        QCOMPARE(calls.size(), size_t(1));
        QCOMPARE(calls.front().direction, CallEntry::Direction::Out);
        QCOMPARE(calls.front().number, number);
        QTEST(calls.front().outcome, "outcome");
        QTEST(calls.front().record, "record");
        QCOMPARE(calls.front().book, calls.front().record.isEmpty() ? "" : "book");
        QVERIFY(qAbs(calls.front().time.secsTo(QDateTime::currentDateTimeUtc())) < 60);
    }

    // The call goes on; the window alone tells that it was not logged.
    void unwritableLogDoesNotStopTheCall()
    {
        ModemBench bench{{"1"}};
        QVERIFY(QDir().mkpath(CallLog::inPhoneBookFolder().path()));
        const auto modems = bench.plug("s");
        bench.state.numberToDial = QStringLiteral("5");
        DialingWindow window{bench.state, nullptr, nullptr};
        window.open();
        QTRY_VERIFY(modems.at(1)->received().startsWith("ATDT5;"));
        modems.at(1)->send("\r\nOK\r\n");
        QTRY_COMPARE(window.findChild<QLabel*>("replyLabel")->text(),
                     "Pick up the handset (not logged)");
        QVERIFY(window.isVisible() && modems.at(1)->isHeldOpen());
        clickButton(&window, "Command1");
        QCOMPARE(bench.log.count(), 0);
    }
};

VENNOR_TEST(OutgoingCallTest)
#include "outgoingcalltest.moc"
