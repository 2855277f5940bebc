// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/printing/pagelayout.h"
#include "gui/printing/printselectionwindow.h"
#include "platform/printer.h"
#include "support/messagelog.h"
#include "support/recordingprinter.h"
#include "support/recordshost.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace vennor;
using Answer = MessageBox::Answer;
using Records = QList<PrintedRecord>;

namespace {

void layoutRow(const char* tag, float y, qint16 lineStartX, double cellsPerChar,
               const Records& records, const QStringList& spots)
{
    QTest::newRow(tag) << y << lineStartX << cellsPerChar << records << spots;
}

int marked(const QListWidget* list)
{
    int count = 0;
    for (int i = 0; i < list->count(); ++i) {
        count += list->item(i)->checkState() == Qt::Checked ? 1 : 0;
    }
    return count;
}

void buttonRow(const char* tag, const char* record,
               const PrintSelectionWindow::PrinterFactory& printer, const QList<Answer>& answers,
               const QStringList& shown)
{
    QTest::newRow(tag) << QString::fromLatin1(record) << printer << answers << shown;
}

// A text as a PDF writes it into a string: UTF-16 after a byte order mark.
QByteArray pdfText(const QString& text)
{
    QByteArray bytes("\xfe\xff");
    for (const QChar c : text) {
        bytes += char(c.unicode() >> 8);
        bytes += char(c.unicode() & 0xff);
    }
    return bytes;
}

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT

private:
    SharedState state;
    test::PrintLog printLog;
    std::unique_ptr<test::RecordsHost> host;

private slots:
    void init()
    {
        state = SharedState();
        printLog = test::PrintLog();
        host = std::make_unique<test::RecordsHost>(state);
        host->add({"carol", "c@x.y", "3 elm", "note", {{0, "123"}, {2, ""}}});
        host->add({"anna", {}, {}, {}, {{3, "99"}}});
        host->add({"bob", {}, {}, {}, {}});
    }

    // The recording printer's line height h is 1.25 rows; cellsPerChar sets the text width.
    void linesLandInPlace_data()
    {
        QTest::addColumn<float>("y");
        QTest::addColumn<qint16>("lineStartX");
        QTest::addColumn<double>("cellsPerChar");
        QTest::addColumn<Records>("records");
        QTest::addColumn<QStringList>("expected");
        const QString spaced39 = QStringLiteral("abc def ghi jkl mno pqr stu vwx yz1 23x");
        const QString w(60, u'w'), q(80, u'q');
        const QString number = QStringLiteral("Home: ") + QString(70, u'7');

        layoutRow("example, a record without numbers, one without e-mail", 5, 4, 1,
                  {{"ann", "a@b.c", "1 main st", {"Home: 1", "Work: 2"}},
                   {"bob", {}, {}, {}},
                   {"cy", {}, {}, {"Fax: 3"}}},
                  {"ann p1 4,5", "a@b.c p1 5,6.2", "1 main st p1 5,7.4", "Home: 1 p1 5,8.6",
                   "Work: 2 p1 5,9.85", "bob p1 4,12.3", "cy p1 4,14.7", "Fax: 3 p1 5,15.9"});
        layoutRow("exactly the limit prints in place", 65.5F, 4, 1, {{"ann", {}, {}, {}}},
                  {"ann p1 4,65.5"});
        layoutRow("name below the left column", 65.6F, 4, 1, {{"ann", "mail", {}, {"Home: 1"}}},
                  {"ann p1 50,5", "mail p1 51,6.2", "Home: 1 p1 51,7.4"});
        layoutRow("name below the right column", 66, 50, 1, {{"ann", {}, {}, {"Home: 1"}}},
                  {"ann p2 4,5", "Home: 1 p2 5,6.2"});
        layoutRow("e-mail opens a page", 65, 50, 1, {{"ann", "mail", {}, {}}},
                  {"ann p1 50,65", "mail p2 5,5"});
        layoutRow("second number opens the right column", 64, 4, 1,
                  {{"ann", {}, {}, {"Home: 1", "Home: 2"}}},
                  {"ann p1 4,64", "Home: 1 p1 5,65.2", "Home: 2 p1 51,5"});
        layoutRow("39-character name, blanks or not", 5, 4, 1.1, {{spaced39, {}, {}, {"Home: 1"}}},
                  {spaced39.first(38) + " p1 4,5", "x p1 4,6.2", "Home: 1 p1 5,7.4"});
        layoutRow("60-character word; a number line is never wrapped", 5, 4, 1.1,
                  {{"ann", {}, w, {number}}},
                  {"ann p1 4,5", w.first(37) + " p1 5,6.2", w.first(23) + " p1 5,7.4",
                   number + " p1 5,8.6"});
        layoutRow("pieces keep their indent across a column", 64, 4, 1.1, {{"ann", {}, q, {}}},
                  {"ann p1 4,64", q.first(37) + " p1 5,65.2", q.first(37) + " p1 51,5",
                   q.first(6) + " p1 51,6.2"});
        layoutRow("narrow text is not wrapped", 5, 4, 0.5, {{"ann", {}, q, {}}},
                  {"ann p1 4,5", q + " p1 5,6.2"});
    }
    void linesLandInPlace()
    {
        QFETCH(float, y);
        QFETCH(qint16, lineStartX);
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
        QCOMPARE(QPointF(printer.currentX(), printer.currentY()), QPointF(4, 5));
        printer.setCurrentY(y);
        layout.lineStartX = lineStartX;
        for (const PrintedRecord& record : records) {
            layout.printRecord(record);
        }
        QVERIFY(printer.endDoc().ok());
        QCOMPARE(log.drawn(), expected);
    }

