#include "printing/printselectionwindow.h"
#include "storage/phonebook.h"
#include "support/recordingprinter.h"
#include "support/testregistry.h"
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

const QString kPrompt = "save the record before exit";
using Answer = MessageBox::Answer;

// The lists a fresh start shows for the book: sorted entries, then three empty ones.
QStringList freshList(const QStringList& entries)
{
    SimpleCombo list;
    list.setSorted(true);
    list.addItems(entries);
    return list.count() ? list.entries() + QStringList(3, "") : QStringList{};
}

} // namespace

// Faults found by typing as a user does; each case drives the window with keys and clicks.
class EditingFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void keyboardAloneTypesAndSavesARecord_data()
    {
        QTest::addColumn<int>("enter");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }
    void keyboardAloneTypesAndSavesARecord()
    {
        QFETCH(int, enter);
        const auto pressEnter = [&](const WindowFixture& f) {
            f.press(Qt::Key(enter), enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        };
        WindowFixture f;
        f.click(f.text(0));
        f.type("kim");
        f.click(f.typeBox());
        f.press(Qt::Key_End);
        f.press(Qt::Key_Home, Qt::ShiftModifier);
        f.type("Fax");
        pressEnter(f); // moves on to the number box
        QCOMPARE(QApplication::focusWidget(), f.numberBox());
        f.type("5551234");
        pressEnter(f);
        QCOMPARE(f.numberBoxEntries(), QStringList{"5551234"});
        QCOMPARE(f.numberBox()->currentText(), "");
        pressEnter(f); // the empty number box saves
        QCOMPARE(f.book(), bookBytes({{"kim", "35551234"}}));
        QVERIFY(f.messages.texts().isEmpty());
    }

    void aNumberBeginningAListedOneIsAddedAsTyped()
    {
        WindowFixture f(QList<QStringList>{{"anna", "0123"}});
        f.choose(f.nameSearch(), "anna");
        f.addNumber("12");
        f.addNumber("1");
        QCOMPARE(f.numberBoxEntries(), (QStringList{"123", "12", "1"}));
    }

    void everyChangeOfTheTextIsAnEdit_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("paste a name") << 0 << "bob" << QKeySequence("Shift+Ins");
        QTest::newRow("paste into the comment") << 3 << "later" << QKeySequence("Ctrl+V");
        QTest::newRow("cut the address") << 2 << "" << QKeySequence("Ctrl+X");
    }
    void everyChangeOfTheTextIsAnEdit()
    {
        QFETCH(int, field);
        QFETCH(QString, clipboard);
        QFETCH(QKeySequence, keys);
        WindowFixture f(QList<QStringList>{{"john", "\"1 elm st\"", "0555"}, {"bob", "0777"}});
        const QByteArray before = f.book();
        f.choose(f.nameSearch(), "john");
        QApplication::clipboard()->setText(clipboard);
        f.click(f.window->findChild<QWidget*>(QString("Text%1").arg(field)));
        if (field < 3) {
            f.press(Qt::Key_End);
            f.press(Qt::Key_Home, Qt::ShiftModifier);
        }
        QTest::keySequence(QApplication::focusWidget(), keys);
        f.child("deleterec")->trigger();
        QCOMPARE(f.messages.texts(), QStringList{"Select a record to delete"});
        QCOMPARE(f.book(), before);
        QCOMPARE(f.numberSearch()->entries(), (QStringList{"555", "777", "", "", ""}));
        f.messages.answerNext(Answer::Cancel);
        QVERIFY(f.window->endProgram());
        QCOMPARE(f.messages.texts().last(), kPrompt);
    }

    void exitAsksAfterANumberWasDeleted()
    {
        WindowFixture f(QList<QStringList>{{"anna", "0111", "0222"}});
        f.choose(f.nameSearch(), "anna");
        f.child("del_num")->trigger();
        f.messages.answerNext(Answer::Cancel);
        QVERIFY(f.window->endProgram());
        QCOMPARE(f.messages.texts(), QStringList{kPrompt});
        QCOMPARE(f.book(), bookBytes({{"anna", "0111", "0222"}}));
    }

    void savingReplacesAStoredNameTheListLacks()
    {
        WindowFixture f; // no names listed, as before a restore refills nothing
        f.folders.writePhoneBook("book", bookBytes({{"anna", "\"old st\""}}));
        f.click(f.text(0));
        f.type("anna");
        f.click(f.text(2));
        f.type("new st");
        f.press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.book(), bookBytes({{"anna", "\"new st\""}}));
        QCOMPARE(f.nameSearch()->entries(), (QStringList{"anna", "", "", ""}));
    }

    void aStoredNameRefusedWhenTypedSavesAgainUnchanged_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::newRow("double quote") << "o\"neil"
                                      << "o\"neil";
        QTest::newRow("comma, quoted") << "\"smith, jo\""
                                       << "smith, jo";
        QTest::newRow("numeric") << "123"
                                 << "123";
    }
    void aStoredNameRefusedWhenTypedSavesAgainUnchanged()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        WindowFixture f(QList<QStringList>{{line, "0555"}});
        f.choose(f.nameSearch(), name);
        f.click(f.text(2));
        f.type("2 elm st");
        f.addNumber("666");
        f.press(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(f.messages.texts().isEmpty());
        QCOMPARE(f.book(), bookBytes({{line, "\"2 elm st\"", "0555", "0666"}}));
        QCOMPARE(f.nameSearch()->entries(), (QStringList{name, "", "", ""}));
    }

    // Random sequences of saves, deletes and deleted numbers; after each step both lists
    // must equal what a fresh start lists from the file.
    void listsAlwaysEqualAFreshFill()
    {
        const QStringList names{"ann", "bob", "cy"};
        const QStringList numbers{"1", "12", "5", "777"};
        QRandomGenerator random(11);
        const auto pick = [&](const QStringList& from) {
            return from.at(random.bounded(int(from.size())));
        };
        WindowFixture f;
        for (int run = 0; run < 200; ++run) {
            QList<QStringList> records;
            for (int r = random.bounded(4); r > 0; --r) {
                records << QStringList{pick(names), "0" + pick(numbers), "2" + pick(numbers)};
            }
            f.folders.writePhoneBook("book", bookBytes(records));
            f.window->refillLists();
            for (int step = 0; step < 3; ++step) {
                const int op = random.bounded(4);
                f.state.selectedName = pick(names);
                f.window->loadRecordByName();
                if (op == 0 || !f.window->hasRecordFromFile()) {
                    f.window->clearRecord();
                    f.text(0)->setText(" " + pick(names));
                }
                if (op == 1) {
                    f.child("del_num")->trigger();
                }
                if (op == 1 || op == 3) {
                    f.addNumber(pick(numbers));
                }
                if (op == 2 || op == 3) {
                    f.window->deleteRecord();
                } else {
                    f.window->saveRecord();
                }
                const auto fresh = PhoneBookFile::named("book").list();
                QVERIFY(fresh.ok());
                QCOMPARE(f.nameSearch()->entries(), freshList(fresh->names));
                QCOMPARE(f.numberSearch()->entries(), freshList(fresh->numbers));
            }
        }
    }

    void printingKeepsAnUnsavedRecordOnScreen_data()
    {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<int>("jobs");
        QTest::newRow("Cancel, Cancel") << QList<Answer>{Answer::Cancel, Answer::Cancel} << 0;
        QTest::newRow("Cancel, then print") << QList<Answer>{Answer::Cancel, Answer::Ok} << 1;
    }
    void printingKeepsAnUnsavedRecordOnScreen()
    {
        QFETCH(QList<Answer>, answers);
        WindowFixture f(QList<QStringList>{{"anna", "0111"}});
        f.click(f.text(0));
        f.type("zed");
        f.addNumber("42");
        f.child("printcommand")->trigger();
        auto* print = f.window->findChild<PrintSelectionWindow*>();
        QVERIFY(print);
        PrintLog log;
        print->setPrinterFactory([&log] { return std::make_unique<RecordingPrinter>(log); });
        for (const Answer answer : answers) {
            f.messages.answerNext(answer);
        }
        clickButton(print, "printbutt");
        QTEST(int(log.jobs.size()), "jobs");
        QCOMPARE(f.fields(), (QStringList{"zed", "", "", ""}));
        QCOMPARE(f.numberBoxEntries(), QStringList{"42"});
        QCOMPARE(f.state.typeCodes, QList<int>{0});
        QCOMPARE(f.book(), bookBytes({{"anna", "0111"}}));
        QVERIFY(f.window->hasUnsavedChanges());
    }
};

VENNOR_TEST(EditingFaultsTest)
#include "editingfaultstest.moc"
