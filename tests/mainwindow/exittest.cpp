#include "support/testregistry.h"
#include "windowfixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

const QString kPrompt = QStringLiteral("save the record before exit");

} // namespace

class ExitTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyNameBoxNeverAsks()
    {
        WindowFixture f;
        QTest::keyClicks(f.text(1), QStringLiteral("a@b"));
        f.addNumber(QStringLiteral("12"));
        QSignalSpy ended(&f.window(), &form1::programEnded);
        QVERIFY(f.window().extprogram());
        QVERIFY(f.messages.texts().isEmpty());
        QCOMPARE(ended.count(), 1);
        QVERIFY(!f.window().isVisible());
    }

    void loadedUntouchedRecordAsksOnlyAfterANumberChange()
    {
        WindowFixture f(QList<QStringList>{{"anna", "0111", "0222"}, {"bob", "0333"}});
        f.choose(f.names(), 0);
        QVERIFY(!f.window().hasUnsavedChanges());
        f.window().deleteNumber();
        f.choose(f.names(), 1); // another record: the deletion still counts
        QVERIFY(f.window().hasUnsavedChanges());
        f.messages.answerNext(MessageBox::Answer::Cancel);
        QVERIFY(f.window().extprogram());
        QCOMPARE(f.messages.texts(), QStringList{kPrompt});
        QCOMPARE(f.messages.last().title, QStringLiteral("Warning"));
        QCOMPARE(f.messages.last().buttons, MessageBox::Buttons::OkCancel);
    }

    void cancelEndsWithoutWriting()
    {
        WindowFixture f;
        QTest::keyClicks(f.text(0), QStringLiteral("kim"));
        const QByteArray before = f.book();
        f.messages.answerNext(MessageBox::Answer::Cancel);
        QVERIFY(f.window().extprogram());
        QCOMPARE(f.book(), before);
    }

    void okSavesThenEnds()
    {
        WindowFixture f;
        QTest::keyClicks(f.text(0), QStringLiteral("kim"));
        f.addNumber(QStringLiteral("5"));
        QSignalSpy ended(&f.window(), &form1::programEnded);
        QVERIFY(f.window().extprogram());
        QCOMPARE(f.messages.texts(), QStringList{kPrompt});
        QCOMPARE(f.book(), QByteArray(")\r\nkim\r\n05\r\n)\r\n"));
        QCOMPARE(ended.count(), 1);
    }

    void failedSaveAfterOkKeepsTheWindowOpen()
    {
        WindowFixture f;
        QTest::keyClicks(f.text(0), QStringLiteral("123"));
        QSignalSpy ended(&f.window(), &form1::programEnded);
        QVERIFY(!f.window().extprogram());
        QCOMPARE(f.messages.texts(), (QStringList{kPrompt, "Enter a name"}));
        QCOMPARE(ended.count(), 0);
        QVERIFY(f.window().isVisible());
        QCOMPARE(f.text(0)->text(), QStringLiteral("123"));
    }

    void closeBoxBehavesLikeExit()
    {
        WindowFixture f;
        QTest::keyClicks(f.text(0), QStringLiteral("123"));
        QVERIFY(!f.window().close());
        QVERIFY(f.window().isVisible());

        f.text(0)->setText(QStringLiteral("kim"));
        f.messages.clear();
        f.messages.answerNext(MessageBox::Answer::Cancel);
        QSignalSpy ended(&f.window(), &form1::programEnded);
        QVERIFY(f.window().close());
        QCOMPARE(f.messages.texts(), QStringList{kPrompt});
        QCOMPARE(ended.count(), 1);
    }
};

VENNOR_TEST(ExitTest)
#include "exittest.moc"