    // Through the real printer class to a PDF: as many A4 pages as the question said.
    void printsARealPdf()
    {
        for (int i = 10; i < 30; ++i) {
            const QString name = QStringLiteral("person %1").arg(i);
            host->add({name, "p@x.y", "a long road in a town far away", {}, {{0, "5"}, {1, "7"}}});
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.pdf"));
        auto probe = SystemPrinter::toPdf(path);
        probe->setScaleMode(Printer::ScaleMode::Characters);
        probe->printLine(QStringLiteral("x"));
        // 12 points in cells of 1/12 by 1/6 inch: ten digits 10 to 13.5 cells, a line 1.15 rows.
        QVERIFY(qAbs(probe->textWidth(QStringLiteral("0123456789")) - 11.75F) < 1.75F);
        QVERIFY(qAbs(probe->currentY() - 1.15F) < 0.1F);

        test::MessageLog messages;
        test::TempFolders folders;
        folders.writeSettings({"1", "Home"});
        PrintSelectionWindow window(state, *host, nullptr);
        window.setPrinterFactory([&] { return SystemPrinter::toPdf(path); });
        window.printButton_->click();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        const int pages = int(pdf.count("/Type /Page\n"));
        QVERIFY(pages > 1);
        QCOMPARE(messages.texts(), QStringList{QString::number(pages) + " pages will be printed"});
        QCOMPARE(int(pdf.count("/MediaBox [0 0 595.000000 842")), pages); // A4
        QVERIFY(pdf.contains("/FontFile"));                               // text was drawn
        QVERIFY(pdf.contains(pdfText(QStringLiteral("Vennor – Home"))));  // the job's title
    }

    void opensAtTheMainWindowWithEveryNameMarkedUntilCancel()
    {
        host->window()->move(70, 40);
        QPointer<PrintSelectionWindow> slot;
        PrintSelectionWindow* window = PrintSelectionWindow::showFor(slot, state, *host, nullptr);
        QCOMPARE(window->pos(), QPoint(70, 40));
        QCOMPARE(marked(window->nameList_), 3);
        window->deselectAllButton_->click();
        QCOMPARE(PrintSelectionWindow::showFor(slot, state, *host, nullptr), window);
        window->selectAllButton_->click();
        QCOMPARE(marked(window->nameList_), 3);
        window->cancelButton_->click();
        QTRY_VERIFY(slot.isNull());
        host = std::make_unique<test::RecordsHost>(state); // only the three empty entries
        QCOMPARE(PrintSelectionWindow(state, *host, nullptr).nameList_->count(), 0);
    }

    // Every message shown, as "title: text", with "?" for an OK and Cancel question.
    void printButton_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<PrintSelectionWindow::PrinterFactory>("printer");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("shown");
        const PrintSelectionWindow::PrinterFactory recording = [this] {
            return std::make_unique<test::RecordingPrinter>(printLog);
        };
        const PrintSelectionWindow::PrinterFactory system = [] {
            return std::make_unique<SystemPrinter>();
        };
        const PrintSelectionWindow::PrinterFactory unwritable = [] {
            return SystemPrinter::toPdf(QStringLiteral("/nonexistent/book.pdf"));
        };
        const QList<Answer> ok{Answer::Ok, Answer::Ok};
        const QString save = QStringLiteral("Warning: save the record before printing?");
        const QString pages = QStringLiteral("Confirming: 1 pages will be printed?");
        const QString select = QStringLiteral("Vennor: Select names to print its information");
        buttonRow("ok", "saved", recording, ok, {pages});
        buttonRow("cancel", "saved", recording, {Answer::Cancel}, {pages});
        buttonRow("save first", "edited", recording, ok, {save, pages});
        buttonRow("do not save", "edited", recording, {Answer::Cancel, Answer::Ok}, {save, pages});
        buttonRow("save failed", "unsaveable", recording, ok, {save});
        buttonRow("none marked", "edited, none marked", recording, ok, {select});
        buttonRow("no printer", "edited", system, ok,
                  {"Warning: No printer is installed, nothing was printed"});
        buttonRow("print system error", "edited", unwritable, ok,
                  {save, pages, "Warning: The printer failed, nothing was printed"});
    }
    void printButton()
    {
        QFETCH(QString, record);
        QFETCH(PrintSelectionWindow::PrinterFactory, printer);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, shown);
        if (QTest::currentDataTag() == QByteArray("no printer") &&
            !QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("a printer is installed here");
        }
        host->unsaved = record != "saved";
        host->saveSucceeds = record != "unsaveable";
        state.selectedName = QStringLiteral("before");
        PrintSelectionWindow window(state, *host, nullptr);
        window.setPrinterFactory(printer);
        if (record.endsWith(QStringLiteral("none marked"))) {
            window.deselectAllButton_->click();
        }
        test::MessageLog messages;
        std::ranges::for_each(answers, [&](Answer answer) { messages.answerNext(answer); });
        window.printButton_->click();

