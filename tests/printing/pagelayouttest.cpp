#include "printing/pagelayout.h"
#include "support/recordingprinter.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;
using test::PrintedText;

namespace {

// Where a text was drawn, as the layout's own float arithmetic puts it.
struct Spot
{
    QString text;
    int page;
    float x;
    float y;
};

// The expected y of a line some steps of 1.2 below another, each step rounded to single
// precision as the layout stores it.
float below(float y, int steps)
{
    for (int i = 0; i < steps; ++i) {
        y = float(y + 1.2);
    }
    return y;
}

} // namespace

class PageLayoutTest : public QObject
{
    Q_OBJECT

private:
    test::PrintLog log;
    std::unique_ptr<test::RecordingPrinter> printer;
    std::unique_ptr<PageLayout> layout;

    QList<PrintedText> finish()
    {
        printer->endDoc();
        return log.texts();
    }

    static void compareSpots(const QList<PrintedText>& printed, const QList<Spot>& expected)
    {
        QCOMPARE(printed.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const QByteArray where =
                "line " + QByteArray::number(i) + " " + printed[i].text.toUtf8();
            QVERIFY2(printed[i].text == expected[i].text, where);
            QVERIFY2(printed[i].page == expected[i].page, where);
            QVERIFY2(qFuzzyCompare(printed[i].x, expected[i].x), where);
            QVERIFY2(qFuzzyCompare(printed[i].y, expected[i].y), where);
        }
    }

private slots:
    void init()
    {
        log = test::PrintLog();
        printer = std::make_unique<test::RecordingPrinter>(log);
        layout = std::make_unique<PageLayout>(*printer);
        layout->setup();
    }

    void setupFixesFontUnitPaperAndStart()
    {
        QCOMPARE(printer->fontSize(), 12.0);
        QCOMPARE(printer->scaleMode(), Printer::ScaleMode::Characters);
        QCOMPARE(printer->paperSize(), Printer::PaperSize::A4);
        QCOMPARE(printer->currentY(), 5.0F);
        QCOMPARE(printer->currentX(), 4.0F);
        QCOMPARE(layout->currx, qint16(4));
    }

    void recordLinesFollowTheExample_data()
    {
        QTest::addColumn<double>("h");
        QTest::newRow("h 1.25") << 1.25;
        QTest::newRow("h 0.9") << 0.9;
    }
    void recordLinesFollowTheExample()
    {
        QFETCH(double, h);
        log.lineHeightInRows = h;
        layout->printRecord({"ann", "a@b.c", "1 main st", {"Home: 123", "Work: 456"}});
        layout->printRecord({"bob", {}, {}, {}});
        const float numbers = below(5, 3);
        const float second = float(numbers + h);
        const float next = float(float(second + h) + 1.2);
        compareSpots(finish(), {{"ann", 1, 4, 5},
                                {"a@b.c", 1, 5, below(5, 1)},
                                {"1 main st", 1, 5, below(5, 2)},
                                {"Home: 123", 1, 5, numbers},
                                {"Work: 456", 1, 5, second},
                                {"bob", 1, 4, next}});
        QCOMPARE(layout->currx, qint16(4));
    }

    void emptyFieldsAndNumbersCloseTheGaps()
    {
        layout->printRecord({"ann", {}, {}, {"Home: 1"}});
        printer->setCurrentY(20);
        layout->printRecord({"bob", {}, "addr", {}});
        layout->printRecord({"cy", {}, {}, {}});
        compareSpots(finish(), {{"ann", 1, 4, 5},
                                {"Home: 1", 1, 5, below(5, 1)},
                                {"bob", 1, 4, 20},
                                {"addr", 1, 5, below(20, 1)},
                                {"cy", 1, 4, below(below(20, 1), 2)}});
    }

    void nameBelowTheLeftColumnGoesRight()
    {
        printer->setCurrentY(65.6F);
        layout->printRecord({"ann", "mail", {}, {"Home: 1"}});
        compareSpots(
            finish(),
            {{"ann", 1, 50, 5}, {"mail", 1, 51, below(5, 1)}, {"Home: 1", 1, 51, below(5, 2)}});
        QCOMPARE(layout->currx, qint16(50));
    }

    void exactlyTheLimitStillPrintsInPlace()
    {
        printer->setCurrentY(65.5F);
        layout->printRecord({"ann", {}, {}, {}});
        compareSpots(finish(), {{"ann", 1, 4, 65.5F}});
    }

    void recordSplitsAcrossColumnAndPage()
    {
        printer->setCurrentY(65);
        layout->printRecord({"ann", "mail", {}, {}});
        // The right column is full too: the name stays, its e-mail opens page 2.
        printer->setCurrentY(65);
        layout->printRecord({"bob", "mail2", {}, {"Fax: 9"}});
        compareSpots(finish(), {{"ann", 1, 4, 65},
                                {"mail", 1, 51, 5},
                                {"bob", 1, 50, 65},
                                {"mail2", 2, 5, 5},
                                {"Fax: 9", 2, 5, below(5, 1)}});
        QCOMPARE(printer->page(), 1); // the job has ended
        QCOMPARE(log.pages(), 2);
    }

