#include "storage/numeric.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;

class NumericTest : public QObject
{
    Q_OBJECT

private slots:
    void numericTest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("digits") << "123" << true;
        QTest::newRow("decimal") << "12.5" << true;
        QTest::newRow("leading point") << ".5" << true;
        QTest::newRow("trailing point") << "5." << true;
        QTest::newRow("blanks around") << "  0123  " << true;
        QTest::newRow("leading zeros") << "000" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks only") << "   " << false;
        QTest::newRow("point only") << "." << false;
        QTest::newRow("two points") << "1.2.3" << false;
        QTest::newRow("inner blank") << "12 34" << false;
        QTest::newRow("street") << "12 Main St" << false;
        QTest::newRow("sign") << "-12" << false;
        QTest::newRow("plus") << "+12" << false;
        QTest::newRow("exponent") << "1e5" << false;
        QTest::newRow("comma") << "1,5" << false;
        QTest::newRow("tab") << "\t12" << false;
        QTest::newRow("end line") << ")" << false;
        QTest::newRow("arabic digits") << QString::fromUtf8("\u0661\u0662") << false;
        QTest::newRow("type code and number") << "2123" << true;
    }
    void numericTest()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(isNumeric(text), numeric);
    }
};

VENNOR_TEST(NumericTest)
#include "numerictest.moc"
