// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's side of the sync: linking through the dialog, a sync after a save, Sync Now,
// the status text and unlinking.

#include "support/davserver.h"
#include "support/synchome.h"

#include "gui/mainwindow/mainwindow.h"
#include "gui/sync/linkdialog.h"
#include "gui/sync/synccontroller.h"
#include "support/messagelog.h"
#include "support/modaldriver.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"
#include "widgets/textbox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

class WindowSyncTest : public QObject
{
    Q_OBJECT

private slots:
    void linkSaveSyncNowUnlink()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        TempFolders folders;
        folders.writeSettings({"1", "Home"});
        folders.writePhoneBook("Home", ")\r\n");
        MessageLog messages;
        SharedState state;
        MainWindow window(state);
        MemoryPasswords passwords;
        SyncController sync(window, passwords);
        QObject::connect(&window, &MainWindow::bookChanged, &sync, [&sync] { sync.syncNow(); });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        ModalDriver driver;
        driver.whenShown<LinkDialog>([&](LinkDialog* dialog) {
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            clickAndType(dialog, "syncUrl", server.root());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), "alice");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), "secret");
            clickButton(dialog, "linkOk");
        });
        window.findChild<QAction*>("Link_server")->trigger();
        QVERIFY(driver.waitAllHandled());
        QTRY_VERIFY_WITH_TIMEOUT(sync.statusText().startsWith("Synced"), 10000);
        QCOMPARE(passwords.kept.value("alice@" + server.addressBook()), "secret");
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        clickAndType(&window, "Text0", "ann");
        QComboBox* numbers = window.findChild<QComboBox*>("phones");
        QTest::mouseClick(numbers->lineEdit(), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), "111");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(cardCount(server.addressBook()), 1, 10000);

        SyncHome other(server.addressBook());
        QVERIFY(other.sync());
        QCOMPARE(other.contents(), (QMap<QString, QString>{{"ann", "111"}}));
        QVERIFY(other.book().append(Record{"bob", {}, {}, {}, {{2, "222"}}}));
        QVERIFY(other.sync());
        QTRY_VERIFY(!sync.running());
        window.findChild<QAction*>("Sync_now")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(window.nameEntries().contains("bob"), 10000);
        QTRY_VERIFY(sync.statusText().contains("1 received"));

        messages.answerNext(MessageBox::Answer::Ok);
        window.findChild<QAction*>("Link_server")->trigger();
        QVERIFY(messages.last().text.startsWith("Home is linked to " + server.addressBook()));
        QVERIFY(!QFile::exists(folders.root() + "/data/vennor/Home.sync") &&
                passwords.kept.isEmpty());
        window.findChild<QAction*>("Sync_now")->trigger();
        QCOMPARE(messages.last().text, "Home is not linked to a server: use Tools > Link to "
                                       "Server... first.");
    }

    void failureIsShownInTheStatus()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        TempFolders folders;
        folders.writeSettings({"1", "Home"});
        folders.writePhoneBook("Home", ")\r\n");
        SyncState link;
        link.url = server.addressBook();
        link.user = "alice";
        QVERIFY(link.save(SyncState::pathFor(folders.phoneBook("Home"))));
        MessageLog messages;
        SharedState state;
        MainWindow window(state);
        MemoryPasswords passwords;
        passwords.kept.insert("alice@" + link.url, "wrong");
        SyncController sync(window, passwords);
        sync.syncNow(true);
        QTRY_VERIFY_WITH_TIMEOUT(!sync.running(), 10000);
        QVERIFY(sync.statusText().endsWith("refused the user name or password."));
        QCOMPARE(messages.last().text, "The phone book was not synced.");
    }
};

VENNOR_TEST(WindowSyncTest)
#include "windowsynctest.moc"
