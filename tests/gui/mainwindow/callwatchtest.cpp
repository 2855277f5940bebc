// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Watching for calls from the main window: the Dial menu's item, the notice of each call on a
// notification service of the test's own (or the window standing in for it), its actions, the
// port given up to dialing, and the choice kept across starts.
#include "gui/calls/callwatch.h"
#include "core/calllog.h"
#include "gui/modem/dialingwindow.h"
#include "support/fakemodem.h"
#include "support/notificationbus.h"
#include "support/testregistry.h"
#include "windowfixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

// The main window with ann's work number, its modem on a pseudo-terminal at port 1.
struct Watching
{
    explicit Watching(bool withService = true) : bus(withService)
    {
        qputenv("VENNOR_COM1", modem.path().toLocal8Bit());
        watch()->setBus(bus.connection("program"));
    }
    ~Watching() { qputenv("VENNOR_COM1", "/nonexistent/vennor-port-1"); }
    CallWatch* watch() const { return f.window->findChild<CallWatch*>("callWatch"); }
    void switchOn() const
    {
        f.child("watchcalls")->trigger();
        QTRY_VERIFY(watch()->watcher().isWatching());
    }
    void call(const QByteArray& number)
    {
        modem.send("RING\r\n\r\nDATE = 1207\r\nTIME = 0935\r\nNMBR = " + number +
                   "\r\nNAME = SOMEONE\r\n");
    }

    FakeModem modem;
    WindowFixture f{{{"ann", "", "", "", "20301234567"}}};
    PrivateBus bus;
};

} // namespace

class CallWatchTest : public QObject
{
    Q_OBJECT

private slots:
    void storedCallerIsNamedAndShown()
    {
        Watching w;
        w.switchOn();
        w.call("0301234567");
        QTRY_COMPARE_WITH_TIMEOUT(w.bus.service.notes.size(), 1, 100);
        const auto& note = w.bus.service.notes.first();
        QCOMPARE(note.summary, "ann is calling");
        QCOMPARE(note.body, "0301234567 (Work)");
        QCOMPARE(note.actions, QStringList({"default", "show"}));
        const auto calls = CallLog::inPhoneBookFolder().read()->calls;
        QCOMPARE(calls.size(), 1U);
        QCOMPARE(calls.front().record, "ann");
        QCOMPARE(calls.front().book, "book");

        w.bus.invoke("show");
        QTRY_COMPARE(w.f.text(0)->text(), "ann");
        QCOMPARE(w.f.numberBoxEntries(), QStringList{"0301234567"});
    }
    void callerWithoutRecord_data()
    {
        QTest::addColumn<QByteArray>("number");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QStringList>("actions");
        QTest::newRow("unknown") << QByteArray("0401112223") << "SOMEONE"
                                 << "0401112223" << QStringList{"add"};
        QTest::newRow("private") << QByteArray("P") << "Private number"
                                 << "SOMEONE" << QStringList{};
    }
    void callerWithoutRecord()
    {
        QFETCH(QByteArray, number);
        QFETCH(QString, summary);
        QFETCH(QString, body);
        QFETCH(QStringList, actions);
        Watching w;
        w.switchOn();
        w.call(number);
        QTRY_COMPARE(w.bus.service.notes.size(), 1);
        QCOMPARE(w.bus.service.notes.first().summary, summary);
        QCOMPARE(w.bus.service.notes.first().body, body);
        QCOMPARE(w.bus.service.notes.first().actions, actions);
        if (actions.isEmpty()) {
            return;
        }
        w.f.click(w.f.text(1)); // the user was in the e-mail box
        w.bus.invoke("add");
        QTRY_COMPARE(w.f.numberBoxEntries(), QStringList{"0401112223"});
        QCOMPARE(w.f.typeBox()->currentText(), "Home");
        QCOMPARE(w.f.text(0)->text(), "");
        QCOMPARE(QApplication::focusWidget(), w.f.text(0)); // for the name, typed next
    }
    // That it leaves the keyboard where it was only a real X server shows: see the journeys.
    void withoutServiceAWindowShowsTheCall()
    {
        Watching w(false);
        w.switchOn();
        w.call("0301234567");
        QWidget* notice = nullptr;
        QTRY_VERIFY((notice = w.f.window->findChild<QWidget*>("callNotice")) != nullptr &&
                    notice->isVisible());
        QCOMPARE(notice->findChild<QLabel*>("noticeSummary")->text(), "ann is calling");

        clickButton(notice, "noticeShow");
        QTRY_COMPARE(w.f.text(0)->text(), "ann");
        QTRY_VERIFY(w.f.window->findChild<QWidget*>("callNotice") == nullptr);
    }
    // A call whose rings bring no caller is still logged, once, without a number; a call
    // that was reported is not logged a second time when its rings end.
    void ringsWithoutReportAreLoggedOnce()
    {
        Watching w;
        w.watch()->setRingsEnd(100);
        w.switchOn();
        w.call("0301234567");
        w.modem.send("RING\r\n");
        QTest::qWait(300);
        w.modem.send("RING\r\n");
        QTest::qWait(50);
        w.modem.send("RING\r\n");
        QTest::qWait(300);
        const auto calls = CallLog::inPhoneBookFolder().read()->calls;
        QCOMPARE(calls.size(), 2U);
        QCOMPARE(calls.back().number, "");
        QCOMPARE(calls.back().record, "");
    }
    void dialingTakesThePortAndGivesItBack()
    {
        Watching w;
        w.switchOn();
        w.f.modals.whenShown<DialingWindow>([&w](DialingWindow* call) {
            QTRY_VERIFY(w.modem.received().endsWith("ATDT555;\r"));
            clickButton(call, "Command1");
        });
        w.f.window->dialNumber("555");
        QVERIFY(w.f.modals.waitAllHandled());
        QTRY_VERIFY(w.watch()->watcher().isWatching());
        QCOMPARE(w.modem.openCount(), 3); // the watch, the call, the watch again
        QVERIFY(w.modem.received().endsWith("ATH\rATZ\rAT+VCID=1\r"));
    }
    void watchingIsRememberedAcrossStarts()
    {
        Watching w;
        w.switchOn();
        w.f.window.reset();
        QTRY_VERIFY(!w.modem.isHeldOpen());
        w.f.open();
        QVERIFY(w.f.child("watchcalls")->isChecked());
        QTRY_VERIFY(w.watch()->watcher().isWatching());
        QCOMPARE(w.modem.openCount(), 2);
    }
    void aFailingPortSwitchesTheWatchOffWithOneMessage()
    {
        Watching w;
        qputenv("VENNOR_COM1", "/nonexistent/vennor-port-1");
        w.f.child("watchcalls")->trigger();
        QTRY_COMPARE(w.f.messages.count(), 1);
        QVERIFY(w.f.messages.texts().first().startsWith("The modem on port 1"));
        QVERIFY(!w.f.child("watchcalls")->isChecked());
        QVERIFY(!CallWatch::rememberedOn());
    }
};

VENNOR_TEST(CallWatchTest)
#include "callwatchtest.moc"