    void nameBelowTheRightColumnStartsAPage()
    {
        layout->currx = 50;
        printer->setCurrentY(66);
        layout->printRecord({"ann", {}, {}, {"Home: 1"}});
        QCOMPARE(printer->page(), 2);
        compareSpots(finish(), {{"ann", 2, 4, 5}, {"Home: 1", 2, 5, below(5, 1)}});
        QCOMPARE(log.pages(), 2);
        QVERIFY(log.jobs[0][0].isEmpty());
    }

    void numberLineBelowTheColumnMoves()
    {
        printer->setCurrentY(64);
        log.lineHeightInRows = 1.0;
        layout->printRecord({"ann", {}, {}, {"Home: 1", "Home: 2"}});
        compareSpots(finish(),
                     {{"ann", 1, 4, 64}, {"Home: 1", 1, 5, below(64, 1)}, {"Home: 2", 1, 51, 5}});
    }

    void numberLinesAreNeverWrapped()
    {
        log.cellsWide = [](const QString& text) { return text.size() * 3.0; };
        const QString number = QStringLiteral("Home: ") + QString(70, u'7');
        layout->printRecord({"ann", {}, {}, {number}});
        const QList<PrintedText> printed = finish();
        QCOMPARE(printed.size(), 2);
        QCOMPARE(printed[1].text, number);
    }

    void narrowTextIsNotWrappedHoweverLong()
    {
        log.cellsWide = [](const QString& text) { return text.size() * 0.5; };
        const QString address(80, u'a');
        layout->printRecord({"ann", {}, address, {}});
        QCOMPARE(finish().at(1).text, address);
    }

    void wideTextIsCutIntoPieces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QStringList>("pieces");
        QTest::addColumn<int>("add");

        const QString letters39 = QStringLiteral("abcdefghijklmnopqrstuvwxyzabcdefghijklm");
        QTest::newRow("39-character name")
            << letters39 << QString() << QStringList{letters39.first(38), letters39.last(1)} << 0;
        const QString spaced39 = QStringLiteral("abc def ghi jkl mno pqr stu vwx yz1 23x");
        QTest::newRow("39-character name with blanks")
            << spaced39 << QString() << QStringList{spaced39.first(38), spaced39.last(1)} << 0;
        const QString word60(60, u'w');
        QTest::newRow("60-character word address")
            << "ann" << word60 << QStringList{word60.first(37), word60.last(23)} << 1;
        const QString word50(50, u'l');
        QTest::newRow("short word then a long one")
            << "ann"
            << "ab " + word50 << QStringList{"ab ", word50.first(37), word50.last(13)} << 1;
        const QString words = QStringLiteral("one two three four five six seven eight nine "
                                             "ten eleven twelve");
        QTest::newRow("breaks at the last blank")
            << "ann" << words
            << QStringList{"one two three four five six seven ", "eight nine ten eleven twelve"}
            << 1;
        QTest::newRow("piece of 38 - add chars left whole")
            << "ann"
            << "x " + QString(37, u'y') << QStringList{"x ", QString(37, u'y')} << 1;
    }
    void wideTextIsCutIntoPieces()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(QStringList, pieces);
        QFETCH(int, add);
        log.cellsWide = [](const QString& text) { return text.size() * 1.1; };
        layout->printRecord({name, {}, address, {"Home: 1"}});
        const QList<PrintedText> printed = finish();

        const qsizetype first = add == 0 ? 0 : 1;
        QCOMPARE(printed.size(), first + pieces.size() + 1);
        float y = add == 0 ? 5.0F : below(5, 1);
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            const PrintedText& piece = printed[first + i];
            QCOMPARE(piece.text, pieces[i]);
            QCOMPARE(piece.x, float(4 + add));
            QCOMPARE(piece.y, y);
            y = below(y, 1);
        }
        // The line after a wrapped text is one step below its last piece.
        QCOMPARE(printed.last().y, y);
    }

    void wrappedPiecesBreakColumnsWithTheirIndent()
    {
        log.cellsWide = [](const QString& text) { return text.size() * 1.1; };
        printer->setCurrentY(64);
        layout->printRecord({"ann", {}, QString(80, u'q'), {}});
        compareSpots(finish(), {{"ann", 1, 4, 64},
                                {QString(37, u'q'), 1, 5, below(64, 1)},
                                {QString(37, u'q'), 1, 51, 5},
                                {QString(6, u'q'), 1, 51, below(5, 1)}});
    }

    void killedJobPrintsNothing()
    {
        layout->printRecord({"ann", {}, {}, {}});
        printer->newPage();
        QCOMPARE(printer->page(), 2);
        printer->killDoc();
        QCOMPARE(printer->page(), 1);
        QVERIFY(printer->endDoc().ok());
        QVERIFY(log.jobs.isEmpty());
    }
};

VENNOR_TEST(PageLayoutTest)
#include "pagelayouttest.moc"
