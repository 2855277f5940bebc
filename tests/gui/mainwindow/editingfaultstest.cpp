// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/phonebook.h"
#include "gui/printing/printselectionwindow.h"
#include "support/recordingprinter.h"
#include "support/testregistry.h"
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

using namespace vennor;
using namespace vennor::test;

namespace {

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
    // Return here; the journeys press keypad Enter too. The name list lacks the stored
    // kim, as after a restore: the save replaces it all the same.
    void keyboardAloneTypesAndSavesARecord()
    {
        WindowFixture f;
        f.folders.writePhoneBook("book", bookBytes({{"kim", "\"old st\""}}));
        f.click(f.text(0));
        f.type("kim");
        f.click(f.typeBox());
        f.press(Qt::Key_End);
        f.press(Qt::Key_Home, Qt::ShiftModifier);
        f.type("Fax");
        f.press(Qt::Key_Return); // moves on to the number box
        f.type("5551234");
        f.press(Qt::Key_Return);
        f.press(Qt::Key_Return); // the empty number box saves
        QCOMPARE(f.book(), bookBytes({{"kim", "35551234"}}));
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
        f.messages.answerNext(Answer::Cancel);
        QVERIFY(f.window->endProgram());
        QCOMPARE(f.messages.texts().last(), "save the record before exit");
    }

    void aStoredNameRefusedWhenTypedSavesAgainUnchanged_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        for (const auto& [line, name] :
             {std::pair{"o\"neil", "o\"neil"}, {"\"smith, jo\"", "smith, jo"}, {"123", "123"}}) {
            QTest::newRow(line) << QString(line) << QString(name);
        }
    }
    void aStoredNameRefusedWhenTypedSavesAgainUnchanged()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        WindowFixture f(QList<QStringList>{{line, "0555"}});
        f.choose(f.nameSearch(), name);
        f.addNumber("666");
        f.press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.book(), bookBytes({{line, "0555", "0666"}}));
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
        PrintLog log;
        print->setPrinterFactory([&log] { return std::make_unique<RecordingPrinter>(log); });
        std::ranges::for_each(answers, [&f](Answer answer) { f.messages.answerNext(answer); });
        clickButton(print, "printbutt");
        QTEST(int(log.jobs.size()), "jobs");
        QCOMPARE(f.fields(), (QStringList{"zed", "", "", ""}));
        QCOMPARE(f.numberBoxEntries(), QStringList{"42"});
        QVERIFY(f.window->hasUnsavedChanges());
    }
};

VENNOR_TEST(EditingFaultsTest)
#include "editingfaultstest.moc"
