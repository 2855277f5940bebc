#include "phonebooks/newphone_book.h"
#include "platform/twips.h"
#include "storage/sharedstate.h"
#include "support/fakerecordhost.h"
#include "support/messagelog.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace vennor;

class NewPhoneBookLayoutTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TempFolders> folders;
    std::unique_ptr<test::MessageLog> messages;
    SharedState state;
    std::unique_ptr<test::FakeRecordHost> host;

    std::unique_ptr<newphone_book> open(int mode)
    {
        state.pbmode = mode;
        return std::make_unique<newphone_book>(state, *host, host->window());
    }

private slots:
    void init()
    {
        folders = std::make_unique<test::TempFolders>();
        messages = std::make_unique<test::MessageLog>();
        host = std::make_unique<test::FakeRecordHost>();
        folders->writeSettings({"3", "Office", "Home", "alpha", "100", "20", "Zed"});
    }
    void cleanup()
    {
        host.reset();
        messages.reset();
        folders.reset();
    }

    void captionsAndLabels_data()
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
    void captionsAndLabels()
    {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        QFETCH(QString, label);
        auto dialog = open(mode);
        QCOMPARE(dialog->windowTitle(), caption);
        QCOMPARE(dialog->Label1->text(), label);
        QCOMPARE(dialog->Label2->text(), QStringLiteral("The new name"));
        QCOMPARE(dialog->Command1->text(), QStringLiteral("OK"));
        QCOMPARE(dialog->Command2->text(), QStringLiteral("Cancel"));
        QCOMPARE(messages->count(), 0);
    }

    void controlsShownAndPlacedByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("create") << 0;
        QTest::newRow("rename") << 1;
        QTest::newRow("default") << 2;
        QTest::newRow("delete") << 3;
        QTest::newRow("backup") << 4;
    }
    void controlsShownAndPlacedByMode()
    {
        QFETCH(int, mode);
        auto dialog = open(mode);
        const bool list = mode != 0;
        const bool rename = mode == 1;
        QCOMPARE(dialog->Text1->isVisibleTo(dialog.get()), !list);
        QCOMPARE(dialog->Combo1->isVisibleTo(dialog.get()), list);
        QCOMPARE(dialog->Label2->isVisibleTo(dialog.get()), rename);
        QCOMPARE(dialog->Text2->isVisibleTo(dialog.get()), rename);

        QCOMPARE(dialog->Label1->geometry(), twips::rect(240, 120, 2655, 375));
        QCOMPARE(dialog->Text1->geometry(), twips::rect(240, 480, 2295, 285));
        QCOMPARE(dialog->Combo1->geometry(), twips::rect(240, 480, 2310, 315));
        QVERIFY(dialog->Combo1->geometry().contains(dialog->Text1->geometry()));
        QCOMPARE(dialog->Label2->geometry(), twips::rect(240, 960, 1335, 255));
        QCOMPARE(dialog->Text2->geometry(), twips::rect(240, 1320, 2310, 285));
        const int buttonTop = rename ? 1800 : 960;
        QCOMPARE(dialog->Command1->geometry(), twips::rect(240, buttonTop, 975, 315));
        QCOMPARE(dialog->Command2->geometry(), twips::rect(1560, buttonTop, 975, 315));

        // Rename's window height of 2625 includes the title bar and borders.
        QCOMPARE(dialog->size(), twips::size(2805, rename ? 2625 - 405 : 1395));
        QVERIFY(dialog->Command1->geometry().bottom() < dialog->height());
        if (rename) {
            QVERIFY(dialog->Text2->geometry().bottom() < dialog->Command1->geometry().top());
        }
    }

    void listIsSortedWithoutCaseAndFirstEntryPreselected()
    {
        auto dialog = open(2);
        QStringList entries;
        for (int i = 0; i < dialog->Combo1->count(); ++i) {
            entries << dialog->Combo1->itemText(i);
        }
        QCOMPARE(entries, QStringList({"100", "20", "alpha", "Home", "Office", "Zed"}));
        QCOMPARE(dialog->Combo1->currentText(), QStringLiteral("100"));
        QVERIFY(dialog->Combo1->isEditable());
    }

    void createModeDoesNotReadTheList()
    {
        auto dialog = open(0);
        QCOMPARE(dialog->Combo1->count(), 0);
    }

    void tabOrderFollowsTheDesign()
    {
        auto dialog = open(1);
        QList<QWidget*> order;
        QWidget* w = dialog->Text1;
        for (int i = 0; i < 4; ++i) {
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || w->parentWidget() != dialog.get()) {
                w = w->nextInFocusChain();
            }
            order << w;
        }
        QCOMPARE(order, (QList<QWidget*>{dialog->Command1, dialog->Combo1, dialog->Command2,
                                         dialog->Text2}));
    }

    void opensCentredOverTheMainWindow()
    {
        host->window()->setGeometry(150, 120, 700, 500);
        host->window()->show();
        auto dialog = open(1);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        const QPoint offset =
            dialog->frameGeometry().center() - host->window()->frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    }
};

VENNOR_TEST(NewPhoneBookLayoutTest)
#include "newphonebooklayouttest.moc"
