#include "phonebookfixture.h"
#include "platform/twips.h"
#include "support/testregistry.h"

#include <QLabel>
#include <QTest>

using namespace vennor;
using test::PhoneBookFixture;

class NewPhoneBookLayoutTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<PhoneBookFixture> f;

private slots:
    void init()
    {
        f = std::make_unique<PhoneBookFixture>();
        f->folders.writeSettings({"3", "Office", "Home", "alpha", "100", "20", "Zed"});
    }
    void cleanup() { f.reset(); }

    void layoutByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("label");
        QTest::newRow("create") << 0 << "Create new phone book"
                                << "Name of the phone book";
        QTest::newRow("rename") << 1 << "Rename phone book "
                                << "Select a phone book to rename";
        QTest::newRow("default") << 2 << "Make a phone book as default"
                                 << "Select the phone book";
        QTest::newRow("delete") << 3 << "Delete a phone book "
                                << "Select the phone book";
        QTest::newRow("backup") << 4 << "Make a backup from phone book"
                                << "Select the phone book";
    }
    void layoutByMode()
    {
        QFETCH(int, mode);
        auto dialog = f->open(mode);
        QTEST(dialog->windowTitle(), "caption");
        QTEST(dialog->Label1->text(), "label");
        QCOMPARE(dialog->Label2->text(), QStringLiteral("The new name"));
        QCOMPARE(dialog->Command1->text(), QStringLiteral("OK"));
        QCOMPARE(dialog->Command2->text(), QStringLiteral("Cancel"));

        const bool rename = mode == 1;
        QCOMPARE(dialog->Text1->isVisible(), mode == 0);
        QCOMPARE(dialog->Combo1->isVisible(), mode != 0);
        QCOMPARE(dialog->Label2->isVisible(), rename);
        QCOMPARE(dialog->Text2->isVisible(), rename);
        QCOMPARE(dialog->Label1->geometry(), twips::rect(240, 120, 2655, 375));
        QCOMPARE(dialog->Text1->geometry(), twips::rect(240, 480, 2295, 285));
        QCOMPARE(dialog->Combo1->geometry(), twips::rect(240, 480, 2310, 315));
        QVERIFY(dialog->Combo1->geometry().contains(dialog->Text1->geometry()));
        QCOMPARE(dialog->Label2->geometry(), twips::rect(240, 960, 1335, 255));
        QCOMPARE(dialog->Text2->geometry(), twips::rect(240, 1320, 2310, 285));
        const int top = rename ? 1800 : 960;
        QCOMPARE(dialog->Command1->geometry(), twips::rect(240, top, 975, 315));
        QCOMPARE(dialog->Command2->geometry(), twips::rect(1560, top, 975, 315));
        // Rename's height of 2625 is the window's, title bar and borders included.
        QCOMPARE(dialog->size(), twips::size(2805, rename ? 2625 - 405 : 1395));
        QCOMPARE(f->messages.count(), 0);
    }

    void listIsSortedWithoutCaseAndFirstEntryPreselected()
    {
        auto dialog = f->open(2);
        QStringList entries;
        for (int i = 0; i < dialog->Combo1->count(); ++i) {
            entries << dialog->Combo1->itemText(i);
        }
        QCOMPARE(entries, QStringList({"100", "20", "alpha", "Home", "Office", "Zed"}));
        QCOMPARE(dialog->Combo1->currentText(), QStringLiteral("100"));
        QCOMPARE(f->open(0)->Combo1->count(), 0); // Create reads the list only on OK
    }

    void tabOrderAndPlaceOverTheMainWindow()
    {
        f->host.window()->setGeometry(150, 120, 700, 500);
        f->host.window()->show();
        auto dialog = f->open(1);
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        const QPoint offset =
            dialog->frameGeometry().center() - f->host.window()->frameGeometry().center();
        QVERIFY(offset.manhattanLength() <= 4);

        QList<QWidget*> order{dialog->Text1};
        for (QWidget* w = dialog->Text1->nextInFocusChain(); order.size() < 5;
             w = w->nextInFocusChain()) {
            if (w->parentWidget() == dialog.get() && w->focusPolicy() != Qt::NoFocus) {
                order << w;
            }
        }
        QCOMPARE(order, (QList<QWidget*>{dialog->Text1, dialog->Command1, dialog->Combo1,
                                         dialog->Command2, dialog->Text2}));
    }
};

VENNOR_TEST(NewPhoneBookLayoutTest)
#include "newphonebooklayouttest.moc"
