#include "platform/printer.h"
#include "printing/pagelayout.h"
#include "support/recordingprinter.h"
#include "support/testregistry.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vennor;

using Records = QList<PrintedRecord>;

namespace {

// A drawn text as "text p<page> x,y", x and y in character cells.
QString spot(const test::PrintedText& text)
{
    return QStringLiteral("%1 p%2 %3,%4")
        .arg(text.text)
        .arg(text.page)
        .arg(QString::number(text.x, 'g', 5), QString::number(text.y, 'g', 5));
}

void row(const char* tag, float y, qint16 currx, double cellsPerChar, const Records& records,
         const QStringList& spots)
{
    QTest::newRow(tag) << y << currx << cellsPerChar << records << spots;
}

int count(const QByteArray& pdf, const char* pattern)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QLatin1String(pattern))));
}

} // namespace

class PageLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    // The recording printer's line height h is 1.25 rows; cellsPerChar sets the text width.
    void linesLandInPlace_data()
    {
        QTest::addColumn<float>("y");
        QTest::addColumn<qint16>("currx");
        QTest::addColumn<double>("cellsPerChar");
        QTest::addColumn<Records>("records");
        QTest::addColumn<QStringList>("expected");
        const QString abc39 = QStringLiteral("abcdefghijklmnopqrstuvwxyzabcdefghijklm");
        const QString spaced39 = QStringLiteral("abc def ghi jkl mno pqr stu vwx yz1 23x");
        const QString w(60, u'w'), l(50, u'l'), q(80, u'q'), y(37, u'y');
        const QString words = QStringLiteral("one two three four five six seven eight nine ten");
        const QString number = QStringLiteral("Home: ") + QString(70, u'7');

        row("example, a record without numbers, one without e-mail", 5, 4, 1,
            {{"ann", "a@b.c", "1 main st", {"Home: 1", "Work: 2"}},
             {"bob", {}, {}, {}},
             {"cy", {}, {}, {"Fax: 3"}}},
            {"ann p1 4,5", "a@b.c p1 5,6.2", "1 main st p1 5,7.4", "Home: 1 p1 5,8.6",
             "Work: 2 p1 5,9.85", "bob p1 4,12.3", "cy p1 4,14.7", "Fax: 3 p1 5,15.9"});
        row("exactly the limit prints in place", 65.5F, 4, 1, {{"ann", {}, {}, {}}},
            {"ann p1 4,65.5"});
        row("name below the left column", 65.6F, 4, 1, {{"ann", "mail", {}, {"Home: 1"}}},
            {"ann p1 50,5", "mail p1 51,6.2", "Home: 1 p1 51,7.4"});
        row("name below the right column", 66, 50, 1, {{"ann", {}, {}, {"Home: 1"}}},
            {"ann p2 4,5", "Home: 1 p2 5,6.2"});
        row("e-mail opens a page", 65, 50, 1, {{"ann", "mail", {}, {}}},
            {"ann p1 50,65", "mail p2 5,5"});
        row("second number opens the right column", 64, 4, 1,
            {{"ann", {}, {}, {"Home: 1", "Home: 2"}}},
            {"ann p1 4,64", "Home: 1 p1 5,65.2", "Home: 2 p1 51,5"});
        row("39-character name", 5, 4, 1.1, {{abc39, {}, {}, {"Home: 1"}}},
            {abc39.first(38) + " p1 4,5", "m p1 4,6.2", "Home: 1 p1 5,7.4"});
        row("39-character name with blanks", 5, 4, 1.1, {{spaced39, {}, {}, {}}},
            {spaced39.first(38) + " p1 4,5", "x p1 4,6.2"});
        row("60-character word; a number line is never wrapped", 5, 4, 1.1,
            {{"ann", {}, w, {number}}},
            {"ann p1 4,5", w.first(37) + " p1 5,6.2", w.first(23) + " p1 5,7.4",
             number + " p1 5,8.6"});
        row("short word before a long one", 5, 4, 1.1, {{"ann", {}, "ab " + l, {}}},
            {"ann p1 4,5", "ab  p1 5,6.2", l.first(37) + " p1 5,7.4", l.first(13) + " p1 5,8.6"});
        row("last blank within the piece", 5, 4, 1.1, {{"ann", {}, words, {}}},
            {"ann p1 4,5", "one two three four five six seven  p1 5,6.2",
             "eight nine ten p1 5,7.4"});
        row("38 - add characters left print whole", 5, 4, 1.1, {{"ann", {}, "x " + y, {}}},
            {"ann p1 4,5", "x  p1 5,6.2", y + " p1 5,7.4"});
        row("pieces keep their indent across a column", 64, 4, 1.1, {{"ann", {}, q, {}}},
            {"ann p1 4,64", q.first(37) + " p1 5,65.2", q.first(37) + " p1 51,5",
             q.first(6) + " p1 51,6.2"});
        row("narrow text is not wrapped", 5, 4, 0.5, {{"ann", {}, q, {}}},
            {"ann p1 4,5", q + " p1 5,6.2"});
    }
    void linesLandInPlace()
    {
        QFETCH(float, y);
        QFETCH(qint16, currx);
        QFETCH(double, cellsPerChar);
        QFETCH(Records, records);
        QFETCH(QStringList, expected);
        test::PrintLog log;
        log.cellsWide = [=](const QString& text) { return double(text.size()) * cellsPerChar; };
        test::RecordingPrinter printer(log);
        PageLayout layout(printer);
        layout.setup();
        QCOMPARE(printer.fontSize(), 12.0);
        QCOMPARE(printer.paperSize(), Printer::PaperSize::A4);
        QCOMPARE(spot({{}, printer.page(), printer.currentX(), printer.currentY()}), " p1 4,5");
        printer.setCurrentY(y);
        layout.currx = currx;
        for (const PrintedRecord& record : records) {
            layout.printRecord(record);
        }
        QVERIFY(printer.endDoc().ok());
        QStringList printed;
        for (const test::PrintedText& text : log.texts()) {
            printed.append(spot(text));
        }
        QCOMPARE(printed, expected);
    }

    void realPrinterWritesA4Pages()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.pdf"));
        auto printer = SystemPrinter::toPdf(path);
        PageLayout layout(*printer);
        layout.setup();
        // 12 points in cells of 1/12 by 1/6 inch: 20 letters fit a column, a line is a little
        // more than a row.
        QVERIFY(printer->textWidth(QString(20, u'i')) < printer->textWidth(QString(20, u'W')));
        QVERIFY(printer->textWidth(QString(20, u'W')) < 40);
        printer->printLine(QStringLiteral("x"));
        QVERIFY(printer->currentY() > 5.9F && printer->currentY() < 6.6F);
        printer->killDoc();
        QVERIFY(!QFile::exists(path));

        layout.setup();
        for (int i = 0; i < 20; ++i) {
            layout.printRecord({QStringLiteral("person %1").arg(i),
                                QStringLiteral("p@mail.example"),
                                QStringLiteral("%1 long road, a town far away, the county").arg(i),
                                {QStringLiteral("Home: 555"), QStringLiteral("Mobile: 0700")}});
        }
        const int pages = printer->page();
        QVERIFY(pages > 1);
        QVERIFY(printer->endDoc().ok());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QCOMPARE(count(pdf, "/Type\\s*/Page(?![a-zA-Z])"), pages);
        QCOMPARE(count(pdf, "/MediaBox\\s*\\[0 0 595\\S* 84[12]\\S*\\]"), pages); // A4

        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) {
            QSKIP("pdftotext not installed: the text itself was not checked");
        }
        QProcess extract;
        extract.start(pdftotext, {QStringLiteral("-raw"), path, QStringLiteral("-")});
        QVERIFY(extract.waitForFinished(10000));
        const QString text = QString::fromUtf8(extract.readAllStandardOutput());
        const qsizetype first = text.indexOf(QStringLiteral("person 0"));
        QVERIFY(first >= 0 && first < text.indexOf(QStringLiteral("person 19")));
    }
};

VENNOR_TEST(PageLayoutTest)
#include "layouttest.moc"
