#include "support/testregistry.h"
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

const QList<QStringList> kBook = {
    {"john", "\"john@x.org\"", "\"12 main st\"", "\" call me @ 9\"", "0555", "2777"},
    {"anna", "1555", "3888"},
    {"bob"},
};

} // namespace

class BrowsingTest : public QObject
{
    Q_OBJECT

private slots:
    void typingLoadsOnlyOnAnExactName()
    {
        WindowFixture f(kBook);
        f.typeName(QStringLiteral("jo"));
        QVERIFY(f.text(0)->text().isEmpty());
        f.typeName(QStringLiteral("hn"));
        QCOMPARE(f.text(0)->text(), QStringLiteral("john"));
        QCOMPARE(f.text(1)->text(), QStringLiteral("john@x.org"));
        QCOMPARE(f.text(2)->text(), QStringLiteral("12 main st"));
        QCOMPARE(f.comment()->text(), QStringLiteral("call me @ 9"));
        QCOMPARE(f.phoneEntries(), (QStringList{"555", "777"}));
        QCOMPARE(f.state.typecodes, (QList<int>{0, 2}));
        QCOMPARE(f.phones()->currentText(), QStringLiteral("555"));
        QVERIFY(!f.window().isLoaded());
        QCOMPARE(QApplication::focusWidget(), f.names()->lineEdit());
        QVERIFY(!f.text(0)->dataChanged());

        f.typeName(QStringLiteral("x"));
        QVERIFY(f.text(0)->text().isEmpty());
        QVERIFY(f.phoneEntries().isEmpty());
    }

    void typedNameIsLoweredAndTrimmed()
    {
        WindowFixture f(kBook);
        f.typeName(QStringLiteral("John "));
        QCOMPARE(f.text(0)->text(), QStringLiteral("john"));
        QCOMPARE(f.state.selname, QStringLiteral("john"));
    }

    void choosingAnEntryLoadsIt()
    {
        WindowFixture f(kBook);
        QCOMPARE(f.names()->at(0), QStringLiteral("anna"));
        f.choose(f.names(), 0);
        QCOMPARE(f.text(0)->text(), QStringLiteral("anna"));
        QCOMPARE(f.types()->currentText(), QStringLiteral("Mobile"));
        QVERIFY(f.window().isLoaded());

        f.choose(f.names(), f.names()->count() - 1); // one of the empty entries
        QVERIFY(f.text(0)->text().isEmpty());
        QVERIFY(f.phoneEntries().isEmpty());
        QVERIFY(!f.window().isLoaded());
    }

