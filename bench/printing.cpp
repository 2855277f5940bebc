// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the print layout of a large phone book and the advanced search over a larger one.
// Run by hand: build/bench/bench_printing

#include "gui/printing/pagelayout.h"
#include "gui/printing/printselectionwindow.h"
#include "gui/search/pattern.h"
#include "support/messagelog.h"
#include "support/recordingprinter.h"
#include "support/recordshost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>

using namespace vennor;

namespace {

QString randomWord(QRandomGenerator& random, int length)
{
    QString word;
    for (int i = 0; i < length; ++i) {
        word.append(QChar(u'a' + random.bounded(26)));
    }
    return word;
}

QList<Record> generatedRecords(int count)
{
    QRandomGenerator random(7);
    QList<Record> records;
    for (int i = 0; i < count; ++i) {
        Record record;
        record.name = randomWord(random, 6) + u' ' + randomWord(random, 9) + QString::number(i);
        record.email = record.name.left(6) + QStringLiteral("@mail.example");
        record.address = QStringLiteral("%1 %2 street, %3, a rather long town name")
                             .arg(random.bounded(999))
                             .arg(randomWord(random, 8), randomWord(random, 7));
        record.comment = QStringLiteral("not printed");
        for (int n = 0; n < 1 + i % 3; ++n) {
            record.numbers.append({n, QString::number(random.bounded(1000000, 9999999))});
        }
        records.append(record);
    }
    return records;
}

void report(const char* what, qint64 ms, qint64 goalMs)
{
    std::printf("%-52s %6lld ms  (goal < %lld ms) %s\n", what, static_cast<long long>(ms),
                static_cast<long long>(goalMs), ms < goalMs ? "ok" : "SLOW");
}

void benchPrintWindow(int count)
{
    SharedState state;
    test::RecordsHost host(state);
    for (const Record& record : generatedRecords(count)) {
        host.add(record);
    }
    test::PrintLog log;
    test::MessageLog messages; // answers the page-count question with OK
    PrintSelectionWindow window(state, host, nullptr);
    window.setPrinterFactory([&log] { return std::make_unique<test::RecordingPrinter>(log); });
    window.show();

    QElapsedTimer timer;
    timer.start();
    window.printButton_->click();
    const qint64 elapsed = timer.elapsed();
    report(qPrintable(QStringLiteral("print %1 marked records (window, recording printer)")
                          .arg(window.nameList_->count())),
           elapsed, 2000);
    std::printf("    %d pages, %s\n", log.pages(), qPrintable(messages.texts().join(u'|')));
}

void benchLayoutOnly(int count)
{
    const QList<Record> records = generatedRecords(count);
    test::PrintLog log;
    test::RecordingPrinter printer(log);
    QElapsedTimer timer;
    timer.start();
    PageLayout layout(printer);
    layout.setup();
    for (const Record& record : records) {
        QStringList lines;
        for (const PhoneNumber& number : record.numbers) {
            lines.append(numberTypes().value(number.type) + QStringLiteral(": ") + number.number);
        }
        layout.printRecord({record.name, record.email, record.address, lines});
    }
    printer.endDoc();
    report(qPrintable(QStringLiteral("layout only, %1 records").arg(count)), timer.elapsed(), 2000);
}

void benchSearch(int count)
{
    QStringList names;
    for (const Record& record : generatedRecords(count)) {
        names.append(record.name);
    }
    names << QString() << QString() << QString();
    for (const char* text : {"an", "#7", "[a-c]?[!x]*9", ""}) {
        // The first run meets cold caches; the best of five shows the steady cost.
        qint64 first = -1;
        qint64 best = -1;
        qsizetype found = 0;
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer timer;
            timer.start();
            found = findNames(names, QString::fromLatin1(text)).size();
            const qint64 elapsed = timer.elapsed();
            first = first < 0 ? elapsed : first;
            best = best < 0 ? elapsed : std::min(best, elapsed);
        }
        report(qPrintable(QStringLiteral("search \"%1\" over %2 names (%3 found), best of 5")
                              .arg(QString::fromLatin1(text))
                              .arg(count)
                              .arg(found)),
               best, 100);
        std::printf("    first run %lld ms\n", static_cast<long long>(first));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchLayoutOnly(10000);
    benchPrintWindow(10000);
    benchSearch(100000);
    return 0;
}
