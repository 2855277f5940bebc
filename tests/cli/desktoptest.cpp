// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandline.h"
#include "cli/dialsettings.h"
#include "gui/help/userguidewindow.h"
#include "gui/instancechannel.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/modem/dialingwindow.h"
#include "gui/modem/eventwait.h"
#include "gui/modem/manualdialdialog.h"
#include "gui/phonebooks/phonebookdialog.h"
#include "gui/printing/printselectionwindow.h"
#include "gui/programstart.h"
#include "gui/search/advancedsearchwindow.h"
#include "platform/display.h"
#include "platform/instancename.h"
#include "support/fakemodem.h"
#include "support/messagelog.h"
#include "support/modaldriver.h"
#include "support/recordshost.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <future>

using namespace vennor;
using namespace std::chrono_literals;
Q_DECLARE_METATYPE(vennor::app::HandOver)

// The running program on temporary folders: an empty default phone book, a modem on port 1,
// short modem waits; its socket is named after the folders, so each test has its own.
struct RunningProgram
{
    RunningProgram()
    {
        window.show();
        window.activateWindow();
    }
    ~RunningProgram()
    {
        modemWaits() = waits;
        qputenv("VENNOR_COM1", "/nonexistent/vennor-port-1");
    }
    test::TempFolders folders;
    test::FakeModem modem;
    bool written = (folders.writeSettings({"1", "book"}), folders.writePhoneBook("book", ")\r\n"),
                    qputenv("VENNOR_COM1", modem.path().toLocal8Bit()));
    ModemWaits waits = std::exchange(modemWaits(), {500ms, 30ms});
    test::MessageLog messages;
    SharedState state;
    MainWindow window{state};
};

// A second start talks from its own process; here from a thread, so the server keeps its
// event loop.
static app::HandOver handOverFromAnotherStart(const QString& number)
{
    auto outcome = std::async(std::launch::async, [number] { return app::handOverNumber(number); });
    const bool ended =
        QTest::qWaitFor([&] { return outcome.wait_for(0s) == std::future_status::ready; }, 15000);
    return ended ? outcome.get() : app::HandOver::NoAnswer;
}

// What the keyboard reaches, as a screen reader names it.
static QStringList unnamedControls(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(window) &&
            QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty()) {
            unnamed << control->objectName() + '/' + control->metaObject()->className();
        }
    }
    return unnamed;
}

