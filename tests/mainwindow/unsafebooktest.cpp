#include "phonebooks/phonebookdialog.h"
#include "support/testregistry.h"
#include "windowfixture.h"

#include <QDir>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

// Line 2 of the settings file edited to name a book outside the phone book folder.
class UnsafeBookTest : public QObject
{
    Q_OBJECT

private slots:
    void startsAsWithoutABook()
    {
        WindowFixture f{WindowFixture::Unopened{}};
        f.folders.writeSettings({"1", "../../outside/victim"});
        QFile victim(f.folders.root() + "/outside/victim.dat");
        QVERIFY(QDir().mkpath(f.folders.root() + "/outside") && victim.open(QIODevice::WriteOnly));
        victim.write(bookBytes({{"victim", "0123"}}));
        victim.close();
        for (int i = 0; i < 2; ++i) { // at start, then on saving
            f.modals.whenShown<PhoneBookDialog>([](PhoneBookDialog* shown) { shown->reject(); });
        }
        f.open();
        QCOMPARE(f.messages.texts(), QStringList{"Create a phone book"});
        QCOMPARE(f.nameSearch()->count() + f.numberSearch()->count(), 0);
        f.fill({"victim", "", "", ""});
        QVERIFY(!f.window->save() && f.modals.pending() == 0);
        QCOMPARE(f.folders.readSettings(), (QStringList{"1", "../../outside/victim"}));
        QVERIFY(victim.open(QIODevice::ReadOnly));
        QCOMPARE(victim.readAll(), bookBytes({{"victim", "0123"}}));
    }
};

VENNOR_TEST(UnsafeBookTest)
#include "unsafebooktest.moc"
