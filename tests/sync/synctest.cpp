// Two homes sharing a phone book through a real CardDAV server: Radicale and Xandikos.

#include "davserver.h"
#include "support/testregistry.h"
#include "synchome.h"

#include <QTest>

using namespace vennor;
using namespace vennor::test;

namespace {

Record person(const QString& name, const QString& number, const QString& comment = {})
{
    return Record{name, {}, {}, comment, {{0, number}}};
}

void addServerRows()
{
    QTest::addColumn<DavServer::Kind>("kind");
    QTest::newRow("radicale") << DavServer::Kind::radicale;
    QTest::newRow("xandikos") << DavServer::Kind::xandikos;
}

} // namespace

class SyncTest : public QObject
{
    Q_OBJECT

private slots:
    void changesTravelBothWays_data() { addServerRows(); }
    void changesTravelBothWays()
    {
        QFETCH(DavServer::Kind, kind);
        DavServer server(kind);
        QVERIFY(server.start());
        SyncHome a(server.addressBook()), b(server.addressBook());
        QVERIFY(a.book().append(person("ann", "111")));
        QVERIFY(a.book().append(person("bob", "222")));
        QVERIFY2(a.sync(), qPrintable(a.sync().error()));
        QVERIFY(b.sync());
        QCOMPARE(b.contents(), (QMap<QString, QString>{{"ann", "111"}, {"bob", "222"}}));

        QVERIFY(b.book().replace(person("ann", "333")));
        QVERIFY(b.book().removeAll("bob"));
        QVERIFY(b.book().append(person("cy", "444")));
        QVERIFY(b.sync());
        QVERIFY(a.sync());
        QCOMPARE(a.contents(), (QMap<QString, QString>{{"ann", "333"}, {"cy", "444"}}));
        QCOMPARE(cardCount(server.addressBook()), 2);

        carddav::SyncReport again;
        QVERIFY(a.sync(QStringLiteral("secret"), &again));
        QCOMPARE(again.counts(), carddav::SyncReport().counts());
    }

    void bothSidesChangedKeepsTheLocalCopy()
    {
        DavServer server(DavServer::Kind::radicale);
        QVERIFY(server.start());
        SyncHome a(server.addressBook()), b(server.addressBook());
        QVERIFY(a.book().append(person("ann", "111")));
        QVERIFY(a.sync() && b.sync());
        QVERIFY(a.book().replace(person("ann", "222")));
        QVERIFY(b.book().replace(person("ann", "333")));
        QVERIFY(a.sync());
        carddav::SyncReport report;
        QVERIFY(b.sync(QStringLiteral("secret"), &report));
        QCOMPARE(report.localCopies, QStringList{"ann (local copy)"});
        QVERIFY(a.sync());
        const QMap<QString, QString> both{{"ann", "222"}, {"ann (local copy)", "333"}};
        QCOMPARE(b.contents(), both);
        QCOMPARE(a.contents(), both);
    }
};

VENNOR_TEST(SyncTest)
#include "synctest.moc"
