// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built program on a real X server (CTest starts it under xvfb-run), driven only with X
// key events from xdotool: windows are found by their titles, results read from the files.
#include "support/fakemodem.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTest>

using namespace vennor::test;

namespace {

QString xdotool(const QStringList& args)
{
    QProcess run;
    run.start(QStringLiteral("xdotool"), args);
    run.waitForFinished(10000);
    return QString::fromLatin1(run.readAllStandardOutput()).trimmed();
}

// Whether a window manager has taken the screen: until it has, xdotool still prints a desktop
// but fails. A program started before that maps its window unmanaged, and the manager's
// taking it over later races the journey's first search for it.
bool windowManagerRuns()
{
    QProcess run;
    run.start(QStringLiteral("xdotool"), {QStringLiteral("get_desktop")});
    return run.waitForFinished(10000) && run.exitStatus() == QProcess::NormalExit &&
           run.exitCode() == 0;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// One run of the program on its own folders.
class Session
{
public:
    ~Session()
    {
        if (app_.state() != QProcess::NotRunning) {
            app_.kill();
            app_.waitForFinished();
        }
    }

    void start(const QStringList& settings = {}, const QByteArray& home = {})
    {
        if (!settings.isEmpty()) {
            folders.writeSettings(settings);
            folders.writePhoneBook("Home", home);
        }
        // The language is the one asked for, not the one of whoever runs the tests.
        QProcessEnvironment environment = environment_;
        for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
            environment.remove(variable);
        }
        environment.insert("LANG", language);
        app_.setProcessEnvironment(environment);
        app_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        app_.start(qEnvironmentVariable("VENNOR_EXE"), {});
        QVERIFY(app_.waitForStarted());
        QVERIFY(settings.isEmpty() || focus("VENNOR")); // a first start detects the modem first
    }

    // The desktop's font size and palette, set through qt6ct as a desktop's settings reach Qt.
    void useDesktop(int points, const QString& colours)
    {
        const QString folder = folders.root() + "/config/qt6ct";
        QDir().mkpath(folder);
        QFile conf(folder + "/qt6ct.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        const QByteArray font =
            "\"DejaVu Sans," + QByteArray::number(points) + ",-1,5,50,0,0,0,0,0\"";
        conf.write("[Appearance]\nstyle=Fusion\ncustom_palette=" +
                   QByteArray(colours.isEmpty() ? "false" : "true") +
                   "\ncolor_scheme_path=/usr/share/qt6ct/colors/" + colours.toUtf8() +
                   ".conf\n[Fonts]\ngeneral=" + font + "\nfixed=" + font + "\n");
        environment_.insert("QT_QPA_PLATFORMTHEME", "qt6ct");
    }
    QString windowId(const QString& title) const
    {
        return xdotool({"search", "--onlyvisible", "--name", "^" + title + "$"}).section('\n', -1);
    }
    // The window's place on the screen, its frame left out.
    QRect geometry(const QString& title) const
    {
        const QStringList words =
            xdotool({"getwindowgeometry", windowId(title)}).simplified().split(' ');
        const QStringList at = words.value(words.indexOf("Position:") + 1).split(',');
        const QStringList size = words.value(words.indexOf("Geometry:") + 1).split('x');
        return {at.value(0).toInt(), at.value(1).toInt(), size.value(0).toInt(),
                size.value(1).toInt()};
    }
    // What the window manager added around the window: left, right, top, bottom.
    QString frame(const QString& title) const
    {
        QProcess run;
        run.start("xprop", {"-id", windowId(title), "_NET_FRAME_EXTENTS"});
        run.waitForFinished(10000);
        return QString::fromLatin1(run.readAllStandardOutput()).section('=', 1).trimmed();
    }
    // Keeps a picture of the window where VENNOR_SCREENSHOTS names a folder.
    void screenshot(const QString& title, const QString& file) const
    {
        const QString folder = qEnvironmentVariable("VENNOR_SCREENSHOTS");
        if (folder.isEmpty()) {
            return;
        }
        QTest::qWait(500); // painted
        const QRect at = geometry(title);
        const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(
            0, at.x(), at.y(), at.width(), at.height());
        QVERIFY(picture.save(folder + "/" + file, "PNG"));
    }

    // Waits for the window with exactly this title and gives it the keyboard focus.
    bool focus(const QString& title)
    {
        const bool focused = QTest::qWaitFor(
            [&title, this] {
                const QString id = windowId(title);
                if (!id.isEmpty()) {
                    xdotool({"windowfocus", id});
                }
                return !id.isEmpty() && xdotool({"getwindowfocus"}) == id;
            },
            15000);
        if (!focused) {
            qWarning("no window %s", qPrintable(title));
        }
        return focused;
    }
    // Waits, giving nothing the focus, until the window with this title has it: after a box
    // or a dialog closed, the program gives it back by itself.
    bool focusReturnsTo(const QString& title) const
    {
        const bool returned = QTest::qWaitFor(
            [&title] {
                const QString focused = xdotool({"getwindowfocus"});
                return !focused.isEmpty() &&
                       xdotool({"search", "--onlyvisible", "--name", "^" + title + "$"})
                           .split('\n')
                           .contains(focused);
            },
            10000);
        if (!returned) {
            qWarning("the focus did not return to %s", qPrintable(title));
        }
        return returned;
    }
    // Keys and text go to whatever has the focus, as a user's do.
    void keys(const QString& keys) const
    {
        xdotool(QStringList{"key", "--clearmodifiers", "--delay", "30"} + keys.split(' '));
    }
    void type(const QString& text) const { xdotool({"type", "--delay", "30", text}); }
    // Clear puts the focus in the name box, or in a search box it emptied: twice, the name box.
    void toNumberSearch() const { keys("ctrl+r ctrl+r Tab Tab Tab Tab Tab Tab"); }
    void keysTo(const QString& title, const QString& sequence)
    {
        QVERIFY(focus(title));
        keys(sequence);
    }

    // Clicks the first action of the call's notice window, titled as the notice: the window
    // takes no keyboard, and its buttons share its bottom row.
    void clickNoticeButton(const QString& title) const
    {
        QVERIFY(QTest::qWaitFor([&] { return !windowId(title).isEmpty(); }, 10000));
        QVERIFY(focusReturnsTo("VENNOR")); // the keyboard stayed where the user typed
        const QRect at = geometry(title);
        xdotool({"mousemove", "--window", windowId(title), QString::number(at.width() / 4),
                 QString::number(at.height() - 20), "click", "1"});
        QVERIFY(QTest::qWaitFor([&] { return windowId(title).isEmpty(); }, 10000));
    }

    // Selects the focused line's text and copies it, as a user can; empty when nothing came.
    QString copied() const
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        keys("End shift+Home ctrl+c");
        return QTest::qWaitFor([clipboard] { return !clipboard->text().isEmpty(); }, 10000)
                   ? clipboard->text()
                   : QString();
    }
    bool fileBecomes(const QString& path, const QByteArray& bytes) const
    {
        return QTest::qWaitFor([&] { return fileBytes(path) == bytes; }, 10000);
    }
    bool bookBecomes(const QByteArray& bytes) const
    {
        return fileBecomes(folders.phoneBook("Home"), bytes);
    }
    // File > Exit, answering the question to save the record when one is given.
    void exit(const QString& answer = {}, const QString& menuKeys = "alt+f e",
              const QString& questionTitle = "Warning")
    {
        keysTo("VENNOR", menuKeys);
        if (!answer.isEmpty()) {
            keysTo(questionTitle, answer);
        }
        QVERIFY(app_.waitForFinished(10000) && app_.exitCode() == 0);
    }

    TempFolders folders;
    QString language = "C.UTF-8";

private:
    QProcess app_;
    QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
};

const QByteArray kAnn =
    ")\r\nann lee\r\n\"ann@x.org\"\r\n\"1 elm st\"\r\n\" hi\"\r\n15551234\r\n2777\r\n)\r\n";

} // namespace

