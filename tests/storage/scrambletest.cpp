#include "storage/scramble.h"
#include "support/testregistry.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

using namespace vennor;

class ScrambleTest : public QObject
{
    Q_OBJECT

private slots:
    void knownAnswers()
    {
        RunTimeRandom random;
        for (const int expected : {7055475, 5334240, 5795186}) {
            QCOMPARE(qRound(random.rnd() * 1e7), expected);
        }
        QCOMPARE(qRound(random.rnd(0) * 1e7), 5795186);
        QCOMPARE(qRound(random.rnd(-1) * 1e7), 2240070);
        QCOMPARE(keyseed(QStringLiteral("quillmop")), 528368520);
        const QList<std::pair<QString, QString>> lines = {
            {"none", "@jM8"}, {"Home", "yjL8"}, {"10", "b+"}, {"a\tb", "3]"}};
        for (const auto& [plain, stored] : lines) {
            QCOMPARE(scramble(scrambleKey(), plain), stored);
            QCOMPARE(unscramble(scrambleKey(), stored), QString(plain).remove(u'\t'));
        }
    }

    // Any line, however long (no 32,766 limit), is stored as printable ASCII and comes back
    // without the characters outside it (control, tab, DEL, beyond ASCII).
    void linesRoundTrip()
    {
        QRandomGenerator random(17);
        for (int i = 0; i < 500; ++i) {
            QString plain;
            QString printable;
            for (int j = i == 0 ? 70000 : i % 200; j > 0; --j) {
                const QChar ch(char16_t(random.bounded(1, 260)));
                plain += ch;
                if (ch >= u' ' && ch <= u'~') {
                    printable += ch;
                }
            }
            const QString stored = scramble(scrambleKey(), plain);
            QVERIFY(std::all_of(stored.begin(), stored.end(),
                                [](QChar ch) { return ch >= u' ' && ch <= u'~'; }));
            QCOMPARE(unscramble(scrambleKey(), stored), printable);
        }
    }
};

VENNOR_TEST(ScrambleTest)
#include "scrambletest.moc"
