#include "printing/printpb.h"
#include "platform/twips.h"
#include "printing/recordshost.h"
#include "support/messagelog.h"
#include "support/recordingprinter.h"
#include "support/testregistry.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace vennor;
using Answer = MessageBox::Answer;

namespace {

QStringList entries(const QListWidget* list, bool markedOnly = false)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        if (!markedOnly || list->item(i)->checkState() == Qt::Checked) {
            texts.append(list->item(i)->text());
        }
    }
    return texts;
}

QStringList printedTexts(const test::PrintLog& log, qsizetype job = 0)
{
    QStringList texts;
    for (const test::PrintedText& printed : log.texts(job)) {
        texts.append(printed.text);
    }
    return texts;
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
    void addRecords(int count)
    {
        for (int i = 0; i < count; ++i) {
            host->add({QStringLiteral("name %1").arg(i, 4, 10, QLatin1Char('0')),
                       "m@x.y",
                       "street",
                       "never printed",
                       {{1, "555"}, {6, "777"}}});
        }
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

    void opensAtTheMainWindowWithEveryNameMarked()
    {
        host->window()->move(70, 40);
        auto window = openWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Print Phone Book"));
        QVERIFY(!window->isModal());
        QCOMPARE(window->pos(), QPoint(70, 40));
        QCOMPARE(entries(window->List), (QStringList{"anna", "bob", "carol"}));
        QCOMPARE(entries(window->List, true), entries(window->List));
        QCOMPARE(window->Label1->text(), QStringLiteral("0%"));
        QCOMPARE(window->printbutt->text(), QStringLiteral("Print "));
        QCOMPARE(window->List->geometry(), twips::rect(240, 480, 3735, 2310));
        QCOMPARE(window->Command1->geometry(), twips::rect(3120, 3840, 855, 375));
        QCOMPARE(window->Label1->parentWidget(), window->Picture1);
    }

    void aListWithoutNamesOffersNothing_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("only the empty entries") << QStringList{"", "", ""};
    }
    void aListWithoutNamesOffersNothing()
    {
        QFETCH(QStringList, names);
        host->setEntries(names);
        test::MessageLog messages;
        auto window = openWindow();
        QCOMPARE(window->List->count(), 0);
        window->printbutt->click();
        QCOMPARE(messages.texts(), QStringList{"Select names to print its information"});
    }

    void noneThenPrintAsksForNames()
    {
        test::MessageLog messages;
        auto window = openWindow();
        state.selname = QStringLiteral("kept");
        window->Selectall->click();
        window->deselect->click();
        QVERIFY(entries(window->List, true).isEmpty());
        window->printbutt->click();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("Select names to print its information"));
        QCOMPARE(messages.last().title, QStringLiteral("Vennor"));
        QCOMPARE(messages.last().buttons, MessageBox::Buttons::Ok);
        QCOMPARE(window->Label1->text(), QStringLiteral("0%"));
        QVERIFY(host->searched.isEmpty());
        QCOMPARE(state.selname, QStringLiteral("kept"));
        QVERIFY(printLog.jobs.isEmpty());

        window->Selectall->click();
        QCOMPARE(entries(window->List, true).size(), 3);
    }

    void okPrintsTheMarkedRecordsInListOrder()
    {
        test::MessageLog messages;
        auto window = openWindow();
        window->List->item(1)->setCheckState(Qt::Unchecked);
        window->printbutt->click();

        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("1 pages will be printed"));
        QCOMPARE(messages.last().title, QStringLiteral("Confirming"));
        QCOMPARE(messages.last().buttons, MessageBox::Buttons::OkCancel);
        QCOMPARE(host->searched, (QStringList{"anna", "carol"}));
        QCOMPARE(printedTexts(printLog), (QStringList{"anna", "Fax: 99", "carol", "c@x.y", "3 elm",
                                                      "Home: 123", "Work: "}));
        QVERIFY(state.selname.isEmpty());
        QCOMPARE(window->Label1->text(), QStringLiteral("0%"));
        QCOMPARE(window->Shape2->width(), 0);
        // The marks survive: the same selection prints again.
        window->printbutt->click();
        QCOMPARE(printLog.jobs.size(), 2);
        QCOMPARE(printedTexts(printLog, 1), printedTexts(printLog, 0));
    }

    void cancelThrowsTheJobAwayButLeavesTheLastRecordOnScreen()
    {
        test::MessageLog messages;
        messages.answerNext(Answer::Cancel);
        auto window = openWindow();
        window->printbutt->click();
        QCOMPARE(messages.count(), 1);
        QVERIFY(printLog.jobs.isEmpty());
        QCOMPARE(host->onScreen.name, QStringLiteral("carol"));
        QVERIFY(state.selname.isEmpty());
        QCOMPARE(window->Label1->text(), QStringLiteral("0%"));
        QCOMPARE(window->Shape2->width(), 0);
    }

    void pageCountQuestionMatchesThePagesSent()
    {
        addRecords(120);
        test::MessageLog messages;
        auto window = openWindow();
        window->printbutt->click();
        QCOMPARE(printLog.jobs.size(), 1);
        QVERIFY(printLog.pages() > 2);
        QCOMPARE(messages.last().text,
                 QString::number(printLog.pages()) + QStringLiteral(" pages will be printed"));
        QVERIFY(!printedTexts(printLog).contains(QStringLiteral("never printed")));
    }

    void progressIsShownWhileTheLayoutRuns()
    {
        addRecords(7);
        test::MessageLog messages;
        auto window = openWindow();
        QStringList seen;
        QList<int> widths;
        host->onSearch = [&] {
            seen.append(window->Label1->text());
            widths.append(window->Shape2->width());
        };
        messages.onNext([&](const MessageBox::Request&) { seen.append(window->Label1->text()); });
        window->printbutt->click();
        QCOMPARE(seen.size(), 11);
        QCOMPARE(seen.first(), QStringLiteral("0%"));
        QCOMPARE(seen.last(), QStringLiteral("100%"));
        for (qsizetype i = 1; i < widths.size(); ++i) {
            QVERIFY(widths[i] > widths[i - 1]);
            QVERIFY(seen[i].chopped(1).toInt() > seen[i - 1].chopped(1).toInt());
        }
        QCOMPARE(window->Label1->text(), QStringLiteral("0%"));
    }

    void unsavedRecordIsOfferedForSaving_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("saveSucceeds");
        QTest::addColumn<int>("saves");
        QTest::addColumn<bool>("printed");
        QTest::newRow("ok, saved") << Answer::Ok << true << 1 << true;
        QTest::newRow("ok, save failed") << Answer::Ok << false << 1 << false;
        QTest::newRow("cancel") << Answer::Cancel << true << 0 << true;
    }
    void unsavedRecordIsOfferedForSaving()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, saveSucceeds);
        QFETCH(int, saves);
        QFETCH(bool, printed);
        host->unsaved = true;
        host->saveSucceeds = saveSucceeds;
        test::MessageLog messages;
        messages.answerNext(answer);
        auto window = openWindow();
        window->printbutt->click();
        QCOMPARE(messages.shown().first().text, QStringLiteral("save the record before printing"));
        QCOMPARE(messages.shown().first().title, QStringLiteral("Warning"));
        QCOMPARE(messages.shown().first().buttons, MessageBox::Buttons::OkCancel);
        QCOMPARE(host->saves, saves);
        QCOMPARE(host->searched.isEmpty(), !printed);
        QCOMPARE(printLog.jobs.size(), printed ? 1 : 0);
    }

    void printerFailuresAreReported_data()
    {
        QTest::addColumn<QString>("notReady");
        QTest::addColumn<QString>("outputFails");
        QTest::addColumn<bool>("laidOut");
        QTest::newRow("no printer") << "no printer here" << QString() << false;
        QTest::newRow("print system error") << QString() << "spooler broke" << true;
    }
    void printerFailuresAreReported()
    {
        QFETCH(QString, notReady);
        QFETCH(QString, outputFails);
        QFETCH(bool, laidOut);
        printLog.notReady = notReady;
        printLog.outputFails = outputFails;
        host->unsaved = true;
        test::MessageLog messages;
        auto window = openWindow();
        window->printbutt->click();
        QCOMPARE(messages.last().title, QStringLiteral("Warning"));
        QCOMPARE(messages.last().text, laidOut ? outputFails : notReady);
        QCOMPARE(host->searched.isEmpty(), !laidOut);
        // Without a printer the record on screen is neither saved nor replaced.
        QCOMPARE(host->saves, laidOut ? 1 : 0);
        QVERIFY(printLog.jobs.isEmpty());
        QCOMPARE(window->Label1->text(), QStringLiteral("0%"));
        QVERIFY(window->isEnabled());
    }

    void cancelButtonDiscardsTheWindow()
    {
        QPointer<printpb> slot;
        printpb* first = printpb::showFor(slot, state, *host, nullptr);
        first->List->item(0)->setCheckState(Qt::Unchecked);
        QCOMPARE(printpb::showFor(slot, state, *host, nullptr), first);
        QCOMPARE(first->List->item(0)->checkState(), Qt::Unchecked);
        first->Command1->click();
        QTRY_VERIFY(slot.isNull());
        host->add({"dora", {}, {}, {}, {}});
        printpb* second = printpb::showFor(slot, state, *host, nullptr);
        QCOMPARE(entries(second->List, true), (QStringList{"anna", "bob", "carol", "dora"}));
        second->close();
        QTRY_VERIFY(slot.isNull());
    }
};

VENNOR_TEST(PrintpbTest)
#include "printpbtest.moc"
