#include "support/testregistry.h"
#include "windowfixture.h"
#include "writelimit.h"

#include <QAction>
#include <QApplication>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

void chooseName(WindowFixture& f, const QString& name)
{
    f.choose(f.names(), f.names()->indexOf(name));
}

} // namespace

class DeletingTest : public QObject
{
    Q_OBJECT

private slots:
    void deletingRewritesTheRestNamesBareOthersQuoted()
    {
        WindowFixture f(QList<QStringList>{{"anna", "\"1 elm st\"", "0111"}, {"bob", "0222"}});
        chooseName(f, QStringLiteral("anna"));
        f.window().findChild<QAction*>(QStringLiteral("deleterec"))->trigger();
        QCOMPARE(f.messages.texts(), QStringList{"Are you sure you want to delete this record?"});
        QCOMPARE(f.messages.last().title, QStringLiteral("Warning"));
        QCOMPARE(f.messages.last().buttons, MessageBox::Buttons::OkCancel);
        QCOMPARE(f.book(), QByteArray(")\r\nbob\r\n\"0222\"\r\n)\r\n"));
        QCOMPARE(f.names()->entries(), (QStringList{"bob", "", "", ""}));
        QCOMPARE(f.numbers()->entries(), (QStringList{"222", "", "", ""}));
        QVERIFY(f.text(0)->text().isEmpty());
        QVERIFY(f.phoneEntries().isEmpty());
    }

    void everyRecordOfTheNameGoesAndOthersStayWhole()
    {
        WindowFixture f(
            QList<QStringList>{{"bob", "0111"}, {"carl", "\"bob\"", "0333"}, {"bob", "0222"}});
        chooseName(f, QStringLiteral("bob"));
        f.window().del_Click();
        QCOMPARE(f.book(), QByteArray(")\r\ncarl\r\n\"bob\"\r\n\"0333\"\r\n)\r\n"));
        QCOMPARE(f.names()->entries(), (QStringList{"bob", "carl", "", "", ""}));
    }

    void deleteNeedsALoadedUntouchedRecordAndConfirmation()
    {
        WindowFixture f(QList<QStringList>{{"anna", "0111"}});
        const QByteArray before = f.book();
        f.window().del_Click();
        chooseName(f, QStringLiteral("anna"));
        QTest::keyClicks(f.text(1), QStringLiteral("x"));
        f.window().del_Click();
        QCOMPARE(f.messages.texts(),
                 (QStringList{"Select a record to delete", "Select a record to delete"}));

        chooseName(f, QStringLiteral("anna"));
        f.messages.clear();
        f.messages.answerNext(MessageBox::Answer::Cancel);
        f.window().del_Click();
        QCOMPARE(f.messages.count(), 1);
        QCOMPARE(f.book(), before);
        QCOMPARE(f.text(0)->text(), QStringLiteral("anna"));
        QCOMPARE(QApplication::focusWidget(), f.names()->lineEdit());

        f.window().clr_Click();
        f.window().del_Click(); // the cleared editor is no loaded record
        QCOMPARE(f.messages.texts().last(), QStringLiteral("Select a record to delete"));
        QCOMPARE(f.book(), before);
    }

    void failedDeleteKeepsFileListsAndRecord()
    {
        WindowFixture f(QList<QStringList>{{"anna", "0111"}, {"bob"}});
        const QByteArray before = f.book();
        const QStringList names = f.names()->entries();
        chooseName(f, QStringLiteral("anna"));
        {
            WriteLimit limit(0);
            if (!limit.active()) {
                QSKIP("no file size limit on this platform");
            }
            f.window().del_Click();
        }
        QCOMPARE(f.messages.texts(), (QStringList{"Are you sure you want to delete this record?",
                                                  "The record could not be deleted"}));
        QVERIFY(!f.messages.last().informative.isEmpty());
        QCOMPARE(f.book(), before);
        QCOMPARE(f.names()->entries(), names);
        QCOMPARE(f.text(0)->text(), QStringLiteral("anna"));
    }

    void deleteNumberKeepsTheOtherNumbersTypes()
    {
        WindowFixture f(QList<QStringList>{{"anna", "0111", "2222", "3333"}, {"bob", "2222"}});
        chooseName(f, QStringLiteral("anna"));
        f.window().deleteNumber(); // the number box shows the first number: nothing clicked yet
        QCOMPARE(f.phoneEntries(), (QStringList{"222", "333"}));
        f.phones()->setCurrentIndex(0);
        emit f.phones()->activated(0);
        f.window().findChild<QAction*>(QStringLiteral("del_num"))->trigger();
        QCOMPARE(f.phoneEntries(), QStringList{"333"});
        QCOMPARE(f.state.typecodes, QList<int>{3});
        QVERIFY(f.phones()->currentText().isEmpty());
        QCOMPARE(f.state.numdeleted, 1);
        // bob's 222 stays listed
        QCOMPARE(f.numbers()->entries(), (QStringList{"222", "333", "", "", ""}));

        f.window().deleteNumber(); // empty number box: nothing happens
        QCOMPARE(f.phoneEntries(), QStringList{"333"});

        f.types()->setCurrentIndex(4);
        f.addNumber(QStringLiteral("444"));
        QVERIFY(f.window().sav_Click());
        QVERIFY(f.book().endsWith("anna\r\n3333\r\n4444\r\n)\r\n"));
        QCOMPARE(f.numbers()->entries(), (QStringList{"222", "333", "444", "", "", ""}));
    }
};

VENNOR_TEST(DeletingTest)
#include "deletingtest.moc"
