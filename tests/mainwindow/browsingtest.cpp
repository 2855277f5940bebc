#include "support/testregistry.h"
#include "windowfixture.h"

#include <QApplication>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

const QList<QStringList> kBook = {
    {"john", "\"john@x.org\"", "\"12 main st\"", "\" call me @ 9\"", "0555", "2777"},
    {"anna", "1555", "3888"},
    {"bob"}};
const QStringList kEmpty(4, QString());

} // namespace

class BrowsingTest : public QObject
{
    Q_OBJECT

private slots:
    void typingLoadsOnlyAnExactName()
    {
        WindowFixture f(kBook);
        QTest::keyClicks(f.names()->lineEdit(), QStringLiteral("JO"));
        QCOMPARE(f.fields(), kEmpty);
        QTest::keyClicks(f.names()->lineEdit(), QStringLiteral("hn ")); // lowered and trimmed
        QCOMPARE(f.fields(), (QStringList{"john", "john@x.org", "12 main st", "call me @ 9"}));
        QCOMPARE(f.phoneEntries(), (QStringList{"555", "777"}));
        QCOMPARE(f.state.typecodes, (QList<int>{0, 2}));
        QCOMPARE(f.phones()->currentText(), QStringLiteral("555"));
        QVERIFY(!f.window().isLoaded());
        QVERIFY(!f.text(0)->dataChanged());
        QCOMPARE(QApplication::focusWidget(), f.names()->lineEdit());
        QTest::keyClicks(f.names()->lineEdit(), QStringLiteral("x"));
        QCOMPARE(f.fields(), kEmpty);
        QVERIFY(f.phoneEntries().isEmpty());
    }

    void choosingLoadsAndErasingClears()
    {
        WindowFixture f(kBook);
        f.choose(f.names(), QStringLiteral("anna"));
        QCOMPARE(f.text(0)->text(), QStringLiteral("anna"));
        QCOMPARE(f.types()->currentText(), QStringLiteral("Mobile"));
        QVERIFY(f.window().isLoaded());
        f.text(1)->setText(QStringLiteral("typed"));
        f.names()->setText(QString());
        QCOMPARE(f.fields(), kEmpty);
        QCOMPARE(QApplication::focusWidget(), f.names()->lineEdit());
        f.choose(f.names(), QStringLiteral("anna"));
        f.choose(f.names(), QString()); // one of the empty entries
        QCOMPARE(f.fields(), kEmpty);
        QVERIFY(f.phoneEntries().isEmpty() && !f.window().isLoaded());
    }

    void aLaterNumberLoadsTheRecordShowingItsFirst()
    {
        WindowFixture f(kBook);
        QTest::keyClicks(f.numbers()->lineEdit(), QStringLiteral("888"));
        QCOMPARE(f.text(0)->text(), QStringLiteral("anna"));
        QCOMPARE(f.phones()->currentText(), QStringLiteral("555"));
        QCOMPARE(f.types()->currentText(), QStringLiteral("Mobile"));
        QVERIFY(f.window().isLoaded());
        f.numbers()->setText(QStringLiteral("555")); // shared: the first record in the file wins
        QCOMPARE(f.text(0)->text(), QStringLiteral("john"));
        QTest::keyClicks(f.numbers()->lineEdit(), QStringLiteral("9"));
        QCOMPARE(f.fields(), kEmpty);
    }

    void clickingANumberShowsItsType()
    {
        WindowFixture f(kBook);
        f.names()->setText(QStringLiteral("john"));
        f.types()->setCurrentIndex(5);
        emit f.phones()->activated(1);
        QCOMPARE(f.types()->currentText(), QStringLiteral("Work"));
        emit f.phones()->activated(0);
        QCOMPARE(f.types()->currentText(), QStringLiteral("Home"));
    }

    void addedNumbersAreCleanedAndKeepTheirTypes()
    {
        WindowFixture f(kBook);
        f.names()->setText(QStringLiteral("anna"));
        f.types()->setCurrentIndex(3);
        f.addNumber(QStringLiteral("(01) 23-45"));
        QVERIFY(f.phones()->currentText().isEmpty());
        f.addNumber(QStringLiteral("12a4"));
        QCOMPARE(f.messages.texts(), QStringList{"Enter a valid number"});
        QCOMPARE(f.messages.last().title, QStringLiteral("Warning"));
        QCOMPARE(f.phones()->currentText(), QStringLiteral("12a4"));
        f.addNumber(QStringLiteral("8-88")); // already there once cleaned
        QCOMPARE(f.phones()->currentText(), QStringLiteral("8-88"));
        f.types()->setEditText(QStringLiteral("Satellite")); // no such type: Home
        f.addNumber(QStringLiteral("4"));
        QCOMPARE(f.phoneEntries(), (QStringList{"555", "888", "012345", "4"}));
        QCOMPARE(f.state.typecodes, (QList<int>{1, 3, 3, 0}));
    }
};

VENNOR_TEST(BrowsingTest)
#include "browsingtest.moc"
