#include "phonebooks/newphone_book.h"
#include "support/testregistry.h"
#include "windowfixture.h"
#include "writelimit.h"

#include <QAction>
#include <QApplication>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

const QString kQuote = QStringLiteral("Don't enter (\") please enter another symbole");

void fill(WindowFixture& f, const QStringList& fields)
{
    for (int i = 0; i < 3; ++i) {
        f.text(i)->setText(fields.value(i));
    }
    f.comment()->setText(fields.value(3));
}

} // namespace

class SavingTest : public QObject
{
    Q_OBJECT

private slots:
    void refusalsWriteNothing_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty name") << QStringList{"", "a@b", "x"} << "Enter a name";
        QTest::newRow("blank name") << QStringList{"   "} << "Enter a name";
        QTest::newRow("numeric name") << QStringList{"123"} << "Enter a name";
        QTest::newRow("comma in name") << QStringList{"a,b"} << "Enter a name";
        QTest::newRow("quote in name") << QStringList{"a\"b"} << "Enter a name";
        QTest::newRow("end line as name") << QStringList{" ) "} << "Enter a name";
        QTest::newRow("numeric address") << QStringList{"ann", "", "42"} << "Enter a valid address";
        QTest::newRow("@ in address") << QStringList{"ann", "", "a@b"} << "Enter a valid address";
        QTest::newRow("quote in address")
            << QStringList{"ann", "", "5 \"x\" st"} << "Enter a valid address";
        QTest::newRow("end line as address")
            << QStringList{"ann", "", ")"} << "Enter a valid address";
        QTest::newRow("e-mail without @")
            << QStringList{"ann", "abc", "42 main st"} << "Write a valid E-mail address";
        QTest::newRow("quote in e-mail") << QStringList{"ann", "a\"@b"} << kQuote;
        QTest::newRow("quote in comment") << QStringList{"ann", "", "", "say \"hi\""} << kQuote;
    }
    void refusalsWriteNothing()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        WindowFixture f(QList<QStringList>{{"bob", "0111"}});
        const QByteArray before = f.book();
        const QStringList names = f.names()->entries();
        fill(f, fields);
        f.addNumber(QStringLiteral("5"));
        QVERIFY(f.messages.texts().isEmpty());
        f.window().findChild<QAction*>(QStringLiteral("save"))->trigger();
        QCOMPARE(f.messages.texts(), QStringList{message});
        QCOMPARE(f.messages.last().title, QStringLiteral("Warning"));
        QCOMPARE(f.book(), before);
        QCOMPARE(f.names()->entries(), names);
        QCOMPARE(f.text(0)->text(), fields.value(0));
        QCOMPARE(f.phoneEntries(), QStringList{"5"});
        QCOMPARE(f.state.typecodes.size(), 1);
    }

    void savedRecordIsStoredLoweredTrimmedWithTypedNumbers()
    {
        WindowFixture f;
        fill(f, {"  John Smith ", "J@X.org", "12 Main, St", "See you at 9"});
        f.addNumber(QStringLiteral("55"));
        f.types()->setCurrentIndex(2);
        f.addNumber(QStringLiteral("98"));
        QVERIFY(f.window().sav_Click());
        QCOMPARE(f.book(), QByteArray(")\r\njohn smith\r\n\"j@x.org\"\r\n\"12 main, st\"\r\n"
                                      "\" see you at 9\"\r\n055\r\n298\r\n)\r\n"));
        QCOMPARE(f.names()->entries(), (QStringList{"john smith", "", "", ""}));
        QCOMPARE(f.numbers()->entries(), (QStringList{"55", "98", "", "", ""}));
        QVERIFY(f.text(0)->text().isEmpty());
        QVERIFY(f.comment()->text().isEmpty());
        QVERIFY(f.phoneEntries().isEmpty());
        QVERIFY(f.state.typecodes.isEmpty());
    }

    void commentsAreKeptWheneverTheyHoldText()
    {
        WindowFixture f;
        fill(f, {"a", "", "", "ab cd"});
        QVERIFY(f.window().sav_Click());
        fill(f, {"b", "", "", " \n  "});
        QVERIFY(f.window().sav_Click());
        fill(f, {"c", "", "", "  first line\nsecond line \n"});
        QVERIFY(f.window().sav_Click());
        const QByteArray book = f.book();
        QVERIFY(book.contains(")\r\na\r\n\" ab cd\"\r\n)\r\n"));
        QVERIFY(book.contains(")\r\nb\r\n)\r\n"));
        f.typeName(QStringLiteral("c"));
        QCOMPARE(f.comment()->text(), QStringLiteral("first line\nsecond line"));
    }

    void savingTwiceKeepsOneRecordAtTheEnd()
    {
        WindowFixture f(QList<QStringList>{{"john", "\"old st\"", "0111"}, {"anna", "0222"}});
        f.choose(f.names(), f.names()->indexOf(QStringLiteral("john")));
        f.text(2)->setText(QStringLiteral("new st"));
        f.addNumber(QStringLiteral("333"));
        QVERIFY(f.window().sav_Click());
        QCOMPARE(f.book(), QByteArray(")\r\nanna\r\n\"0222\"\r\n)\r\n"
                                      "john\r\n\"new st\"\r\n0111\r\n0333\r\n)\r\n"));
        QCOMPARE(f.names()->entries(), (QStringList{"anna", "john", "", "", ""}));
        QCOMPARE(f.numbers()->entries(), (QStringList{"111", "222", "333", "", "", ""}));

        fill(f, {"John"}); // typed, not loaded: replaces the stored john all the same
        QVERIFY(f.window().sav_Click());
        QCOMPARE(f.book(), QByteArray(")\r\nanna\r\n\"0222\"\r\n)\r\njohn\r\n)\r\n"));
        QCOMPARE(f.names()->entries(), (QStringList{"anna", "john", "", "", ""}));
        QCOMPARE(f.numbers()->entries(), (QStringList{"222", "", "", ""}));
    }

    void enterInTheEmptyNumberBoxSaves()
    {
        WindowFixture f;
        fill(f, {"kim"});
        f.addNumber(QStringLiteral("7"));
        f.addNumber(QString());
        QCOMPARE(f.book(), QByteArray(")\r\nkim\r\n07\r\n)\r\n"));
        QCOMPARE(f.names()->entries(), (QStringList{"kim", "", "", ""}));
    }

    void typedQuotesAndNameCommasAreRefused()
    {
        WindowFixture f;
        QTest::keyClicks(f.text(0), QStringLiteral("a,b\""));
        QCOMPARE(f.text(0)->text(), QStringLiteral("ab"));
        QTest::keyClicks(f.text(2), QStringLiteral("1, \"x"));
        QCOMPARE(f.text(2)->text(), QStringLiteral("1, x"));
        QTest::keyClicks(f.comment(), QStringLiteral("\""));
        QTest::keyClicks(f.text(1), QStringLiteral("\""));
        QCOMPARE(f.messages.texts(), (QStringList{"Don't enter (,) please enter another symbole",
                                                  kQuote, kQuote, kQuote, kQuote}));
        QVERIFY(f.comment()->text().isEmpty());
    }

    void enterMovesThroughTheFields()
    {
        WindowFixture f;
        f.text(0)->setFocus();
        QTest::keyClick(f.text(0), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.text(1));
        QTest::keyClick(f.text(2), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.comment());
        QTest::keyClicks(f.comment(), QStringLiteral("x"));
        QTest::keyClick(f.comment(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.types());
        QCOMPARE(f.comment()->text(), QStringLiteral("x\n"));
    }

    void withoutPhoneBookTheDialogOpensInTheLastMode()
    {
        WindowFixture f(QList<QStringList>{{"john"}});
        f.state.pbmode = 2; // left by an earlier Make default; refilling keeps it
        f.window().refillLists();
        f.folders.writeSettings({QStringLiteral("1")});
        QStringList captions;
        const auto note = [&captions](newphone_book* dialog) {
            captions << dialog->windowTitle();
            dialog->reject();
        };
        f.modals.whenShown<newphone_book>(note);
        fill(f, {"kim"});
        QVERIFY(!f.window().sav_Click());
        QVERIFY(f.modals.waitAllHandled());
        QCOMPARE(f.text(0)->text(), QStringLiteral("kim"));

        // the start-up's detour leaves Create
        f.modals.whenShown<newphone_book>(note);
        f.modals.whenShown<newphone_book>(note);
        f.window().refillLists();
        fill(f, {"kim"});
        QVERIFY(!f.window().sav_Click());
        QVERIFY(f.modals.waitAllHandled());
        QCOMPARE(captions, (QStringList{"Make a phone book as default", "Create new phone book",
                                        "Create new phone book"}));
        QVERIFY(f.messages.texts().contains(QStringLiteral("Create a phone book")));
    }

    void unwritableBookKeepsFileListsAndRecord()
    {
        WindowFixture f(QList<QStringList>{{"john", "0111"}});
        const QByteArray before = f.book();
        const QStringList names = f.names()->entries();
        f.choose(f.names(), 0);
        f.addNumber(QStringLiteral("222"));
        bool saved = true;
        {
            WriteLimit limit(before.size());
            if (!limit.active()) {
                QSKIP("no file size limit on this platform");
            }
            saved = f.window().sav_Click();
        }
        QVERIFY(!saved);
        QCOMPARE(f.messages.texts(), QStringList{"The phone book could not be saved"});
        QVERIFY(!f.messages.last().informative.isEmpty());
        QCOMPARE(f.book(), before);
        QCOMPARE(f.names()->entries(), names);
        QCOMPARE(f.phoneEntries(), (QStringList{"111", "222"}));
        QCOMPARE(f.text(0)->text(), QStringLiteral("john"));
    }
};

VENNOR_TEST(SavingTest)
#include "savingtest.moc"
