#include "storage/numeric.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;

class NumericTest : public QObject
{
    Q_OBJECT

private slots:
    void numericTest()
    {
        const QStringList numbers = {"123", "12.5", ".5", "5.", "  0123  ", "000", "2123"};
        const QStringList others = {
            "",           " ",   ".",    "1.2.3", "12 34",
            "12 Main St", "-12", "+12",  "1e5",   "1,5",
            "\t12",       ")",   "12\n", "0x1F",  QString::fromUtf8("\u0661\u0662")};
        for (const QString& text : numbers) {
            QVERIFY2(isNumeric(text), qPrintable(text));
        }
        for (const QString& text : others) {
            QVERIFY2(!isNumeric(text), qPrintable(text));
        }
    }
};

VENNOR_TEST(NumericTest)
#include "numerictest.moc"
