#include "phonebooks/newphone_book.h"
#include "storage/settingsfile.h"
#include "support/testregistry.h"
#include "windowfixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

const QString kNoModemMessage = QStringLiteral("Can't find a Modem or line is not connected !!");

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void withoutSettingsOnlyDetectionRuns()
    {
        WindowFixture f{WindowFixture::Unopened{}};
        f.open();
        QCOMPARE(f.messages.texts(), QStringList{kNoModemMessage});
        QCOMPARE(f.folders.readSettings().size(), 1);
        QCOMPARE(f.names()->count(), 0);
        QCOMPARE(f.numbers()->count(), 0);
    }

    void withoutPhoneBookOffersToCreateOne_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::newRow("settings of one line") << QStringList{"1"};
        QTest::newRow("default book's file missing") << QStringList{"1", "gone"};
    }
    void withoutPhoneBookOffersToCreateOne()
    {
        QFETCH(QStringList, settings);
        WindowFixture f{WindowFixture::Unopened{}};
        f.folders.writeSettings(settings);
        f.state.pbmode = 3;
        QString caption;
        f.modals.whenShown<newphone_book>([&](newphone_book* dialog) {
            caption = dialog->windowTitle();
            dialog->reject();
        });
        f.open();
        QVERIFY(f.modals.waitAllHandled());
        QCOMPARE(caption, QStringLiteral("Create new phone book"));
        QCOMPARE(f.state.pbmode, 0);
        QCOMPARE(f.messages.texts(), QStringList{"Create a phone book"});
        QCOMPARE(f.messages.last().title, QStringLiteral("Warning"));
        QCOMPARE(f.names()->count(), 0);
    }

    void listsHoldNamesAndNumbersSortedAsText()
    {
        WindowFixture f(QList<QStringList>{{"john", "\"john@x.org\"", "0100", "220"},
                                           {"anna", "\" a comment\"", "\"1100\""},
                                           {"Bob"}});
        QCOMPARE(f.names()->entries(), (QStringList{"anna", "Bob", "john", "", "", ""}));
        QCOMPARE(f.numbers()->entries(), (QStringList{"100", "100", "20", "", "", ""}));
        QVERIFY(f.messages.texts().isEmpty());
        QVERIFY(f.state.linecount >= 9);
    }

    void emptyPhoneBookListsNothing()
    {
        WindowFixture f;
        QCOMPARE(f.names()->count(), 0);
        QCOMPARE(f.numbers()->count(), 0);
    }

    void refillingTwiceGivesTheSameLists()
    {
        WindowFixture f(QList<QStringList>{{"john", "0100"}, {"anna"}});
        const QStringList names = f.names()->entries();
        const QStringList numbers = f.numbers()->entries();
        f.typeName(QStringLiteral("john"));
        f.window().refillLists();
        f.window().refillLists();
        QCOMPARE(f.names()->entries(), names);
        QCOMPARE(f.numbers()->entries(), numbers);
        QVERIFY(f.text(0)->text().isEmpty());
        QVERIFY(f.phoneEntries().isEmpty());
    }

    void windowLooksAsDesigned()
    {
        WindowFixture f;
        form1& w = f.window();
        QCOMPARE(w.windowTitle(), QStringLiteral("VENNOR"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Name "));
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("del"))->toolTip(),
                 QStringLiteral("Delete a record "));
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("clr"))->toolTip(),
                 QStringLiteral("Clear all text boxs"));
        QCOMPARE(f.types()->count(), 7);
        QCOMPARE(f.types()->itemText(3), QStringLiteral("Fax"));
        QCOMPARE(f.types()->currentText(), QStringLiteral("Home"));
        // The hidden scratch box lies below the client area.
        QWidget* client = w.centralWidget();
        // (the array's second box and the scratch box share the name "Text1")
        const auto named1 = client->findChildren<QWidget*>("Text1", Qt::FindDirectChildrenOnly);
        QCOMPARE(named1.size(), 2);
        QVERIFY(client->rect().contains(named1.first()->geometry()));
        QVERIFY(!client->rect().intersects(named1.last()->geometry()));
        for (const char* name : {"Combo1", "Text0", "Text3", "Combo2", "phones", "sav"}) {
            QVERIFY2(client->rect().contains(w.findChild<QWidget*>(name)->geometry()), name);
        }
    }

    void tabOrderFollowsTheFields()
    {
        WindowFixture f;
        f.names()->setFocus();
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            QWidget* focus = QApplication::focusWidget();
            while (focus != nullptr && focus->objectName().isEmpty()) {
                focus = focus->parentWidget();
            }
            order << (focus ? focus->objectName() : QString());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"Combo1", "Text0", "Text1", "Text2", "Text3", "Combo3",
                                     "phones", "Combo2"}));
    }
};

VENNOR_TEST(StartupTest)
#include "startuptest.moc"
