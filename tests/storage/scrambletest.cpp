#include "storage/scramble.h"
#include "support/testregistry.h"

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
};

VENNOR_TEST(ScrambleTest)
#include "scrambletest.moc"