class JourneysTest : public QObject
{
    Q_OBJECT

private:
    QProcess windowManager;

private slots:
    // Once bare, once under the window manager VENNOR_E2E_WM names: focus is its to give.
    void initTestCase()
    {
        QVERIFY2(!xdotool({"version"}).isEmpty(), "xdotool is needed");
        const QString manager = qEnvironmentVariable("VENNOR_E2E_WM");
        if (!manager.isEmpty()) {
            windowManager.start(manager, {});
            QVERIFY2(windowManager.waitForStarted(), qPrintable(manager + " is needed"));
            QVERIFY2(QTest::qWaitFor(windowManagerRuns, 10000),
                     qPrintable(manager + " did not take the screen"));
        }
    }
    void cleanupTestCase()
    {
        windowManager.terminate();
        windowManager.waitForFinished();
    }

    // First start without a modem, the first phone book, then one record typed, found,
    // changed, stripped of a number (saved at exit), given a pasted name and deleted, and a
    // new one left unsaved at exit, all from the keyboard.
    void firstStartToDeletedRecord()
    {
        Session s;
        s.start();
        s.keysTo("Warning", "Return"); // no modem found
        QVERIFY(s.focusReturnsTo("VENNOR"));
        s.keys("alt+e Return"); // Edit > New phone book
        QVERIFY(s.focus("Create new phone book"));
        s.type("Home");
        s.keys("Return");
        QVERIFY(s.bookBecomes(")\r\n"));
        QCOMPARE(s.folders.readSettings().value(1), "Home");

        QVERIFY(s.focusReturnsTo("VENNOR"));
        s.keys("ctrl+r ctrl+r");
        s.type("Ann Lee");
        s.keys("Return");
        s.type("ann@x.org");
        s.keys("Return");
        s.type("1 elm st");
        s.keys("Return");
        s.type("hi");
        s.keys("Return Down Return"); // comment, then the type box: Mobile, on to the numbers
        s.type("5551234");
        s.keys("Return shift+Tab Down KP_Enter"); // added; back to the type box: Work
        s.type("777");
        s.keys("KP_Enter Return"); // added; Enter in the empty number box saves
        QVERIFY(s.bookBecomes(kAnn));

        s.keys("shift+Tab"); // from the name box to the name search box
        s.type("ann lee");
        s.keys("Tab");
        QCOMPARE(s.copied(), "ann lee");
        s.toNumberSearch();
        s.type("777");
        s.keys("shift+Tab shift+Tab shift+Tab shift+Tab"); // the address
        QCOMPARE(s.copied(), "1 elm st");
        s.type("2 oak st");
        s.keys("ctrl+s");
        QByteArray changed = kAnn;
        changed.replace("1 elm st", "2 oak st");
        QVERIFY(s.bookBecomes(changed));
        s.exit(); // a new run: nothing but the deleted number makes the exit ask
        s.start();
        QVERIFY(s.focus("VENNOR"));

        s.toNumberSearch();
        s.type("777");
        s.keys("alt+f Down Down Down Return"); // File > Delete number
        s.exit("Return");                      // and save it on the way out
        changed.replace("15551234\r\n", "");
        QVERIFY(s.bookBecomes(changed));
        s.start();
        QVERIFY(s.focus("VENNOR"));
        s.toNumberSearch();
        s.type("777");
        s.keys("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab"); // the name box
        QGuiApplication::clipboard()->setText(QStringLiteral("bob"));
        s.keys("End shift+Home shift+Insert ctrl+d"); // a pasted name is no loaded record:
        s.keysTo("Warning", "Return");                // "Select a record to delete"
        QVERIFY(s.focusReturnsTo("VENNOR"));
        QCOMPARE(s.copied(), "bob"); // in the name box, where it was

        s.toNumberSearch();
        s.type("777");
        s.keys("ctrl+d");
        s.keysTo("Warning", "Return"); // sure to delete
        QVERIFY(s.bookBecomes(")\r\n"));
        QVERIFY(s.focusReturnsTo("VENNOR"));
        s.keys("ctrl+r");
        s.type("Bo");
        s.exit("Escape"); // not saved
        QCOMPARE(fileBytes(s.folders.phoneBook("Home")), ")\r\n");
    }

