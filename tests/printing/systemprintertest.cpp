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

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects, not the page tree ("/Type /Pages").
int pdfPageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(pdf).count(page));
}

QList<QSizeF> pdfMediaBoxes(const QByteArray& pdf)
{
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
    QList<QSizeF> sizes;
    for (const auto& match : box.globalMatch(QString::fromLatin1(pdf))) {
        sizes.append({match.captured(1).toDouble(), match.captured(2).toDouble()});
    }
    return sizes;
}

} // namespace

class SystemPrinterTest : public QObject
{
    Q_OBJECT

private slots:
    // The position rules every printer shares, seen through the recording one.
    void positionMovesAsTextIsPrinted()
    {
        test::PrintLog log;
        log.lineHeightInRows = 1.5;
        test::RecordingPrinter printer(log);
        printer.setScaleMode(Printer::ScaleMode::Characters);
        printer.setCurrentX(3);
        printer.setCurrentY(2);
        printer.print(QStringLiteral("abcd"));
        QCOMPARE(printer.currentX(), 7.0F);
        QCOMPARE(printer.currentY(), 2.0F);
        printer.printLine(QStringLiteral("xy"));
        QCOMPARE(printer.currentX(), 0.0F);
        QCOMPARE(printer.currentY(), 3.5F);
        QCOMPARE(printer.textWidth(QStringLiteral("abc")), 3.0F);
        printer.setScaleMode(Printer::ScaleMode::Twips);
        QCOMPARE(printer.currentY(), 3.5F * 240);
        QCOMPARE(printer.textWidth(QStringLiteral("abc")), 360.0F);
        QCOMPARE(printer.page(), 1);
        printer.newPage();
        QCOMPARE(printer.page(), 2);
        QVERIFY(printer.endDoc().ok());
        QCOMPARE(log.pages(), 2);
        QCOMPARE(log.texts().size(), 2);
        QCOMPARE(printer.page(), 1);
    }

    void nothingDrawnSendsNothing()
    {
        test::PrintLog log;
        test::RecordingPrinter printer(log);
        printer.setFontSize(12);
        printer.setCurrentY(40);
        QVERIFY(printer.endDoc().ok());
        QVERIFY(log.jobs.isEmpty());
    }

    void measuresWithTheTwelvePointFont()
    {
        QTemporaryDir dir;
        auto printer = SystemPrinter::toPdf(dir.filePath(QStringLiteral("m.pdf")));
        QVERIFY(printer->ready().ok());
        printer->setFontSize(12);
        printer->setScaleMode(Printer::ScaleMode::Characters);
        const float wide = printer->textWidth(QString(20, u'W'));
        const float narrow = printer->textWidth(QString(20, u'i'));
        QVERIFY2(narrow > 2 && narrow < wide && wide < 40, qPrintable(QString::number(wide)));
        // 12 points of a 1/6-inch row: a line is a little more than one row.
        printer->printLine(QStringLiteral("x"));
        QVERIFY2(printer->currentY() > 0.9F && printer->currentY() < 1.6F,
                 qPrintable(QString::number(printer->currentY())));
        printer->setFontSize(24);
        QVERIFY(printer->textWidth(QString(20, u'W')) > wide * 1.8F);
        printer->killDoc();
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("m.pdf"))));
    }

    void phoneBookBecomesAnA4Pdf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.pdf"));
        auto printer = SystemPrinter::toPdf(path);
        PageLayout layout(*printer);
        layout.setup();
        for (int i = 0; i < 70; ++i) {
            layout.printRecord(
                {QStringLiteral("person %1").arg(i),
                 QStringLiteral("p%1@mail.example").arg(i),
                 QStringLiteral("%1 long road, a town far away from here, the county").arg(i),
                 {QStringLiteral("Home: 555 %1").arg(i),
                  QStringLiteral("Mobile: 0700 %1").arg(i)}});
        }
        const int pages = printer->page();
        QVERIFY(pages >= 2);
        QVERIFY(!QFile::exists(path)); // nothing goes out before the job ends
        QVERIFY(printer->endDoc().ok());

        const QByteArray pdf = readAll(path);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdfPageCount(pdf), pages);
        const QList<QSizeF> boxes = pdfMediaBoxes(pdf);
        QVERIFY(!boxes.isEmpty());
        for (const QSizeF& box : boxes) {
            QVERIFY(qAbs(box.width() - 595.3) < 1 && qAbs(box.height() - 841.9) < 1);
        }

        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) {
            QSKIP("pdftotext not installed: the text itself was not checked");
        }
        QProcess extract;
        extract.start(pdftotext, {QStringLiteral("-raw"), path, QStringLiteral("-")});
        QVERIFY(extract.waitForFinished(10000));
        const QString text = QString::fromUtf8(extract.readAllStandardOutput());
        QVERIFY(text.contains(QStringLiteral("person 0")));
        QVERIFY(text.contains(QStringLiteral("Mobile: 0700 69")));
        QVERIFY(text.indexOf(QStringLiteral("person 0")) <
                text.indexOf(QStringLiteral("person 69")));
    }

    void unwritableOutputFails()
    {
        auto printer = SystemPrinter::toPdf(QStringLiteral("/nonexistent/folder/book.pdf"));
        printer->print(QStringLiteral("x"));
        const Status status = printer->endDoc();
        QVERIFY(!status.ok());
        QVERIFY(!status.error().isEmpty());
    }
};

VENNOR_TEST(SystemPrinterTest)
#include "systemprintertest.moc"
