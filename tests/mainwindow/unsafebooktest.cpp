#include "phonebooks/phonebookdialog.h"
#include "support/testregistry.h"
#include "windowfixture.h"

#include <QDir>
#include <QTest>

using namespace vennor;
using namespace vennor::test;

// A settings file edited to name a book outside the phone book folder: the program starts as
// with a missing book, and neither lists, saves into nor deletes from that file.
class UnsafeBookTest : public QObject
{
    Q_OBJECT

private slots:
    void startsAsWithoutABook()
    {
        WindowFixture f{WindowFixture::Unopened{}};
        const QStringList settings{"1", "../../outside/victim"};
        f.folders.writeSettings(settings);
        const QByteArray victimBytes = bookBytes({{"victim", "0123"}});
        QFile victim(f.folders.root() + "/outside/victim.dat");
        QVERIFY(QDir().mkpath(f.folders.root() + "/outside") && victim.open(QIODevice::WriteOnly));
        victim.write(victimBytes);
        victim.close();
        QStringList captions;
        const auto cancel = [&](PhoneBookDialog* shown) {
            captions << shown->windowTitle();
            shown->reject();
        };
        f.modals.whenShown<PhoneBookDialog>(cancel);
        f.open();
        QCOMPARE(f.messages.texts(), QStringList{"Create a phone book"});
        QCOMPARE(f.nameSearch()->count() + f.numberSearch()->count(), 0);

        f.modals.whenShown<PhoneBookDialog>(cancel);
        f.fill({"victim", "", "", ""});
        QVERIFY(!f.window->save());
        QCOMPARE(captions, QStringList(2, "Create new phone book"));
        QCOMPARE(f.folders.readSettings(), settings);
        QVERIFY(victim.open(QIODevice::ReadOnly));
        QCOMPARE(victim.readAll(), victimBytes);
    }
};

VENNOR_TEST(UnsafeBookTest)
#include "unsafebooktest.moc"