    void backupAndRestoreThroughTheFileDialogs()
    {
        const QByteArray home = ")\r\nann\r\n0555\r\n)\r\n";
        Session s;
        const QString copy = s.folders.root() + "/Copy.dat";
        s.start({"none", "Home"}, home);
        s.keys("ctrl+r shift+Tab ctrl+a"); // Advanced search from the name search box
        s.keysTo("Advanced search", "Escape");
        QVERIFY(s.focusReturnsTo("VENNOR"));
        s.keys("ctrl+m");
        s.keysTo("Make a backup from phone book", "Return");
        s.keysTo("Save to ", "End shift+Home BackSpace");
        s.type(copy);
        s.keys("Return");
        QVERIFY(s.fileBecomes(copy, home));
        QVERIFY(s.focusReturnsTo("VENNOR"));
        s.keys("ctrl+g");
        QVERIFY(s.focus("Select File To open "));
        s.type(copy); // restored as a new book
        s.keys("Return");
        QVERIFY(s.fileBecomes(s.folders.phoneBook("Copy"), home));
        QCOMPARE(s.folders.readSettings(), (QStringList{"none", "Home", "Copy"}));
        QVERIFY(s.focusReturnsTo("VENNOR"));
        s.keys("alt+f x"); // File > Export vCard: a dialog, then the box saying it is done
        s.keysTo("Export vCard", "ctrl+a");
        s.type(s.folders.root() + "/home.vcf");
        s.keys("Return");
        s.keysTo("Export vCard", "Return");
        QVERIFY(QFile::exists(s.folders.root() + "/home.vcf"));
        QVERIFY(s.focusReturnsTo("VENNOR"));
        s.exit();
    }

