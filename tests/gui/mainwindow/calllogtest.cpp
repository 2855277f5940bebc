// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calllog.h"
#include "gui/calllog/calllogwindow.h"
#include "gui/modem/dialingwindow.h"
#include "support/fakemodem.h"
#include "support/testregistry.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

CallEntry call(int minute, CallEntry::Direction direction, const QString& number,
               const QString& record = {})
{
    CallEntry entry;
    entry.time = QDateTime(QDate(2026, 12, 7), QTime(9, minute), Qt::UTC);
    entry.direction = direction;
    entry.number = number;
    entry.record = record;
    entry.book = record.isEmpty() ? QString() : QStringLiteral("book");
    return entry;
}

constexpr auto In = CallEntry::Direction::In;
constexpr auto Out = CallEntry::Direction::Out;

// A returned call from 111, a private one, anna's unanswered one, a call out to 333.
std::vector<CallEntry> someCalls()
{
    CallEntry hidden = call(3, In, {});
    hidden.hidden = CallEntry::Hidden::Private;
    return {call(1, In, "111"), call(2, Out, "0111"), hidden, call(4, In, "222", "anna"),
            call(5, Out, "333")};
}

// The main window with the call log window opened from the Dial menu over someCalls().
struct LogBench
{
    LogBench() : f(QList<QStringList>{{"anna", "0222"}})
    {
        for (const CallEntry& entry : someCalls()) {
            CallLog::inPhoneBookFolder().append(entry);
        }
        f.child("calllog")->trigger();
        window = f.window->findChild<CallLogWindow*>();
        view = window->findChild<QTableView*>("calls");
        // As a window manager does on the user's click; the offscreen platform does not.
        window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), window);
    }
    QStringList column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            texts << view->model()->index(row, column).data().toString();
        }
        return texts;
    }
    QWidget* control(const char* name) const { return window->findChild<QWidget*>(name); }
    void click(const char* name) const { QTest::mouseClick(control(name), Qt::LeftButton); }
    void clickRow(int row) const
    {
        const QModelIndex index = view->model()->index(row, 1);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }

    WindowFixture f;
    CallLogWindow* window = nullptr;
    QTableView* view = nullptr;
};

} // namespace

class CallLogTest : public QObject
{
    Q_OBJECT

private slots:
    // Missed: a call in that no later call out to its number returned.
    void newestFirstThroughEachFilter()
    {
        LogBench b;
        QCOMPARE(b.column(1), (QStringList{"333", "anna", "Private number", "0111", "111"}));
        QCOMPARE(b.column(0), (QStringList{"Out", "Missed", "Missed", "Out", "In"}));
        const std::pair<const char*, QStringList> filters[] = {
            {"showIn", {"anna", "Private number", "111"}},
            {"showOut", {"333", "0111"}},
            {"showMissed", {"anna", "Private number"}},
            {"showAll", {"333", "anna", "Private number", "0111", "111"}}};
        for (const auto& [filter, shown] : filters) {
            b.click(filter);
            QCOMPARE(b.column(1), shown);
        }
        b.clickRow(2);
        QVERIFY(!b.control("callBack")->isEnabled() && !b.control("addRecord")->isEnabled());
        b.clickRow(1);
        QVERIFY(b.control("callBack")->isEnabled() && b.control("showRecord")->isEnabled());
        QVERIFY(!b.control("addRecord")->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), b.control("callBack"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), b.control("showAll"));
        b.click("showRecord");
        QCOMPARE(b.f.fields().first(), "anna");
        b.window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), b.window);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(b.f.window->findChild<CallLogWindow*>() == nullptr);
    }

    // Enter dials the chosen call's number; the call it makes shows at the top of the list
    // still open, and Redial dials it again.
    void enterCallsBackAndRedialDialsTheLastNumber()
    {
        LogBench b;
        FakeModem modem;
        qputenv("VENNOR_COM1", modem.path().toLocal8Bit());
        const auto cancelWhenDialled = [&](const QByteArray& number) {
            b.f.modals.whenShown<DialingWindow>([&modem, number](DialingWindow* dialing) {
                QTRY_VERIFY(modem.received().endsWith("ATDT" + number + ";\r"));
                dialing->reject();
            });
        };
        cancelWhenDialled("222");
        b.clickRow(1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(b.f.modals.waitAllHandled());
        QTRY_COMPARE(b.column(1).size(), 6);
        QCOMPARE(b.column(1).first(), "anna");
        QCOMPARE(b.column(0).mid(0, 3), (QStringList{"Out", "Out", "In"})); // anna's call returned

        cancelWhenDialled("222");
        b.f.child("redial")->trigger();
        QVERIFY(b.f.modals.waitAllHandled());
        qputenv("VENNOR_COM1", "/nonexistent/vennor-port-1");
    }

    void deleteTakesOutTheChosenCallAndClearAsksFirst()
    {
        LogBench b;
        b.clickRow(1);
        b.click("deleteCalls");
        std::vector<CallEntry> left = someCalls();
        left.erase(left.begin() + 3);
        QVERIFY(CallLog::inPhoneBookFolder().read()->calls == left);
        QCOMPARE(b.column(1), (QStringList{"333", "Private number", "0111", "111"}));

        b.f.messages.answerNext(MessageBox::Answer::Cancel);
        b.click("clearLog");
        QCOMPARE(b.f.messages.texts(), QStringList{"Delete every call from the call log?"});
        QCOMPARE(CallLog::inPhoneBookFolder().read()->calls.size(), size_t(4));
        b.click("clearLog");
        QVERIFY(CallLog::inPhoneBookFolder().read()->calls.empty());
        QCOMPARE(b.view->model()->rowCount(), 0);
        QVERIFY(!b.control("clearLog")->isEnabled() && !b.control("deleteCalls")->isEnabled());
    }

    void redialWithoutACallOutSaysSo()
    {
        WindowFixture f;
        f.press(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.messages.texts(), QStringList{"No number has been dialled yet"});
    }
};

VENNOR_TEST(CallLogTest)
#include "calllogtest.moc"
