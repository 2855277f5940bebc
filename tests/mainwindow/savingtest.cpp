#include "phonebooks/newphone_book.h"
#include "support/testregistry.h"
#include "windowfixture.h"
#include "writelimit.h"

#include <QSignalSpy>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

const QString kQuote = QStringLiteral("Don't enter (\") please enter another symbole");
const QString kPrompt = QStringLiteral("save the record before exit");
const QString kSure = QStringLiteral("Are you sure you want to delete this record?");
const QString kSelect = QStringLiteral("Select a record to delete");

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
        const QString name = QStringLiteral("Enter a name");
        const QString address = QStringLiteral("Enter a valid address");
        QTest::newRow("empty name") << QStringList{"", "a@b", "x"} << name;
        QTest::newRow("numeric name") << QStringList{" 123 "} << name;
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
        f.addNumber(QStringLiteral("5"));
        f.trigger("save");
        QTEST(f.messages.texts().join(""), "message");
        QCOMPARE(f.messages.last().title, QStringLiteral("Warning"));
        QCOMPARE(f.book(), bookBytes({{"bob", "0111"}}));
        QCOMPARE(f.names()->entries(), (QStringList{"bob", "", "", ""}));
        QCOMPARE(f.text(0)->text(), fields.value(0));
        QCOMPARE(f.phoneEntries(), QStringList{"5"});
    }

    void typedQuotesAndNameCommasAreSwallowed()
    {
        WindowFixture f;
        QTest::keyClicks(f.text(0), QStringLiteral("a,b\""));
        QTest::keyClicks(f.text(2), QStringLiteral("1, \"x"));
        QTest::keyClicks(f.comment(), QStringLiteral("\""));
        QTest::keyClicks(f.text(1), QStringLiteral("\""));
        QCOMPARE(f.fields(), (QStringList{"ab", "", "1, x", ""}));
        QCOMPARE(f.messages.texts(), (QStringList{"Don't enter (,) please enter another symbole",
                                                  kQuote, kQuote, kQuote, kQuote}));
    }

    void savedRecordIsStoredAsTyped()
    {
        WindowFixture f;
        f.fill({"  John Smith ", "J@X.org", "12 Main, St", "\n see you at 9\nor 10 \n"});
        f.addNumber(QStringLiteral("55"));
        f.types()->setCurrentIndex(2);
        f.addNumber(QStringLiteral("98"));
        f.addNumber(QString()); // Enter in the empty number box saves
        QCOMPARE(f.book(), QByteArray(")\r\njohn smith\r\n\"j@x.org\"\r\n\"12 main, st\"\r\n"
                                      "\" see you at 9\r\nor 10\"\r\n055\r\n298\r\n)\r\n"));
        QCOMPARE(f.names()->entries(), (QStringList{"john smith", "", "", ""}));
        QCOMPARE(f.numbers()->entries(), (QStringList{"55", "98", "", "", ""}));
        QCOMPARE(f.fields(), QStringList(4, QString()));
        QVERIFY(f.phoneEntries().isEmpty() && f.state.typecodes.isEmpty());
        f.fill({"kim", "", "", " \n  "}); // a blank comment is not stored
        QVERIFY(f.window().sav_Click());
        QVERIFY(f.book().endsWith(")\r\nkim\r\n)\r\n"));
    }

    void savingTwiceKeepsOneRecordAtTheEnd()
    {
        WindowFixture f(QList<QStringList>{{"john", "\"old st\"", "0111"}, {"anna", "0222"}});
        f.choose(f.names(), QStringLiteral("john"));
        f.text(2)->setText(QStringLiteral("new st"));
        f.addNumber(QStringLiteral("333"));
        QVERIFY(f.window().sav_Click());
        QCOMPARE(f.book(),
                 bookBytes({{"anna", "\"0222\""}, {"john", "\"new st\"", "0111", "0333"}}));
        QCOMPARE(f.numbers()->entries(), (QStringList{"111", "222", "333", "", "", ""}));
        f.fill({"John"}); // typed, not loaded: replaces the stored john all the same
        QVERIFY(f.window().sav_Click());
        QCOMPARE(f.book(), bookBytes({{"anna", "\"0222\""}, {"john"}}));
        QCOMPARE(f.names()->entries(), (QStringList{"anna", "john", "", "", ""}));
        QCOMPARE(f.numbers()->entries(), (QStringList{"222", "", "", ""}));
    }

    void withoutPhoneBookSavingOpensTheDialogInTheLastMode()
    {
        WindowFixture f;
        f.state.pbmode = 2;
        f.folders.writeSettings({QStringLiteral("1")});
        QString caption;
        f.modals.whenShown<newphone_book>([&caption](newphone_book* dialog) {
            caption = dialog->windowTitle();
            dialog->reject();
        });
        f.fill({"kim"});
        QVERIFY(!f.window().sav_Click());
        QCOMPARE(caption, QStringLiteral("Make a phone book as default"));
        QCOMPARE(f.text(0)->text(), QStringLiteral("kim"));
    }

    void deletingRemovesEveryRecordOfTheName()
    {
        WindowFixture f(QList<QStringList>{
            {"anna", "0111"}, {"carl", "\"anna\"", "\"1 elm st\"", "0333"}, {"anna", "0222"}});
        f.choose(f.names(), QStringLiteral("anna"));
        f.trigger("deleterec");
        QCOMPARE(f.messages.texts(), QStringList{kSure});
        QCOMPARE(f.messages.last().buttons, MessageBox::Buttons::OkCancel);
        QCOMPARE(f.book(), bookBytes({{"carl", "\"anna\"", "\"1 elm st\"", "\"0333\""}}));
        QCOMPARE(f.names()->entries(), (QStringList{"anna", "carl", "", "", ""}));
        QCOMPARE(f.numbers()->entries(), (QStringList{"222", "333", "", "", ""}));
        QCOMPARE(f.text(0)->text(), QString());
    }

    void deleteNeedsALoadedUntouchedRecordAndConfirmation()
    {
        WindowFixture f(QList<QStringList>{{"anna", "0111"}});
        f.window().del_Click();
        f.choose(f.names(), QStringLiteral("anna"));
        QTest::keyClicks(f.text(1), QStringLiteral("x"));
        f.window().del_Click();
        f.choose(f.names(), QStringLiteral("anna"));
        f.messages.answerNext(MessageBox::Answer::Cancel);
        f.window().del_Click();
        QCOMPARE(f.messages.texts(), (QStringList{kSelect, kSelect, kSure}));
        QCOMPARE(f.book(), bookBytes({{"anna", "0111"}}));
        QCOMPARE(f.text(0)->text(), QStringLiteral("anna"));
    }

    void writeFaultKeepsFileListsAndRecord_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("save") << true << QStringList{"The phone book could not be saved"};
        QTest::newRow("delete") << false << QStringList{kSure, "The record could not be deleted"};
    }
    void writeFaultKeepsFileListsAndRecord()
    {
        QFETCH(bool, save);
        WindowFixture f(QList<QStringList>{{"john", "0111"}, {"bob"}});
        const QByteArray before = f.book();
        f.choose(f.names(), QStringLiteral("john"));
        if (save) {
            f.addNumber(QStringLiteral("222"));
        }
        {
            WriteLimit limit(save ? before.size() : 0);
            if (!limit.active()) {
                QSKIP("no file size limit on this platform");
            }
            save ? f.trigger("save") : f.trigger("deleterec");
        }
        QTEST(f.messages.texts(), "messages");
        QVERIFY(!f.messages.last().informative.isEmpty());
        QCOMPARE(f.book(), before);
        QCOMPARE(f.names()->entries(), (QStringList{"bob", "john", "", "", ""}));
        QCOMPARE(f.text(0)->text(), QStringLiteral("john"));
    }

    void deleteNumberKeepsTheOtherNumbersTypes()
    {
        WindowFixture f(QList<QStringList>{{"anna", "0111", "2222", "3333"}, {"bob", "2222"}});
        f.choose(f.names(), QStringLiteral("anna"));
        QVERIFY(!f.window().hasUnsavedChanges());
        f.window().deleteNumber(); // the first number, shown in the box
        f.phones()->setCurrentIndex(0);
        emit f.phones()->activated(0);
        f.trigger("del_num");
        QCOMPARE(f.phoneEntries(), QStringList{"333"});
        QCOMPARE(f.state.typecodes, QList<int>{3});
        QCOMPARE(f.numbers()->entries(), (QStringList{"222", "333", "", "", ""})); // bob's stays
        f.types()->setCurrentIndex(4);
        f.addNumber(QStringLiteral("444"));
        QVERIFY(f.window().sav_Click());
        QVERIFY(f.book().endsWith("anna\r\n3333\r\n4444\r\n)\r\n"));
        f.choose(f.names(), QStringLiteral("anna"));
        f.window().deleteNumber();
        f.choose(f.names(), QStringLiteral("bob"));
        QVERIFY(f.window().hasUnsavedChanges()); // the deletion still asks at exit
    }

    void exitPrompt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QByteArray>("book");
        const int ok = int(MessageBox::Answer::Ok);
        const int cancel = int(MessageBox::Answer::Cancel);
        QTest::newRow("empty name never asks")
            << "" << ok << false << QStringList{} << QByteArray();
        QTest::newRow("ok saves") << "kim" << ok << false << QStringList{kPrompt}
                                  << bookBytes({{"kim", "\"a@b\"", "05"}});
        QTest::newRow("cancel ends unsaved")
            << "kim" << cancel << true << QStringList{kPrompt} << QByteArray();
        QTest::newRow("failed save stays open")
            << "123" << ok << true << QStringList{kPrompt, "Enter a name"} << QByteArray();
    }
    void exitPrompt()
    {
        QFETCH(QString, name);
        QFETCH(int, answer);
        QFETCH(bool, closeBox);
        QFETCH(QByteArray, book);
        WindowFixture f;
        QTest::keyClicks(f.text(0), name);
        QTest::keyClicks(f.text(1), QStringLiteral("a@b"));
        f.addNumber(QStringLiteral("5"));
        f.messages.answerNext(MessageBox::Answer(answer));
        QSignalSpy ended(&f.window(), &form1::programEnded);
        const bool closed = closeBox ? f.window().close() : f.window().extprogram();
        QTEST(f.messages.texts(), "messages");
        if (!f.messages.texts().isEmpty()) {
            QCOMPARE(f.messages.shown().first().buttons, MessageBox::Buttons::OkCancel);
        }
        QCOMPARE(f.book(), book.isEmpty() ? bookBytes({}) : book);
        const bool ends = f.messages.count() < 2;
        QCOMPARE(closed, ends);
        QCOMPARE(ended.count(), int(ends));
        QCOMPARE(f.window().isVisible(), !ends);
        QCOMPARE(f.text(0)->text(), book.isEmpty() ? name : QString());
    }
};

VENNOR_TEST(SavingTest)
#include "savingtest.moc"
