// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a pull does to the book, planned from plain values: conflicts, names that stay local,
// counts, and the time many cards of one name take.

#include "support/synchome.h"
#include "support/testregistry.h"

#include "sync/booksync.h"
#include "sync/syncplan.h"

#include <QTest>
#include <ctime>

using namespace vennor;
using test::person;

namespace {

QByteArray card(const QString& name, const QString& number)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + name.toUtf8() + "\r\nTEL:" + number.toUtf8() +
           "\r\nEND:VCARD\r\n";
}

SyncEntry entryOf(const QString& href, const Record& record)
{
    return {href, QStringLiteral("\"1\""), record.name, recordFingerprint(record), {}};
}

QHash<QString, SyncEntry> entries(const QList<SyncEntry>& list)
{
    QHash<QString, SyncEntry> byHref;
    for (const SyncEntry& entry : list) {
        byHref.insert(entry.href, entry);
    }
    return byHref;
}

// name → number of the records the plan writes.
QMap<QString, QString> stored(const PullPlan& plan)
{
    QMap<QString, QString> names;
    for (const Record& record : plan.store) {
        names.insert(record.name, record.numbers.value(0).number);
    }
    return names;
}

PullPlan sameNameCards(int count)
{
    QList<RemoteCard> cards;
    for (int i = 0; i < count; ++i) {
        cards.append({QStringLiteral("/book/%1.vcf").arg(i), QStringLiteral("\"e%1\"").arg(i),
                      card(QStringLiteral("Same"), QString::number(1000 + i))});
    }
    return planPull({}, {}, cards, {}, QStringLiteral("00"));
}

// Processor time, not wall time: on a busy machine, or under the sanitizers' build, the wall
// clock counts other programs' turns too.
qint64 plannedMs(int count)
{
    const std::clock_t start = std::clock();
    const PullPlan plan = sameNameCards(count);
    const auto ms = qint64(std::clock() - start) * 1000 / CLOCKS_PER_SEC;
    return plan.store.size() == count ? ms : -1;
}

} // namespace

class PlanTest : public QObject
{
    Q_OBJECT

private slots:
    void conflictsKeepWhatWasNeverSent()
    {
        const Record ann = person("ann", "111");
        const Record bob = person("bob", "222");
        const auto synced = entries({entryOf("/b/ann.vcf", ann), entryOf("/b/bob.vcf", bob)});

        // Changed here, removed there: the record stays and is forgotten, to go back as new.
        PullPlan plan = planPull({person("ann", "999"), bob}, synced, {}, {"/b/ann.vcf"}, "00");
        QVERIFY(plan.remove.isEmpty() && plan.removed.isEmpty());
        QVERIFY(!plan.entries.contains("/b/ann.vcf"));

        // Removed here, changed there: the server's version comes back.
        plan = planPull({bob}, synced, {{"/b/ann.vcf", "\"2\"", card("Ann", "333")}}, {}, "00");
        QCOMPARE(stored(plan), (QMap<QString, QString>{{"ann", "333"}}));

        // Renamed there onto a record here that was never sent: both kept.
        const Record typed = person("cy", "555");
        plan = planPull({ann, bob, typed}, synced, {{"/b/bob.vcf", "\"2\"", card("Cy", "222")}}, {},
                        "00");
        QCOMPARE(stored(plan), (QMap<QString, QString>{{"cy", "222"}, {"cy (local copy)", "555"}}));
        QCOMPARE(plan.remove, QStringList{"bob"});
        QCOMPARE(plan.localCopies, QStringList{"cy (local copy)"});
        QCOMPARE(plan.received, QStringList{"cy"});
        QVERIFY(plan.removed.isEmpty()); // a rename, not a removal

        // … and onto a record here equal to it: linked, nothing written twice.
        plan = planPull({ann, bob, person("cy", "222")}, synced,
                        {{"/b/bob.vcf", "\"2\"", card("Cy", "222")}}, {}, "00");
        QVERIFY(plan.store.isEmpty() && plan.localCopies.isEmpty());
        QCOMPARE(plan.entries.value("/b/bob.vcf").name, QStringLiteral("cy"));
    }

