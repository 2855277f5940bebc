// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/phonebooks/phonebookdialog.h"
#include "gui/sessionstate.h"
#include "support/testregistry.h"
#include "windowfixture.h"

#include <QApplication>
#include <QFile>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

const QString kNoModem = "Can't find a Modem or line is not connected !!";
const QList<QStringList> kBook = {
    {"john", "\"john@x.org\"", "\"12 main st\"", "\" call me @ 9\"", "0555", "2777"},
    {"anna", "1555", "3888"},
    {"bob"}};
const QStringList kEmpty(4, QString());

} // namespace

// Start-up, the lists, the window's own texts, browsing and the commands reaching other windows.
class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void startupDetours_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("no settings file: detection") << QStringList{} << kNoModem << "";
        const QString create = "Create a phone book";
        QTest::newRow("port line only") << QStringList{"1"} << create << "Create new phone book";
        QTest::newRow("default book's file missing")
            << QStringList{"1", "gone"} << create << "Create new phone book";
        QTest::newRow("default book's name leaves the folder")
            << QStringList{"1", "../vennor/book"} << create << "Create new phone book";
    }
    void startupDetours()
    {
        QFETCH(QStringList, settings);
        WindowFixture f{WindowFixture::Unopened{}};
        f.folders.writePhoneBook("book", "x\r\n)\r\n"); // reached only by a name with a path
        if (!settings.isEmpty()) {
            f.folders.writeSettings(settings);
        }
        QString caption;
        f.modals.whenShown<PhoneBookDialog>([&](PhoneBookDialog* shown) {
            caption = shown->windowTitle();
            shown->reject();
        });
        f.open();
        QTEST(caption, "dialog");
        QTEST(f.messages.texts().join(""), "message");
        QCOMPARE(f.messages.last().title, "Warning");
        QCOMPARE(f.folders.readSettings().size(), qMax(settings.size(), 1));
        QCOMPARE(f.nameSearch()->count() + f.numberSearch()->count(), 0);
    }

    void listsAfterLoading()
    {
        WindowFixture f(QList<QStringList>{{"john", "\"john@x.org\"", "0100", "220"},
                                           {"anna", "\" a comment\"", "\"1100\""},
                                           {"Bob"}});
        QCOMPARE(f.nameSearch()->entries(), (QStringList{"anna", "Bob", "john", "", "", ""}));
        QCOMPARE(f.numberSearch()->entries(), (QStringList{"100", "100", "20", "", "", ""}));
        QVERIFY(f.messages.texts().isEmpty());
    }

    void ctrlAInTheCommentOpensAdvancedSearch() // Ctrl+D in the name box: the journeys
    {
        WindowFixture f;
        bool searchOpened = false;
        connect(f.child("Advsrch"), &QAction::triggered, this,
                [&searchOpened] { searchOpened = true; });
        f.click(f.comment());
        f.press(Qt::Key_A, Qt::ControlModifier);
        QVERIFY(searchOpened && !f.comment()->textCursor().hasSelection());
    }

    void dialNeedsANumberAndDetectsFirstWithoutSettings()
    {
        WindowFixture f;
        QFile::remove(f.folders.settingsFile());
        f.window->dialSelectedNumber();
        QCOMPARE(f.messages.texts(), QStringList{"A telephone number is required"});
        QCOMPARE(f.messages.last().title, "Warning");
        QVERIFY(!QFile::exists(f.folders.settingsFile()));
        f.messages.clear();
        f.numberBox()->setEditText("0 12");
        f.child("dialnow")->trigger();
        QCOMPARE(f.messages.texts(), (QStringList{kNoModem, "The modem is not connected"}));
    }

    void typingLoadsOnlyAnExactName()
    {
        WindowFixture f(kBook);
        f.click(f.nameSearch());
        f.type("JO");
        QCOMPARE(f.fields(), kEmpty);
        f.type("hn "); // lowered and trimmed
        QCOMPARE(f.fields(), (QStringList{"john", "john@x.org", "12 main st", "call me @ 9"}));
        QCOMPARE(f.numberBoxEntries(), (QStringList{"555", "777"}));
        QCOMPARE(f.state.typeCodes, (QList<int>{0, 2}));
        QCOMPARE(f.numberBox()->currentText(), "555");
        QVERIFY(!f.window->hasRecordFromFile() && !f.text(0)->dataChanged());
        emit f.numberBox()->activated(1);
        QCOMPARE(f.typeBox()->currentText(), "Work");
        f.type("x");
        QVERIFY(f.fields() == kEmpty && f.numberBoxEntries().isEmpty());
        f.click(f.numberSearch());
        f.type("888"); // a later number: shows the first
        QCOMPARE(f.text(0)->text(), "anna");
        QCOMPARE(f.numberBox()->currentText(), "555");
        QCOMPARE(f.typeBox()->currentText(), "Mobile");
        QVERIFY(f.window->hasRecordFromFile());
        f.numberSearch()->setText("555"); // shared: the first record in the file wins
        QCOMPARE(f.text(0)->text(), "john");
        f.type("9");
        QCOMPARE(f.fields(), kEmpty);
    }

    void choosingLoadsAndAddedNumbersAreCleanedAndKeepTheirTypes()
    {
        WindowFixture f(kBook);
        f.choose(f.nameSearch(), "anna");
        QCOMPARE(f.typeBox()->currentText(), "Mobile");
        QVERIFY(f.window->hasRecordFromFile());
        f.typeBox()->setCurrentIndex(3);
        f.addNumber("(01) 23-45");
        QCOMPARE(f.numberBox()->currentText(), "");
        f.addNumber("12a4");
        QCOMPARE(f.messages.texts(), QStringList{"Enter a valid number"});
        QCOMPARE(f.messages.last().title, "Warning");
        QCOMPARE(f.numberBox()->currentText(), "12a4");
        f.addNumber("8-88"); // already there once cleaned
        QCOMPARE(f.numberBox()->currentText(), "8-88");
        f.addNumber("55");                     // begins a listed number: added as typed
        f.typeBox()->setEditText("Satellite"); // no such type: Home
        f.addNumber("4");
        QCOMPARE(f.numberBoxEntries(), (QStringList{"555", "888", "012345", "55", "4"}));
        QCOMPARE(f.state.typeCodes, (QList<int>{1, 3, 3, 3, 0}));
        f.choose(f.nameSearch(), ""); // one of the empty entries
        QVERIFY(f.fields() == kEmpty && f.numberBoxEntries().isEmpty() &&
                !f.window->hasRecordFromFile());
        QCOMPARE(QApplication::focusWidget(), f.nameSearch()->lineEdit());
    }

    // The desktop session saved with a record on screen: the start restoring it shows the
    // record again; another session's start, or one after the default book changed, does not.
    void sessionRestoresTheRecordShown()
    {
        WindowFixture f(kBook);
        f.choose(f.nameSearch(), "anna");
        app::keepForSession(*f.window, "s1_k1");
        f.open();
        app::restoreSession(*f.window, "s2_k1");
        QCOMPARE(f.fields(), kEmpty);
        app::restoreSession(*f.window, "s1_k1");
        QCOMPARE(f.fields(), (QStringList{"anna", "", "", ""}));
        QCOMPARE(f.numberBoxEntries(), (QStringList{"555", "888"}));
        f.folders.writePhoneBook("other", bookBytes(kBook));
        f.folders.writeSettings({"1", "other", "book"});
        f.open();
        app::restoreSession(*f.window, "s1_k1");
        QCOMPARE(f.fields(), kEmpty);
    }
};

VENNOR_TEST(WindowTest)
#include "windowtest.moc"
