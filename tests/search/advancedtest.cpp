#include "search/advanced.h"
#include "platform/twips.h"
#include "printing/recordshost.h"
#include "support/messagelog.h"
#include "support/testregistry.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace vennor;

namespace {

QStringList listed(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts.append(list->item(i)->text());
    }
    return texts;
}

void clickEntry(QListWidget* list, int row)
{
    const QRect area = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, area.center());
}

} // namespace

class AdvancedTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        state = SharedState();
        host = std::make_unique<test::RecordsHost>(state);
        for (const char* name : {"anna", "bob", "jordan", "r2d2"}) {
            host->add({QString::fromLatin1(name), {}, {}, {}, {}});
        }
    }
    void cleanup() { host.reset(); }

    void opensWithItsLayoutAndFocus()
    {
        advanced window(state, *host, host->window());
        QCOMPARE(window.windowTitle(), QStringLiteral("Advanced search"));
        QVERIFY(!window.isModal());
        QCOMPARE(window.Command1->text(), QStringLiteral("Search"));
        QCOMPARE(window.findChild<QLineEdit*>("Text1"), window.Text1);
        QCOMPARE(window.findChild<QListWidget*>("List1"), window.List1);
        QCOMPARE(window.Text1->geometry(), twips::rect(120, 120, 1455, 285));
        QCOMPARE(window.List1->geometry(), twips::rect(120, 720, 2535, 1425));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(QApplication::focusWidget(), window.Text1);
    }

    void searchListsMatchesInListOrderAndRepeats()
    {
        advanced window(state, *host, nullptr);
        window.Text1->setText(QStringLiteral("#"));
        window.Command1->click();
        QCOMPARE(listed(window.List1), QStringList{"r2d2"});
        window.Text1->setText(QString());
        window.Command1->click();
        QCOMPARE(listed(window.List1), (QStringList{"anna", "bob", "jordan", "r2d2"}));
        window.Text1->setText(QStringLiteral("[an"));
        window.Command1->click();
        QCOMPARE(window.List1->count(), 0);
        QVERIFY(host->searched.isEmpty());
    }

    void enterInTheTextSearches()
    {
        test::MessageLog log;
        advanced window(state, *host, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClicks(window.Text1, QStringLiteral("an"));
        QTest::keyClick(window.Text1, Qt::Key_Return);
        QCOMPARE(listed(window.List1), (QStringList{"anna", "jordan"}));
        QVERIFY(window.isVisible());
        QCOMPARE(log.count(), 0);
    }

    void clickLoadsTheRecordAndStaysOpen()
    {
        advanced window(state, *host, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Text1->setText(QStringLiteral("o"));
        window.Command1->click();
        QCOMPARE(listed(window.List1), (QStringList{"bob", "jordan"}));
        clickEntry(window.List1, 1);
        QCOMPARE(state.selname, QStringLiteral("jordan"));
        QCOMPARE(host->searched, QStringList{"jordan"});
        QCOMPARE(host->onScreen.name, QStringLiteral("jordan"));
        clickEntry(window.List1, 0);
        QCOMPARE(host->searched, (QStringList{"jordan", "bob"}));
        QVERIFY(window.isVisible());
        QCOMPARE(listed(window.List1), (QStringList{"bob", "jordan"}));
    }

    void showingAgainBringsBackTheSameWindowUntilClosed()
    {
        QPointer<advanced> slot;
        advanced* first = advanced::showFor(slot, state, *host, host->window());
        QVERIFY(first->isVisible());
        first->Text1->setText(QStringLiteral("bo"));
        first->Command1->click();
        QCOMPARE(advanced::showFor(slot, state, *host, host->window()), first);
        QCOMPARE(first->Text1->text(), QStringLiteral("bo"));
        QCOMPARE(first->List1->count(), 1);

        first->close();
        QTRY_VERIFY(slot.isNull());
        advanced* second = advanced::showFor(slot, state, *host, host->window());
        QVERIFY(second->Text1->text().isEmpty());
        QCOMPARE(second->List1->count(), 0);
        // Esc closes it as the close box does.
        QVERIFY(QTest::qWaitForWindowExposed(second));
        QTest::keyClick(second->Text1, Qt::Key_Escape);
        QTRY_VERIFY(slot.isNull());
    }

private:
    SharedState state;
    std::unique_ptr<test::RecordsHost> host;
};

VENNOR_TEST(AdvancedTest)
#include "advancedtest.moc"
