#include "support/testregistry.h"
#include "widgets/simplecombo.h"
#include "widgets/sortedtext.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

using namespace vennor;

namespace {

// Texts that probe the order: cases, digits ("100" before "20"), blanks and punctuation,
// accents and other scripts, characters the collator ignores.
QString randomText(QRandomGenerator& random)
{
    static const QString alphabet =
        QStringLiteral("aAbBzZ019 .-'_,@/&()+~\"éÉèñßüÜœ€ÿ\u0301\u200b\u0416ｂ");
    QString text;
    // Few digits and long texts, so that many share their first eight characters.
    const bool plainDigits = random.bounded(4) == 0;
    for (int n = random.bounded(0, plainDigits ? 13 : 7); n > 0; --n) {
        text += plainDigits ? QChar(u'0' + random.bounded(3))
                            : alphabet.at(random.bounded(int(alphabet.size())));
    }
    return text;
}

int sign(int order)
{
    return (order > 0) - (order < 0);
}

} // namespace

// The fast paths of the sorted lists give exactly the collator's order.
class ListOrderTest : public QObject
{
    Q_OBJECT

private slots:
    void ordersAsTheCollator()
    {
        QRandomGenerator random(13);
        for (int round = 0; round < 40; ++round) {
            QStringList texts;
            for (int i = random.bounded(1, 300); i > 0; --i) {
                texts << randomText(random);
            }
            for (qsizetype i = 1; i < texts.size(); ++i) {
                const QString& a = texts.at(i - 1);
                const QString& b = texts.at(i);
                QCOMPARE(sign(sortedtext::compare(a, b)),
                         sign(sortedtext::compareByCollator(a, b)));
            }
            QStringList expected = texts;
            std::stable_sort(expected.begin(), expected.end(),
                             [](const QString& a, const QString& b) {
                                 return sortedtext::compareByCollator(a, b) < 0;
                             });
            QStringList sorted = texts;
            sortedtext::sort(sorted);
            QCOMPARE(sorted, expected);
        }
    }

    // Entries added one by one, in bulk and at positions, then looked up and removed: the box
    // agrees with a plain list searched from the start.
    void sortedBoxFindsAsALinearSearch()
    {
        QRandomGenerator random(7);
        SimpleCombo box;
        box.setSorted(true);
        QStringList bulk;
        for (int i = 0; i < 200; ++i) {
            bulk << randomText(random);
        }
        box.addItems(bulk);
        for (int i = 0; i < 3; ++i) {
            box.insertItem(box.count(), QString());
        }
        for (int step = 0; step < 300; ++step) {
            const QString text = randomText(random);
            switch (random.bounded(4)) {
            case 0:
                box.removeItem(box.indexOf(text));
                break;
            case 1:
                box.insertItem(random.bounded(box.count() + 1), text); // may break the order
                break;
            default:
                box.addItem(text);
            }
            const QStringList entries = box.entries();
            QCOMPARE(box.indexOf(text), int(entries.indexOf(text)));
            const QString some = entries.value(random.bounded(int(entries.size()) + 1));
            QCOMPARE(box.indexOf(some), int(entries.indexOf(some)));
        }
    }
};

VENNOR_TEST(ListOrderTest)
#include "listordertest.moc"