// The program as the desktop starts it: its command line, the hand-over of a number to the
// running program, the guide, and the names a screen reader says.
class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { app::describeApplication(); }

    // status -1: the program starts and dials number; "!": a refused number, which a desktop
    // user who clicked a link sees in a box. ini: vennor.ini's international prefix, if any.
    void outcomes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("ini");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("number");
        const auto row = [](const char* name, QStringList arguments, QString ini, int status,
                            QString message, QString number) {
            QTest::newRow(name) << arguments << ini << status << message << number;
        };
        row("nothing", {}, "", -1, "", "");
        row("help despite a bad prefix", {"--help"}, "0x", 0, "Usage: vennor [options]", "");
        row("version", {"--version"}, "", 0, "vennor 1.4", "");
        row("global, dashes", {"tel:+44-20-7946-0958"}, "", -1, "", "00442079460958");
        row("own prefix, brackets, dots", {"tel:+1 (555) 010.99"}, "011", -1, "", "011155501099");
        row("percent-encoded, capitals", {"TEL:%2B44%2020"}, "", -1, "", "004420");
        row("no-break spaces, as phones export", {QString::fromUtf8("tel:+44\u00a020\u202f79")}, "",
            -1, "", "00442079");
        row("local with context", {"tel:79-46;phone-context=example.com"}, "", -1, "", "7946");
        row("star, hash, other parameter", {"tel:*31#0;foo=bar"}, "", -1, "", "*31#0");
        row("typed, Qt's own option", {"-platform", "x", "--dial", " 020 79 "}, "", -1, "",
            "02079");
        // Qt's standard options are its own, whatever their names; the session restores.
        row("Qt's, one dash",
            {"-session", "1a2b", "-reverse", "-geometry", "600x400+9+9", "-name", "v", "-style",
             "fusion", "-stylesheet=a.qss", "-display", ":0"},
            "", -1, "", "");
        row("X11's -sync, not ours", {"-sync", "--platform", "xcb", "-dial", "5"}, "", -1, "", "5");
        row("help with Qt's options", {"--help-all"}, "", 0, "-session <session>", "");
        row("unknown, one dash", {"-frobnicate"}, "", 2, "Unknown option", "");
        row("bad prefix", {"tel:+1"}, "0x", 2, "!\"0x\" in ", "");
        row("no digits", {"tel:+-"}, "", 2, "!there is no number", "");
        row("letters", {"--dial", "1-800-FLOWERS"}, "", 2, "!only digits, * and #", "");
        row("extension", {"tel:+44-20;ext=12"}, "", 2, "!extension", "");
        row("not a link", {"http://example.org"}, "", 2, "is not a tel: link", "");
        row("two numbers", {"tel:1", "--dial", "2"}, "", 2, "one number at a time", "");
        row("unknown option", {"--frobnicate"}, "", 2, "Unknown option", "");
        // The modem's command line holds 40 characters after ATDT.
        row("longest number", {"tel:" + QString(40, '7')}, "", -1, "", QString(40, '7'));
        row("one digit too many", {"tel:+" + QString(39, '7')}, "", 2,
            "!it has 41 digits, and the modem dials at most 40", "");
        row("100,000 digits", {"tel:" + QString(100000, '7')}, "", 2, "!at most 40", "");
        // The vCard commands run here; --version after an export is the vCard version.
        row("export's version", {"--export-vcard", "a.vcf", "--version", "5.0"}, "", 2,
            "takes 3.0 or 4.0, not \"5.0\"", "");
        row("import, no book yet", {"--import-vcard", "a.vcf"}, "", 1, "no phone book yet", "");
        row("vCard and a number", {"--import-vcard", "a.vcf", "tel:1"}, "", 2, "dials nothing", "");
        // The call log and the watch need no window; --watch itself runs in main.
        row("calls, none yet", {"--calls"}, "", 0, "", "");
        row("limit alone", {"--limit", "3"}, "", 2, "use --calls [--limit N]", "");
        row("limit not a number", {"--calls", "--limit", "x"}, "", 2, "use --calls", "");
        row("limit zero", {"--calls", "--limit", "0"}, "", 2, "use --calls", "");
        row("calls and watch", {"--calls", "--watch"}, "", 2, "use --calls", "");
        row("watch and a number", {"--watch", "tel:1"}, "", 2, "go alone", "");
        row("watch", {"--watch"}, "", -1, "", "");
    }
    void outcomes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, ini);
        QFETCH(QString, message);
        test::TempFolders folders;
        QFile file(app::dialSettingsPath());
        QVERIFY(ini.isEmpty() ||
                (QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) &&
                 file.write("[tel]\ninternationalPrefix=" + ini.toUtf8()) > 0));
        file.close();
        const app::Startup startup = app::parseCommandLine(QStringList{"vennor"} + arguments);
        QTEST(startup.exitStatus.value_or(-1), "status");
        QCOMPARE(startup.refusedNumber, message.startsWith('!'));
        message.remove(0, int(message.startsWith('!')));
        QVERIFY2(startup.message.contains(message), qPrintable(startup.message));
        QCOMPARE(startup.message.isEmpty(), message.isEmpty());
        QVERIFY(!startup.refusedNumber || startup.message.size() < 300);
        QTEST(startup.number, "number");
        QVERIFY(!startup.sync); // none of these asks for a sync
    }

    // Without a display the way out named is the command as it was given: an installed one.
    // Qt's own options may name a display instead.
    void noDisplayNamesTheCommandGiven()
    {
        QList<std::pair<const char*, std::optional<QByteArray>>> saved;
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
            saved.append({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name))
                                                                : std::nullopt});
            qunsetenv(name);
        }
        const std::optional<QString> reason = missingDisplayReason("vennor");
        for (const auto& [name, value] : saved) {
            value ? qputenv(name, *value) : qunsetenv(name);
        }
        QVERIFY(reason);
        QVERIFY2(reason->endsWith(": xvfb-run -a vennor"), qPrintable(*reason));
        QVERIFY(app::parseCommandLine({"vennor", "-platform", "offscreen"}).displayGiven);
        QVERIFY(app::parseCommandLine({"vennor", "--display=:1"}).displayGiven);
        QVERIFY(!app::parseCommandLine({"vennor", "-name", "display"}).displayGiven);
    }

    void longestNumberIsSettable()
    {
        test::TempFolders folders;
        QFile file(app::dialSettingsPath());
        QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly));
        file.write("[tel]\nmaxDigits=5\n");
        file.close();
        QCOMPARE(app::parseCommandLine({"vennor", "tel:12345"}).number, "12345");
        QCOMPARE(app::parseCommandLine({"vennor", "tel:123456"}).exitStatus, 2);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[tel]\nmaxDigits=many\n");
        file.close();
        const app::Startup refused = app::parseCommandLine({"vennor", "tel:1"});
        QCOMPARE(refused.exitStatus, 2);
        QVERIFY2(refused.message.contains("maxDigits \"many\""), qPrintable(refused.message));
    }
};