    void detectionAndCalls()
    {
        FakeModem modem;
        const QByteArray before = qgetenv("VENNOR_COM3");
        qputenv("VENNOR_COM3", modem.path().toLocal8Bit());
        Session s;
        s.start({"none", "Home"}, ")\r\njohn\r\n0555\r\n)\r\n");
        qputenv("VENNOR_COM3", before);
        s.keys("alt+d Down Down Return"); // Dial > Detect Modem
        QTRY_COMPARE_WITH_TIMEOUT(s.folders.readSettings(), (QStringList{"3", "Home"}), 15000);
        QVERIFY(s.focusReturnsTo("VENNOR"));
        s.toNumberSearch();
        s.type("555");
        s.keys("ctrl+l");
        QTRY_VERIFY_WITH_TIMEOUT(modem.received().endsWith("ATDT555;\r"), 10000);
        s.keysTo("Dialing", "Escape");
        QTRY_VERIFY_WITH_TIMEOUT(modem.received().endsWith("ATH\r"), 10000);
        QVERIFY(s.focusReturnsTo("VENNOR"));
        s.exit();
    }

    // Watching on from the Dial menu; with no notification service on the desktop each call
    // shows in a small window of the program's own: Show loads the caller's record, and an
    // unknown caller is added to the phone book.
    void incomingCalls()
    {
        FakeModem modem;
        const QByteArray before = qgetenv("VENNOR_COM3");
        qputenv("VENNOR_COM3", modem.path().toLocal8Bit());
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/vennor-bus");
        Session s;
        qputenv("VENNOR_COM3", before);
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        s.start({"3", "Home"}, kAnn);
        s.keys("alt+d w"); // Dial > Watch for incoming calls
        QTRY_VERIFY_WITH_TIMEOUT(modem.received().endsWith("AT+VCID=1\r"), 10000);
        QTest::qWait(500); // the modem's OK taken
        modem.send("RING\r\n\r\nNMBR = 5551234\r\nNAME = LEE A\r\n\r\nRING\r\n");
        if (!qEnvironmentVariable("VENNOR_E2E_WM").isEmpty()) { // no buttons to maximise a notice
            QTRY_COMPARE_WITH_TIMEOUT(s.frame("ann lee is calling"), "0, 0, 0, 0", 10000);
        }
        s.clickNoticeButton("ann lee is calling");
        QVERIFY(s.focus("VENNOR"));
        QCOMPARE(s.copied(), "ann lee"); // the name search box, where the keyboard was
        s.keys("Tab Tab");
        QCOMPARE(s.copied(), "ann@x.org"); // the record's e-mail box

        modem.send("RING\r\n\r\nNMBR = 0401112223\r\nNAME = BOB\r\n\r\nRING\r\n");
        s.clickNoticeButton("BOB"); // Add to phone book
        QVERIFY(s.focus("VENNOR"));
        s.type("bob"); // into the name box
        s.keys("ctrl+s");
        QVERIFY(s.bookBecomes(kAnn + "bob\r\n00401112223\r\n)\r\n"));
        s.exit();
    }

    // A call that fails ends in a box; once it is answered, the keyboard is back in the main
    // window's number search box.
    void failedCallGivesTheFocusBack()
    {
        Session s;
        s.start({"4", "Home"}, ")\r\njohn\r\n0555\r\n)\r\n"); // port 4 cannot be opened
        s.toNumberSearch();
        s.type("555");
        s.keys("ctrl+l");
        s.keysTo("Warning", "Return"); // "The line is busy"
        QVERIFY(s.focusReturnsTo("VENNOR"));
        QCOMPARE(s.copied(), "555");
        s.exit();
    }

