// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/testregistry.h"
#include "windowfixture.h"

#include <QTest>

using namespace vennor;
using namespace vennor::test;

// What a call hands the main window: a record to show, a number for a new record.
class CallRecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void showRecordOfAnotherBookAfterAskingAboutChanges()
    {
        WindowFixture f(QList<QStringList>{{"john", "0555"}});
        f.folders.writeSettings({"1", "book", "work"});
        f.folders.writePhoneBook(
            "work", bookBytes(QList<QStringList>{{"anna", "\"anna@x.org\"", "01777"}}));
        f.click(f.text(0));
        f.type("typed");
        f.messages.answerNext(MessageBox::Answer::Cancel);
        f.window->showRecord("work", "anna");
        QCOMPARE(f.messages.texts(), QStringList{"save the record before showing another"});
        QCOMPARE(f.text(0)->text(), "typed");

        f.messages.answerNext(MessageBox::Answer::Ok);
        f.window->showRecord("work", "anna");
        QVERIFY(f.book().contains("typed"));
        QCOMPARE(f.folders.readSettings(), (QStringList{"1", "work", "book"}));
        QCOMPARE(f.fields(), (QStringList{"anna", "anna@x.org", "", ""}));
        QCOMPARE(f.numberBoxEntries(), QStringList{"1777"});
        QCOMPARE(f.nameSearch()->entries().first(), "anna");
    }

    void addRecordForNumberLeavesItToBeNamedAndSaved()
    {
        WindowFixture f(QList<QStringList>{{"john", "0555"}});
        f.window->addRecordForNumber("0301234567");
        QCOMPARE(f.fields(), QStringList(4, QString()));
        QCOMPARE(f.numberBoxEntries(), QStringList{"0301234567"});
        QCOMPARE(f.typeBox()->currentText(), "Home");
        QCOMPARE(QApplication::focusWidget(), f.text(0));
        f.type("new caller");
        f.press(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(f.book().contains("new caller\r\n00301234567\r\n)"));
    }
};

VENNOR_TEST(CallRecordsTest)
#include "callrecordstest.moc"
