// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/testregistry.h"
#include "support/writelimit.h"
#include "windowfixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

const QString kQuote = "Don't enter (\") please enter another symbole";
const QString kPrompt = "save the record before exit";
const QString kSure = "Are you sure you want to delete this record?";
const QString kSelect = "Select a record to delete";

} // namespace

// Saving, deleting and the exit prompt, with the phone book checked byte for byte.
class SavingTest : public QObject
{
    Q_OBJECT

private slots:
    void refusalsWriteNothing_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("message");
        const QString name = "Enter a name";
        const QString address = "Enter a valid address";
        QTest::newRow("empty name") << QStringList{"", "a@b", "x"} << name;
        QTest::newRow("comma in name") << QStringList{"a,b"} << name;
        QTest::newRow("quote in name") << QStringList{"a\"b"} << name;
        QTest::newRow("end line as name") << QStringList{" ) "} << name;
        QTest::newRow("numeric address") << QStringList{"ann", "", "42"} << address;
        QTest::newRow("@ in address") << QStringList{"ann", "", "a@b"} << address;
        QTest::newRow("quote in address") << QStringList{"ann", "", "5 \"x\" st"} << address;
        QTest::newRow("end line as address") << QStringList{"ann", "", ")"} << address;
        QTest::newRow("e-mail without @")
            << QStringList{"ann", "abc", "42 main st"} << "Write a valid E-mail address";
        QTest::newRow("quote in e-mail") << QStringList{"ann", "a\"@b"} << kQuote;
        QTest::newRow("quote in comment") << QStringList{"ann", "", "", "say \"hi\""} << kQuote;
    }
    void refusalsWriteNothing()
    {
        QFETCH(QStringList, fields);
        WindowFixture f(QList<QStringList>{{"bob", "0111"}});
        f.fill(fields);
        f.addNumber("5");
        f.child("save")->trigger();
        QTEST(f.messages.texts().join(""), "message");
        QCOMPARE(f.messages.last().title, "Warning");
        QCOMPARE(f.book(), bookBytes({{"bob", "0111"}}));
        QCOMPARE(f.numberBoxEntries(), QStringList{"5"});
    }

    void typedQuotesAndNameCommasAreSwallowed()
    {
        WindowFixture f;
        const QList<std::pair<QWidget*, QString>> typed{
            {f.text(0), "a,b\""}, {f.text(2), "1, \"x"}, {f.comment(), "\""}, {f.text(1), "\""}};
        for (const auto& [box, keys] : typed) {
            f.click(box);
            f.type(keys);
        }
        QCOMPARE(f.fields(), (QStringList{"ab", "", "1, x", ""}));
        QCOMPARE(f.messages.texts(), (QStringList{"Don't enter (,) please enter another symbole",
                                                  kQuote, kQuote, kQuote, kQuote}));
    }

    void savedRecordIsStoredAsTyped()
    {
        WindowFixture f;
        f.fill({"  John Smith ", "J@X.org", "12 Main, St", "\n see you at 9\nor 10 \n"});
        f.addNumber("55");
        f.typeBox()->setCurrentIndex(2);
        f.addNumber("98");
        f.addNumber(""); // Enter in the empty number box saves
        QCOMPARE(f.book(), QByteArray(")\r\njohn smith\r\n\"j@x.org\"\r\n\"12 main, st\"\r\n"
                                      "\" see you at 9\r\nor 10\"\r\n055\r\n298\r\n)\r\n"));
        QCOMPARE(f.fields(), QStringList(4, ""));
        QVERIFY(f.numberBoxEntries().isEmpty() && f.state.typeCodes.isEmpty());
    }

    void savingTwiceKeepsOneRecordAtTheEnd()
    {
        WindowFixture f(QList<QStringList>{{"john", "\"old st\"", "0111"}, {"Kate", "0222"}});
        f.choose(f.nameSearch(), "john");
        f.text(2)->setText("new st");
        f.addNumber("333");
        QVERIFY(f.window->saveRecord());
        QCOMPARE(f.book(),
                 bookBytes({{"Kate", "\"0222\""}, {"john", "\"new st\"", "0111", "0333"}}));
        f.fill({"John"}); // typed, not loaded: replaces the stored john all the same
        QVERIFY(f.window->saveRecord());
        QCOMPARE(f.book(), bookBytes({{"Kate", "\"0222\""}, {"john"}}));
        // Kate: saved names go to their place without regard to case
        QCOMPARE(f.nameSearch()->entries(), (QStringList{"john", "Kate", "", "", ""}));
    }

    void deleteTakesEveryRecordOfTheLoadedName()
    {
        WindowFixture f(QList<QStringList>{
            {"anna", "0111"}, {"carl", "\"anna\"", "\"1 elm st\"", "0333"}, {"anna", "0222"}});
        const QByteArray before = f.book();
        f.choose(f.nameSearch(), "anna");
        f.click(f.text(1));
        f.type("x"); // touched: no longer the stored record
        f.window->deleteRecord();
        f.choose(f.nameSearch(), "anna");
        f.messages.answerNext(MessageBox::Answer::Cancel);
        f.window->deleteRecord();
        QCOMPARE(f.book(), before);
        f.child("deleterec")->trigger();
        QCOMPARE(f.messages.texts(), (QStringList{kSelect, kSure, kSure}));
        QCOMPARE(f.messages.last().buttons, MessageBox::Buttons::OkCancel);
        QCOMPARE(f.book(), bookBytes({{"carl", "\"anna\"", "\"1 elm st\"", "\"0333\""}}));
        QCOMPARE(f.fields(), QStringList(4, ""));
    }

    void writeFaultKeepsFileListsAndRecord()
    {
        WindowFixture f(QList<QStringList>{{"john", "0111"}, {"bob"}});
        const QByteArray before = f.book();
        f.choose(f.nameSearch(), "john");
        {
            const test::WriteLimit limit(0);
            if (!limit.active()) {
                QSKIP("no file size limit on this platform");
            }
            f.child("deleterec")->trigger();
            f.addNumber("222");
            f.child("save")->trigger();
        }
        QCOMPARE(f.messages.texts(), (QStringList{kSure, "The record could not be deleted",
                                                  "The phone book could not be saved"}));
        QVERIFY(!f.messages.shown().at(1).informative.isEmpty() &&
                !f.messages.last().informative.isEmpty());
        QCOMPARE(f.book(), before);
        QCOMPARE(f.nameSearch()->entries(), (QStringList{"bob", "john", "", "", ""}));
        QCOMPARE(f.fields().first(), "john");
        QCOMPARE(f.numberBoxEntries(), (QStringList{"111", "222"}));
    }

    void deleteNumberKeepsTheOtherNumbersTypes()
    {
        WindowFixture f(QList<QStringList>{{"anna", "0111", "2222", "3333"}, {"bob", "2222"}});
        f.choose(f.nameSearch(), "anna");
        QVERIFY(!f.window->hasUnsavedChanges());
        f.window->deleteNumber(); // the first number, shown in the box
        f.numberBox()->setCurrentIndex(0);
        emit f.numberBox()->activated(0);
        f.child("del_num")->trigger();
        QCOMPARE(f.numberBoxEntries(), QStringList{"333"});
        QCOMPARE(f.state.typeCodes, QList<int>{3});
        f.typeBox()->setCurrentIndex(4);
        f.addNumber("444");
        QVERIFY(f.window->saveRecord());
        QVERIFY(f.book().endsWith("anna\r\n3333\r\n4444\r\n)\r\n"));
    }

    // With a name it asks and OK saves: the journeys answer both ways.
    void exitAsksNothingWithoutAName()
    {
        WindowFixture f;
        f.click(f.text(1));
        f.type("a@b");
        f.addNumber("5");
        QVERIFY(f.window->endProgram());
        QVERIFY(f.messages.texts().isEmpty() && !f.window->isVisible());
    }

    void exitStaysOpenWhenTheSaveFailsAndCancelEnds()
    {
        WindowFixture f;
        QSignalSpy ended(f.window.get(), &MainWindow::programEnded);
        f.click(f.text(0));
        f.type("123");
        QVERIFY(!f.window->endProgram());
        QVERIFY(!f.window->close()); // the close box asks the same
        QCOMPARE(f.messages.texts(),
                 (QStringList{kPrompt, "Enter a name", kPrompt, "Enter a name"}));
        QCOMPARE(f.messages.shown().first().buttons, MessageBox::Buttons::OkCancel);
        QVERIFY(f.window->isVisible() && ended.isEmpty() && f.fields().first() == "123");
        f.text(0)->setText("kim");
        f.messages.answerNext(MessageBox::Answer::Cancel);
        QVERIFY(f.window->close());
        QCOMPARE(f.book(), bookBytes({}));
        QCOMPARE(ended.count(), 1);
    }
};

VENNOR_TEST(SavingTest)
#include "savingtest.moc"
