// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/calloptions.h"
#include "cli/callwatchcommand.h"
#include "cli/commandline.h"
#include "support/fakemodem.h"
#include "support/notificationbus.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QSignalSpy>
#include <QTest>

using namespace vennor;

namespace {

CallEntry call(int minute, QString number, QString name = {})
{
    CallEntry entry;
    entry.time = QDateTime(QDate(2026, 12, 7), QTime(9, minute), Qt::UTC);
    entry.number = std::move(number);
    entry.networkName = std::move(name);
    return entry;
}

} // namespace

class CallCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    // Newest first, as many as asked; a name from the network cannot add a column or a line,
    // nor steer the terminal.
    void callsListTheLog()
    {
        test::TempFolders folders;
        const CallLog log = CallLog::inPhoneBookFolder();
        CallEntry out = call(3, "0307654321");
        out.direction = CallEntry::Direction::Out;
        out.outcome = "Cancel";
        for (const CallEntry& entry :
             {call(1, "1"), call(2, "5551234567", "EVE\t\x1b[2J\nX"), out}) {
            QVERIFY(log.append(entry));
        }
        const app::Startup startup = app::parseCommandLine({"vennor", "--calls", "--limit", "2"});
        QCOMPARE(startup.exitStatus, 0);
        const QStringList lines = startup.message.split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].endsWith("\tout\t0307654321\t\t\t\tCancel"), qPrintable(lines[0]));
        QVERIFY2(lines[1].contains("\tin\t5551234567\t\t\tEVE\uFFFD\uFFFD[2J\uFFFDX\t"),
                 qPrintable(lines[1]));
        for (const QString& line : lines) {
            QCOMPARE(line.count('\t'), 6);
        }
    }

    void watchPrintsAndLogsEachCall_data()
    {
        QTest::addColumn<bool>("desktop");
        QTest::newRow("desktop session") << true;
        QTest::newRow("no notification service") << false;
    }
    // A caller found in the second book, printed, logged and, where a desktop takes notices,
    // shown there without actions; the modem unplugged ends the watch with 1 and says why, and
    // only that.
    void watchPrintsAndLogsEachCall()
    {
        QFETCH(bool, desktop);
        test::PrivateBus bus(desktop);
        test::TempFolders folders;
        folders.writeSettings({"3", "Home", "Work"});
        folders.writePhoneBook("Home", ")\r\n");
        folders.writePhoneBook("Work", ")\r\nann\r\n002079460958\r\n)\r\n");
        test::FakeModem modem;
        qputenv("VENNOR_COM3", modem.path().toLocal8Bit());
        QString printed;
        QString errors;
        QTextStream out(&printed);
        QTextStream err(&errors);
        app::CallWatchCommand command(out, err, bus.connection("program"));
        QSignalSpy ended(&command, &app::CallWatchCommand::ended);
        QSignalSpy watching(&command.watcher(), &CallWatcher::watching);
        command.start();
        QTRY_COMPARE(watching.size(), 1);
        modem.send("RING\r\nDATE=1207\r\nTIME=0931\r\nNMBR=+442079460958\r\nNAME=A SMITH\r\n");
        QTRY_VERIFY(printed.contains('\n'));
        QVERIFY2(printed.endsWith("\tin\t+442079460958\tann\tWork\tA SMITH\t\n"),
                 qPrintable(printed));
        const auto logged = CallLog::inPhoneBookFolder().read();
        QCOMPARE(logged->calls.size(), size_t(1));
        QCOMPARE(logged->calls.front().record, "ann");
        if (desktop) {
            QTRY_COMPARE(bus.service.notes.size(), 1);
            QCOMPARE(bus.service.notes.front().summary, "ann is calling");
            QCOMPARE(bus.service.notes.front().body, "02079460958 (Home)");
            QCOMPARE(bus.service.notes.front().actions, QStringList());
        }
        modem.closeLine();
        QTRY_COMPARE(ended.size(), 1);
        QCOMPARE(ended.front().front().toInt(), 1);
        QCOMPARE(errors, "vennor: The modem was disconnected\n");
        qputenv("VENNOR_COM3", "/nonexistent/vennor-port-3");
    }
};

VENNOR_TEST(CallCommandsTest)
#include "callcommandstest.moc"