    void erasingTheSearchTextClearsTheEditor()
    {
        WindowFixture f(kBook);
        f.typeName(QStringLiteral("bob"));
        QCOMPARE(f.text(0)->text(), QStringLiteral("bob"));
        f.text(1)->setText(QStringLiteral("typed"));
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(f.names()->lineEdit(), Qt::Key_Backspace);
        }
        QVERIFY(f.text(0)->text().isEmpty());
        QVERIFY(f.text(1)->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), f.names()->lineEdit());
    }

    void aLaterNumberLoadsTheRecordShowingItsFirstNumber()
    {
        WindowFixture f(kBook);
        f.typeNumber(QStringLiteral("888"));
        QCOMPARE(f.text(0)->text(), QStringLiteral("anna"));
        QCOMPARE(f.phones()->currentText(), QStringLiteral("555"));
        QCOMPARE(f.types()->currentText(), QStringLiteral("Mobile"));
        QVERIFY(f.window().isLoaded());

        f.numbers()->setText(QString());
        f.typeNumber(QStringLiteral("555")); // shared: the first record in the file wins
        QCOMPARE(f.text(0)->text(), QStringLiteral("john"));
        f.typeNumber(QStringLiteral("9"));
        QVERIFY(f.text(0)->text().isEmpty());
    }

    void clickingANumberShowsItsType()
    {
        WindowFixture f(kBook);
        f.typeName(QStringLiteral("john"));
        f.types()->setCurrentIndex(5);
        f.phones()->setCurrentIndex(1);
        emit f.phones()->activated(1);
        QCOMPARE(f.types()->currentText(), QStringLiteral("Work"));
        emit f.phones()->activated(0);
        QCOMPARE(f.types()->currentText(), QStringLiteral("Home"));
    }

    void addedNumbersAreCleanedAndKeepTheirTypes()
    {
        WindowFixture f(kBook);
        f.typeName(QStringLiteral("anna"));
        f.types()->setCurrentIndex(3);
        f.addNumber(QStringLiteral("(01) 23-45"));
        QCOMPARE(f.phoneEntries(), (QStringList{"555", "888", "012345"}));
        QVERIFY(f.phones()->currentText().isEmpty());

        f.addNumber(QStringLiteral("12a4"));
        QCOMPARE(f.messages.texts(), QStringList{"Enter a valid number"});
        QCOMPARE(f.messages.last().title, QStringLiteral("Warning"));
        QCOMPARE(f.phones()->currentText(), QStringLiteral("12a4"));

        f.addNumber(QStringLiteral("8-88"));
        QCOMPARE(f.phones()->currentText(), QStringLiteral("8-88"));

        f.types()->setCurrentIndex(6);
        f.addNumber(QStringLiteral("4"));
        QCOMPARE(f.phoneEntries(), (QStringList{"555", "888", "012345", "4"}));
        QCOMPARE(f.state.typecodes, (QList<int>{1, 3, 3, 6}));
        QCOMPARE(f.phoneEntries().size(), f.state.typecodes.size());
    }

    void typedTypeNamingNothingCountsAsHome()
    {
        WindowFixture f;
        f.types()->setEditText(QStringLiteral("Satellite"));
        f.addNumber(QStringLiteral("42"));
        QCOMPARE(f.state.typecodes, QList<int>{0});
        QCOMPARE(f.types()->currentText(), QStringLiteral("Home"));
    }

    void enterInTheTypeBoxMovesToTheNumberBox()
    {
        WindowFixture f;
        f.types()->setFocus();
        QTest::keyClick(f.types()->lineEdit(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.phones());
    }

    void dialNeedsANumberAndDetectsFirstWithoutSettings()
    {
        WindowFixture f(kBook);
        QFile::remove(f.folders.settingsFile());
        f.window().dial_Click();
        QCOMPARE(f.messages.texts(), QStringList{"A telephone number is required"});
        QCOMPARE(f.messages.last().title, QStringLiteral("Warning"));
        QVERIFY(!QFile::exists(f.folders.settingsFile()));

        f.messages.clear();
        f.phones()->setEditText(QStringLiteral("0 12"));
        auto* dialNow = f.window().findChild<QAction*>(QStringLiteral("dialnow"));
        dialNow->trigger();
        QCOMPARE(f.messages.texts(), (QStringList{"Can't find a Modem or line is not connected !!",
                                                  "The modem is not connected"}));
    }

    void acceleratorsWorkInsideTheTextBoxes()
    {
        WindowFixture f(kBook);
        f.text(0)->setFocus();
        QTest::keyClicks(f.text(0), QStringLiteral("zz"));
        QTest::keyClick(f.text(0), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(f.messages.texts(), QStringList{"Select a record to delete"});
        QCOMPARE(f.text(0)->text(), QStringLiteral("zz"));

        bool advanced = false;
        auto* action = f.window().findChild<QAction*>(QStringLiteral("Advsrch"));
        connect(action, &QAction::triggered, this, [&advanced] { advanced = true; });
        f.comment()->setFocus();
        QTest::keyClick(f.comment(), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(advanced);
        QVERIFY(!f.comment()->textCursor().hasSelection());

        f.names()->setFocus();
        QTest::keyClicks(f.names()->lineEdit(), QStringLiteral("bob"));
        QTest::keyClick(f.names()->lineEdit(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(f.names()->text().isEmpty());
        QVERIFY(f.text(0)->text().isEmpty());
    }
};

VENNOR_TEST(BrowsingTest)
#include "browsingtest.moc"