class RunningProgramTest : public QObject
{
    Q_OBJECT

private slots:
    // Busy: a modal window waits for the user.
    void handOver_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<app::HandOver>("expected");
        QTest::newRow("delivered") << "00442079460958" << app::HandOver::Delivered;
        QTest::newRow("window waiting") << "123" << app::HandOver::Busy;
        QTest::newRow("not dialable") << "12;x" << app::HandOver::NoAnswer;
        QTest::newRow("longer than the modem dials")
            << QString(300, '1') << app::HandOver::NoAnswer;
        QTest::newRow("nothing running") << "123" << app::HandOver::NoInstance;
    }
    void handOver()
    {
        QFETCH(QString, number);
        QFETCH(app::HandOver, expected);
        test::TempFolders folders;
        app::InstanceServer server;
        QSignalSpy received(&server, &app::InstanceServer::numberReceived);
        QVERIFY(expected == app::HandOver::NoInstance || server.listen());
        QDialog modal;
        modal.setModal(true);
        modal.setVisible(expected == app::HandOver::Busy);
        QCOMPARE(handOverFromAnotherStart(number), expected);
        QTRY_COMPARE(received.count(), int(expected == app::HandOver::Delivered));
        QCOMPARE(received.value(0).value(0).toString(), received.isEmpty() ? "" : number);
    }

    // A second program stands back while one listens; a socket left behind is taken over.
    void oneListenerPerSettingsFolder()
    {
        test::TempFolders folders;
        auto first = std::make_unique<app::InstanceServer>();
        QVERIFY(first->listen() && !app::InstanceServer().listen());
        first.reset();
        QFile leftOver(instanceSocketName());
        QVERIFY(leftOver.open(QIODevice::WriteOnly));
        QVERIFY(app::InstanceServer().listen());
    }

    // vennor tel:+44-20-7946-0958 with the program running: its window dials the modem.
    void linkDialledByTheRunningProgram()
    {
        RunningProgram program;
        app::InstanceServer server;
        QVERIFY(server.listen());
        app::dialHandedOverNumbers(server, program.window, [&program](const QString& number) {
            program.window.dialNumber(number);
        });
        test::ModalDriver modals;
        QByteArray sentWhileShown;
        modals.whenShown<DialingWindow>([&](DialingWindow* call) {
            QVERIFY(QTest::qWaitFor([&] { return program.modem.received().endsWith('\r'); }));
            sentWhileShown = program.modem.received();
            test::clickButton(call, "Command1");
        });
        const app::Startup second = app::parseCommandLine({"vennor", "tel:+44-20-7946-0958"});
        QCOMPARE(handOverFromAnotherStart(second.number), app::HandOver::Delivered);
        QVERIFY(modals.waitAllHandled());
        QCOMPARE(sentWhileShown, "ATDT00442079460958;\r");
        QTRY_COMPARE(program.modem.received(), "ATDT00442079460958;\rATH\r");
        QCOMPARE(program.messages.count(), 0);
    }

    // F1: the guide, on every task, in a window of its own, the same one each time; Esc
    // closes it.
    void helpTopicsShowsTheGuide()
    {
        RunningProgram program;
        QVERIFY(QTest::qWaitForWindowActive(&program.window));
        for (int time = 0; time < 2; ++time) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            const auto guides = program.window.findChildren<UserGuideWindow*>();
            QCOMPARE(guides.size(), 1);
            QTRY_COMPARE(QApplication::activeWindow(), guides.first());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!guides.first()->isVisible());
            program.window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&program.window));
        }
        const QString guide = program.window.findChild<QTextBrowser*>()->toPlainText();
        for (const char* topic : {"New phone book", "wildcards", "Get backup", "Detect Modem",
                                  "vennor tel:+44", "~/.local/share/vennor/", "dialout"}) {
            QVERIFY2(guide.contains(QString::fromUtf8(topic)), topic);
        }
    }

    void everyControlIsNamed()
    {
        RunningProgram program;
        test::RecordsHost host(program.state);
        QWidget* owner = &program.window;
        const QList<QWidget*> windows{owner,
                                      new PhoneBookDialog(program.state, host, owner),
                                      new ManualDialDialog(program.state, nullptr, owner),
                                      new AdvancedSearchWindow(program.state, host, owner),
                                      new PrintSelectionWindow(program.state, host, owner),
                                      new UserGuideWindow(owner)};
        for (QWidget* window : windows) {
            QCOMPARE(unnamedControls(window).join(' '), QString());
        }
    }
};

VENNOR_TEST(CommandLineTest)
VENNOR_TEST(RunningProgramTest)
#include "desktoptest.moc"
