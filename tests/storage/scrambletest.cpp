#include "storage/scramble.h"
#include "support/testregistry.h"

#include <QRandomGenerator>
#include <QTest>

using namespace vennor;

class ScrambleTest : public QObject
{
    Q_OBJECT

private slots:
    void generatorKnownAnswers()
    {
        RunTimeRandom random;
        QCOMPARE(qRound(random.rnd() * 1e7), 7055475);
        QCOMPARE(qRound(random.rnd() * 1e7), 5334240);
        QCOMPARE(qRound(random.rnd() * 1e7), 5795186);
        QCOMPARE(qRound(random.rnd(0) * 1e7), 5795186);
        QCOMPARE(qRound(random.rnd(-1) * 1e7), 2240070);
    }

    void keyseedKnownAnswer() { QCOMPARE(keyseed(QStringLiteral("quillmop")), 528368520); }

    void scrambleKnownAnswers_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("stored");
        QTest::newRow("none") << "none" << "@jM8";
        QTest::newRow("Home") << "Home" << "yjL8";
        QTest::newRow("10") << "10" << "b+";
        QTest::newRow("tab dropped") << "a\tb" << "3]";
    }
    void scrambleKnownAnswers()
    {
        QFETCH(QString, plain);
        QFETCH(QString, stored);
        QCOMPARE(scramble(scrambleKey(), plain), stored);
    }

    void edgeLines_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("back");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("tab only: lost") << "\t"
                                        << "";
        QTest::newRow("blanks at both ends") << "  My Book  "
                                             << "  My Book  ";
        QTest::newRow("comma and quotes") << "a,\"b\", c"
                                          << "a,\"b\", c";
        QTest::newRow("beyond ASCII dropped") << QString::fromUtf8("Bür\u00f6 1") << "Br 1";
        QTest::newRow("control and DEL dropped") << QStringLiteral("a\x01"
                                                                   "b\x7f")
                                                 << "ab";
    }
    void edgeLines()
    {
        QFETCH(QString, plain);
        QFETCH(QString, back);
        const QString stored = scramble(scrambleKey(), plain);
        QCOMPARE(stored.size(), back.size());
        for (const QChar ch : stored) {
            QVERIFY(ch.unicode() >= 32 && ch.unicode() <= 126);
        }
        QCOMPARE(unscramble(scrambleKey(), stored), back);
        QCOMPARE(scramble(scrambleKey(), plain), stored); // the same line twice, the same result
    }

    // Every printable line comes back, however long (no 32,766 character limit).
    void printableLinesRoundTrip()
    {
        QRandomGenerator random(17);
        for (int i = 0; i < 500; ++i) {
            const int length = i == 0 ? 70000 : random.bounded(200);
            QString plain;
            for (int j = 0; j < length; ++j) {
                plain += QChar(char16_t(random.bounded(32, 127)));
            }
            QCOMPARE(unscramble(scrambleKey(), scramble(scrambleKey(), plain)), plain);
        }
    }

    // The j-th kept character gets the same shift in every line.
    void shiftsDependOnPositionOnly()
    {
        const QString a = scramble(scrambleKey(), QStringLiteral("aaaa"));
        QCOMPARE(scramble(scrambleKey(), QStringLiteral("aa")), a.left(2));
        QCOMPARE(scramble(scrambleKey(), QStringLiteral("a\tb")).at(1),
                 scramble(scrambleKey(), QStringLiteral("ab")).at(1));
    }

    void firstKeyCharacterDoesNotCount()
    {
        QCOMPARE(keyseed(QStringLiteral("xuillmop")), keyseed(scrambleKey()));
        QVERIFY(keyseed(QStringLiteral("qxillmop")) != keyseed(scrambleKey()));
    }
};

VENNOR_TEST(ScrambleTest)
#include "scrambletest.moc"