        QStringList texts;
        for (const MessageBox::Request& request : messages.shown()) {
            const bool question = request.buttons == MessageBox::Buttons::OkCancel;
            texts.append(request.title + ": " + request.text + (question ? "?" : ""));
        }
        QCOMPARE(texts, shown);
        const bool saveAsked = texts.first().startsWith(QStringLiteral("Warning: save"));
        QCOMPARE(host->saves, saveAsked && answers.first() == Answer::Ok ? 1 : 0);
        // Once laid out the bar (1 pixel before the first run) is emptied, selectedName cleared.
        const bool laidOut = texts.contains(QStringLiteral("Confirming: 1 pages will be printed?"));
        QCOMPARE(host->onScreen.name, laidOut ? QStringLiteral("carol") : QString());
        QCOMPARE(state.selectedName.isEmpty(), laidOut);
        QCOMPARE(window.progressBar_->width() == 0, laidOut);
        QCOMPARE(window.progressLabel_->text(), QStringLiteral("0%"));
        const bool sent = texts.last().startsWith("Confirming") && answers.last() == Answer::Ok;
        QCOMPARE(printLog.jobs.size(), sent ? 1 : 0);
    }

    // The bar starts at 15 twips in the first run, at 0 later. Marks survive a print.
    void printsTheMarksAndShowsProgress()
    {
        host->add({"dora", {}, {}, {}, {}});
        test::MessageLog messages;
        PrintSelectionWindow window(state, *host, nullptr);
        window.setPrinterFactory(
            [this] { return std::make_unique<test::RecordingPrinter>(printLog); });
        window.nameList_->item(1)->setCheckState(Qt::Unchecked);
        QStringList seen;
        host->onSearch = [&] {
            seen.append(state.selectedName + " " + window.progressLabel_->text());
        };
        const auto atQuestion = [&](const auto&) { seen.append(window.progressLabel_->text()); };
        messages.onNext(atQuestion);
        window.printButton_->click();
        messages.onNext(atQuestion);
        window.printButton_->click();
        QCOMPARE(seen, (QStringList{"anna 0%", "carol 33%", "dora 67%", "100%", "anna 0%",
                                    "carol 33%", "dora 66%", "100%"}));
        QCOMPARE(printLog.drawn(1),
                 (QStringList{"anna p1 4,5", "Fax: 99 p1 5,6.2", "carol p1 4,8.65",
                              "c@x.y p1 5,9.85", "3 elm p1 5,11.05", "Home: 123 p1 5,12.25",
                              "Work:  p1 5,13.5", "dora p1 4,15.95"}));
    }
};

VENNOR_TEST(PrintingTest)
#include "printingtest.moc"