    // One card of Ann's arrives changed there; what the book holds decides what is written.
    void cardAgainstTheBook()
    {
        const Record synced = person("ann", "111");
        const RemoteCard changed{"/b/ann.vcf", "\"2\"", card("Ann", "333")};
        struct Case
        {
            const char* what;
            QList<Record> book;
            bool linked; // the book's ann was synced as 111 before
            QMap<QString, QString> stored;
            QStringList localCopies;
        };
        const QList<Case> cases{
            {"changed there only", {synced}, true, {{"ann", "333"}}, {}},
            {"changed on both sides",
             {person("ann", "999")},
             true,
             {{"ann", "333"}, {"ann (local copy)", "999"}},
             {"ann (local copy)"}},
            {"equal to a record never sent", {person("ann", "333")}, false, {}, {}},
            {"the local copy's name taken",
             {person("ann", "999"), person("ann (local copy)", "888")},
             true,
             {{"ann", "333"}, {"ann (local copy) (2)", "999"}},
             {"ann (local copy) (2)"}},
        };
        for (const Case& c : cases) {
            const auto known =
                c.linked ? entries({entryOf("/b/ann.vcf", synced)}) : QHash<QString, SyncEntry>();
            const PullPlan plan = planPull(c.book, known, {changed}, {}, "00");
            QVERIFY2(stored(plan) == c.stored, c.what);
            QVERIFY2(plan.localCopies == c.localCopies, c.what);
            QVERIFY2(plan.entries.value("/b/ann.vcf").name == "ann", c.what);
            QVERIFY2(plan.remove.isEmpty(), c.what);
        }
    }

    void suffixOfOneNameStaysHere()
    {
        const QList<RemoteCard> cards{{"/b/1.vcf", "\"1\"", card("John Smith", "111")},
                                      {"/b/2.vcf", "\"1\"", card("John Smith", "222")}};
        const PullPlan first = planPull({}, {}, cards, {}, "00");
        QCOMPARE(stored(first),
                 (QMap<QString, QString>{{"john smith", "111"}, {"john smith (2)", "222"}}));
        const SyncEntry second = first.entries.value("/b/2.vcf");
        QCOMPARE(second.cardName, QStringLiteral("john smith"));
        QVERIFY(first.entries.value("/b/1.vcf").cardName.isEmpty());

        // Changed here, it goes back under the card's own name.
        QCOMPARE(recordAsOnCard(person("John Smith (2)", "333"), second).name,
                 QStringLiteral("john smith"));
        // Renamed here, or named so by the user with no other card of that name, it is as typed.
        QCOMPARE(recordAsOnCard(person("jack", "333"), second).name, QStringLiteral("jack"));
        QCOMPARE(
            recordAsOnCard(person("x (2)", "1"), entryOf("/b/x.vcf", person("x (2)", "1"))).name,
            QStringLiteral("x (2)"));

        // Changed there later: it keeps its name here.
        const QList<Record> book{person("john smith", "111"), person("john smith (2)", "222")};
        const PullPlan again = planPull(
            book, first.entries, {{"/b/2.vcf", "\"2\"", card("John Smith", "444")}}, {}, "00");
        QCOMPARE(stored(again), (QMap<QString, QString>{{"john smith (2)", "444"}}));
        QVERIFY(again.remove.isEmpty());
    }

    void countsAreOfRecordsAndNameTheCardsNotTaken()
    {
        const QList<RemoteCard> cards{{"/b/a.vcf", "\"1\"", card("Ann", "111")},
                                      {"/b/a.vcf", "\"1\"", card("Ann", "111")}, // listed twice
                                      {"/b/n.vcf", "\"1\"", card("12345", "222")},
                                      {"/b/p.vcf", "\"1\"", card(")", "333")},
                                      {"/b/e.vcf", "\"1\"", card("Evil\x1b]0;x\x07", "444")}};
        const PullPlan plan = planPull({}, {}, cards, {}, "00");
        QCOMPARE(plan.received.size(), plan.store.size());
        QVERIFY(plan.received.contains("ann"));
        QVERIFY2(plan.untaken.contains("12345") && plan.untaken.contains(")"),
                 qPrintable(plan.untaken.join('|')));
        for (const QString& name : plan.untaken) {
            for (const QChar c : name) {
                QVERIFY2(c.isPrint(), qPrintable(name));
            }
        }
        carddav::SyncReport report;
        report.untaken = plan.untaken;
        QVERIFY(report.counts().endsWith(
            QStringLiteral(" %1 cards could not be taken.").arg(plan.untaken.size())));
        QVERIFY(report.summary().contains(QStringLiteral("\"12345\", \")\"")));
    }

    void manyCardsOfOneNameTakeLinearTime()
    {
        const qint64 small = plannedMs(5000);
        const qint64 large = plannedMs(20000);
        QVERIFY(small >= 0 && large >= 0);
        QVERIFY2(large < 3000, qPrintable(QString::number(large)));
        // Four times the cards: well under the sixteen times of trying every name again.
        QVERIFY2(large < 8 * std::max<qint64>(small, 25),
                 qPrintable(QStringLiteral("%1 ms, %2 ms").arg(small).arg(large)));
    }
};

VENNOR_TEST(PlanTest)
#include "plantest.moc"
