#include "modem/quickdial.h"
#include "modem/dialing.h"
#include "modemtesting.h"
#include "platform/twips.h"
#include "support/fakemodem.h"
#include "support/messagelog.h"
#include "support/modaldriver.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

bool quickdialShown()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<quickdial*>(window) != nullptr && window->isVisible()) {
            return true;
        }
    }
    return false;
}

QLineEdit* numberBox(QWidget* window)
{
    return window->findChild<QLineEdit*>(QStringLiteral("Text1"));
}

} // namespace

class QuickdialTest : public QObject
{
    Q_OBJECT

private slots:
    void layout()
    {
        SharedState state;
        QWidget main;
        quickdial window(state, nullptr, &main);
        QCOMPARE(window.windowTitle(), QStringLiteral("Manual dial"));
        QCOMPARE(window.size(), twips::size(3930, 1320));
        auto* label = window.findChild<QLabel*>(QStringLiteral("Label1"));
        auto* dial = window.findChild<QPushButton*>(QStringLiteral("Command1"));
        auto* cancel = window.findChild<QPushButton*>(QStringLiteral("Command2"));
        QCOMPARE(label->text(), QStringLiteral("Number to dial"));
        QCOMPARE(numberBox(&window)->text(), QString());
        QCOMPARE(numberBox(&window)->geometry(), twips::rect(240, 480, 2295, 285));
        QCOMPARE(dial->text(), QStringLiteral("Dial"));
        QVERIFY(dial->isDefault());
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(cancel->geometry(), twips::rect(2760, 720, 975, 375));
        QCOMPARE(window.focusWidget(), numberBox(&window));
    }

    void typedNumberIsDialledAsTyped_data()
    {
        QTest::addColumn<bool>("pressEnter");
        QTest::newRow("Enter") << true;
        QTest::newRow("Dial button") << false;
    }
    void typedNumberIsDialledAsTyped()
    {
        QFETCH(bool, pressEnter);
        ModemBench bench;
        bench.folders.writeSettings({"2", "Family"});
        FakeModem modem;
        bench.ports.set(2, modem.path());
        ModalDriver driver;
        QWidget main;
        auto* Combo1 = new QLineEdit(&main);
        driver.whenShown<quickdial>([pressEnter](quickdial* window) {
            QTest::keyClicks(numberBox(window), QStringLiteral("0 12 34"));
            if (pressEnter) {
                QTest::keyClick(numberBox(window), Qt::Key_Return);
            } else {
                clickButton(window, "Command1");
            }
        });
        bool quickdialGoneWhileDialing = false;
        QWidget* dialingParent = nullptr;
        connect(&modem, &FakeModem::bytesReceived, this, [&] {
            QWidget* call = QApplication::activeModalWidget();
            if (modem.received().endsWith(";\r") && qobject_cast<dialing*>(call) != nullptr) {
                quickdialGoneWhileDialing = !quickdialShown();
                dialingParent = call->parentWidget();
                clickButton(call, "Command1");
            }
        });

        runManualDial(bench.state, Combo1, &main);

        QCOMPARE(driver.pending(), 0);
        QTRY_COMPARE(modem.received(), QByteArray("ATDT0 12 34;\rATH\r"));
        QVERIFY(quickdialGoneWhileDialing);
        QCOMPARE(dialingParent, &main);
        QCOMPARE(bench.state.dialnumber, QString());
        QCOMPARE(main.focusWidget(), Combo1);
        QCOMPARE(bench.log.count(), 0);
    }

    void emptyBoxClosesTheWindowBeforeTheMessage()
    {
        ModemBench bench;
        bench.folders.writeSettings({"1"});
        FakeModem modem;
        bench.ports.set(1, modem.path());
        ModalDriver driver;
        bench.state.dialnumber = QStringLiteral("earlier");
        bool shownAtMessage = true;
        bench.log.onNext([&](const MessageBox::Request&) { shownAtMessage = quickdialShown(); });
        driver.whenShown<quickdial>([](quickdial* window) { clickButton(window, "Command1"); });

        runManualDial(bench.state, nullptr, nullptr);

        QCOMPARE(driver.pending(), 0);
        QCOMPARE(bench.log.texts(), QStringList{"A telephone number is required"});
        QCOMPARE(bench.log.last().title, QStringLiteral("Warning"));
        QVERIFY(!shownAtMessage);
        QCOMPARE(bench.state.dialnumber, QString());
        QCOMPARE(modem.openCount(), 0);
    }

    void cancelDialsNothing()
    {
        ModemBench bench;
        bench.folders.writeSettings({"1"});
        FakeModem modem;
        bench.ports.set(1, modem.path());
        ModalDriver driver;
        bench.state.dialnumber = QStringLiteral("earlier");
        driver.whenShown<quickdial>([](quickdial* window) {
            QTest::keyClicks(numberBox(window), QStringLiteral("123"));
            clickButton(window, "Command2");
        });

        runManualDial(bench.state, nullptr, nullptr);

        QCOMPARE(driver.pending(), 0);
        QCOMPARE(bench.state.dialnumber, QStringLiteral("earlier"));
        QCOMPARE(bench.log.count(), 0);
        QCOMPARE(modem.openCount(), 0);
    }
};

VENNOR_TEST(QuickdialTest)
#include "quickdialtest.moc"