    // At a desktop's 11 point font the window grows with it, light or dark; it is used as
    // always. Whether each text fits is measured by TextFitTest, not read from the pictures.
    void desktopFontAndDarkPalette()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                           "/platformthemes/libqt6ct.so")) {
            QSKIP("qt6ct is needed (dev.sh installs it)");
        }
        QByteArray home = kAnn;
        for (const char* name : {"bob marsh", "carla diaz", "david okafor", "eva lindqvist",
                                 "frank moretti", "grace ho", "hassan ali"}) {
            home += QByteArray(name) + "\r\n\"" + QByteArray(name).left(3) + "@example.org\"\r\n" +
                    QByteArray::number(qHash(QByteArray(name)) % 9000000 + 1000000) + "\r\n)\r\n";
        }
        QRect plain;
        {
            Session s;
            s.start({"none", "Home"}, home);
            plain = s.geometry("VENNOR");
            s.exit();
        }
        for (const QString& colours : {QString(), QStringLiteral("darker")}) {
            Session s;
            s.useDesktop(11, colours);
            s.start({"none", "Home"}, home);
            const QRect large = s.geometry("VENNOR");
            QVERIFY2(large.width() >= plain.width() * 6 / 5 &&
                         large.height() >= plain.height() * 6 / 5,
                     qPrintable(QString("%1x%2 at 11 pt").arg(large.width()).arg(large.height())));
            s.type("ann lee");
            s.screenshot("VENNOR", colours.isEmpty() ? "main-11pt.png" : "main-dark.png");
            s.keys("Tab");
            QCOMPARE(s.copied(), "ann lee");
            s.keys("ctrl+r ctrl+r ctrl+s"); // nothing to save: a message, answered
            s.keysTo("Warning", "Return");
            s.exit();
        }
    }

    // Enlarged, the name list shows names that lay below its end; the size is kept for the
    // next start.
    void enlargedWindowShowsMoreNames()
    {
        QByteArray home = ")\r\n";
        for (int i = 0; i < 40; ++i) {
            home += QStringLiteral("name %1\r\n)\r\n").arg(i, 2, 10, QLatin1Char('0')).toLatin1();
        }
        Session s;
        s.start({"none", "Home"}, home);
        const QRect before = s.geometry("VENNOR");
        const QSize enlarged(before.width() * 3 / 2, before.height() * 2);
        xdotool({"windowsize", s.windowId("VENNOR"), QString::number(enlarged.width()),
                 QString::number(enlarged.height())});
        QTRY_COMPARE_WITH_TIMEOUT(s.geometry("VENNOR").size(), enlarged, 10000);
        // Well below where the list ended before, and above where it ends now.
        xdotool({"mousemove", "--window", s.windowId("VENNOR"),
                 QString::number(enlarged.width() * 4 / 5),
                 QString::number(before.height() * 17 / 20)});
        xdotool({"click", "1"});
        const int row = s.copied().section(' ', 1).toInt();
        QVERIFY2(row >= 7, qPrintable(QString::number(row)));
        s.screenshot("VENNOR", "main-enlarged.png");
        s.exit();
        s.start();
        QVERIFY(s.focus("VENNOR"));
        QCOMPARE(s.geometry("VENNOR").size(), enlarged);
        s.exit();
    }

    // LANG alone makes the program German: its menus answer to German letters, its windows
    // and messages carry German titles.
    void germanUser()
    {
        Session s;
        s.language = "de_DE.UTF-8";
        s.start({"none", "Home"}, ")\r\nann\r\n0555\r\n)\r\n");
        s.keys("alt+b Return"); // Bearbeiten > Neues Telefonbuch
        s.keysTo("Neues Telefonbuch anlegen", "Escape");
        s.keysTo("VENNOR", "ctrl+r ctrl+r");
        s.type("bob");
        s.keys("ctrl+d"); // nothing loaded: "Wählen Sie einen Datensatz zum Löschen"
        s.keysTo("Warnung", "Return");
        s.exit("Escape", "alt+d b", "Warnung"); // Datei > Beenden, the record left unsaved
        QCOMPARE(fileBytes(s.folders.phoneBook("Home")), ")\r\nann\r\n0555\r\n)\r\n");
    }
};

VENNOR_TEST(JourneysTest)
#include "journeystest.moc"
