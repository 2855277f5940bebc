#include "printing/printpb.h"
#include "platform/printer.h"
#include "printing/recordshost.h"
#include "support/messagelog.h"
#include "support/recordingprinter.h"
#include "support/testregistry.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>

using namespace vennor;
using Answer = MessageBox::Answer;

namespace {

QStringList marked(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->checkState() == Qt::Checked) {
            texts.append(list->item(i)->text());
        }
    }
    return texts;
}

void row(const char* tag, const char* marks, const char* record, const char* printer,
         const QList<Answer>& answers, const QStringList& shown)
{
    QTest::newRow(tag) << QString::fromLatin1(marks) << QString::fromLatin1(record)
                       << QString::fromLatin1(printer) << answers << shown;
}

} // namespace

class PrintpbTest : public QObject
{
    Q_OBJECT

private:
    SharedState state;
    test::PrintLog printLog;
    std::unique_ptr<test::RecordsHost> host;

    std::unique_ptr<printpb> openWindow()
    {
        auto window = std::make_unique<printpb>(state, *host, nullptr);
        window->setPrinterFactory(
            [this] { return std::make_unique<test::RecordingPrinter>(printLog); });
        return window;
    }

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
    void cleanup() { host.reset(); }

    void opensAtTheMainWindowWithEveryNameMarkedUntilCancel()
    {
        host->window()->move(70, 40);
        QPointer<printpb> slot;
        printpb* window = printpb::showFor(slot, state, *host, nullptr);
        QCOMPARE(window->pos(), QPoint(70, 40));
        const QStringList captions{window->windowTitle(),     window->Label3->text(),
                                   window->Label1->text(),    window->printbutt->text(),
                                   window->Selectall->text(), window->deselect->text(),
                                   window->Command1->text()};
        QCOMPARE(captions, (QStringList{"Print Phone Book",
                                        "Select names you will print its information :", "0%",
                                        "Print ", "Select all", "None", "Cancel"}));
        QCOMPARE(marked(window->List), (QStringList{"anna", "bob", "carol"}));
        window->deselect->click();
        QVERIFY(marked(window->List).isEmpty());
        QCOMPARE(printpb::showFor(slot, state, *host, nullptr), window);
        window->Selectall->click();
        QCOMPARE(marked(window->List).size(), 3);
        window->Command1->click();
        QTRY_VERIFY(slot.isNull());
    }

    // What is marked, the record on screen (saved, edited, or edited but failing to save),
    // where the job goes, the answers given: every message shown, as "title: text", with "?"
    // for an OK and Cancel question.
    void printButton_data()
    {
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("shown");
        const QList<Answer> ok{Answer::Ok, Answer::Ok};
        const QString save = QStringLiteral("Warning: save the record before printing?");
        const QString pages = QStringLiteral("Confirming: 1 pages will be printed?");
        const QString select = QStringLiteral("Vennor: Select names to print its information");
        row("ok", "all", "saved", "recording", ok, {pages});
        row("cancel", "all", "saved", "recording", {Answer::Cancel}, {pages});
        row("save first", "all", "edited", "recording", ok, {save, pages});
        row("do not save", "all", "edited", "recording", {Answer::Cancel, Answer::Ok},
            {save, pages});
        row("save failed", "all", "unsaveable", "recording", ok, {save});
        row("none marked", "none", "edited", "recording", ok, {select});
        row("no names", "no names", "edited", "recording", ok, {select});
        row("no printer", "all", "edited", "system", ok,
            {"Warning: No printer is installed, nothing was printed"});
        row("print system error", "all", "edited", "/nonexistent/book.pdf", ok,
            {save, pages, "Warning: The printer failed, nothing was printed"});
    }
    void printButton()
    {
        QFETCH(QString, marks);
        QFETCH(QString, record);
        QFETCH(QString, printer);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, shown);
        if (printer == "system" && !QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("a printer is installed here");
        }
        if (marks == "no names") {
            host = std::make_unique<test::RecordsHost>(state);
        }
        host->unsaved = record != "saved";
        host->saveSucceeds = record != "unsaveable";
        state.selname = QStringLiteral("before");
        auto window = openWindow();
        if (printer != "recording") {
            window->setPrinterFactory([&]() -> std::unique_ptr<Printer> {
                return printer == "system" ? std::make_unique<SystemPrinter>()
                                           : SystemPrinter::toPdf(printer);
            });
        }
        if (marks == "none") {
            window->deselect->click();
        }
        test::MessageLog messages;
        for (const Answer answer : answers) {
            messages.answerNext(answer);
        }
        window->printbutt->click();

        QStringList texts;
        for (const MessageBox::Request& request : messages.shown()) {
            const bool question = request.buttons == MessageBox::Buttons::OkCancel;
            texts.append(request.title + ": " + request.text + (question ? "?" : ""));
        }
        QCOMPARE(texts, shown);
        const bool saveAsked = texts.value(0).startsWith(QStringLiteral("Warning: save"));
        QCOMPARE(host->saves, saveAsked && answers.first() == Answer::Ok ? 1 : 0);
        // Once laid out, even when thrown away, the last record stays on screen, selname is
        // cleared and the bar (15 twips, 1 pixel, before the first run) is emptied.
        const bool laidOut = texts.contains(QStringLiteral("Confirming: 1 pages will be printed?"));
        QCOMPARE(host->onScreen.name, laidOut ? QStringLiteral("carol") : QString());
        QCOMPARE(state.selname.isEmpty(), laidOut);
        QCOMPARE(window->Shape2->width() == 0, laidOut);
        QCOMPARE(window->Label1->text(), QStringLiteral("0%"));
        const bool sent = laidOut && printer == "recording" && answers.last() == Answer::Ok;
        QCOMPARE(printLog.jobs.size(), sent ? 1 : 0);
    }

    // The marked records in list order, again and again: no comment; an empty number prints
    // its type. The bar starts at 15 twips in the first run, at 0 in later ones.
    void printsTheMarksAndShowsProgress()
    {
        host->add({"dora", {}, {}, {}, {}});
        printLog.lineHeightInRows = 60; // carol's second number opens page 2
        test::MessageLog messages;
        auto window = openWindow();
        window->List->item(1)->setCheckState(Qt::Unchecked);
        QStringList seen;
        host->onSearch = [&] { seen.append(state.selname + " " + window->Label1->text()); };
        const auto atQuestion = [&](const MessageBox::Request&) {
            seen.append(window->Label1->text());
            QCOMPARE(window->Shape2->width(), window->Picture1->width());
        };
        messages.onNext(atQuestion);
        window->printbutt->click();
        messages.onNext(atQuestion);
        window->printbutt->click();
        QCOMPARE(seen, (QStringList{"anna 0%", "carol 33%", "dora 67%", "100%", "anna 0%",
                                    "carol 33%", "dora 66%", "100%"}));
        QCOMPARE(messages.texts(), QStringList(2, "2 pages will be printed"));
        for (qsizetype job = 0; job < 2; ++job) {
            QStringList texts;
            for (const test::PrintedText& text : printLog.texts(job)) {
                texts.append(text.text);
            }
            QCOMPARE(printLog.pages(job), 2);
            QCOMPARE(texts, (QStringList{"anna", "Fax: 99", "carol", "c@x.y", "3 elm", "Home: 123",
                                         "Work: ", "dora"}));
        }
    }
};

VENNOR_TEST(PrintpbTest)
#include "printpbtest.moc"
