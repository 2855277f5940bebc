// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window on phone books of 10,000, 100,000 and (with --million) 1,000,000 records:
// each operation's median time beside a floor measured in the same run, and their ratio.
// Each size runs in a child process of its own, so that its peak memory is its own.
//
//   build-rel/bench/bench_mainwindow [--million] [--runs N]
#include "gui/mainwindow/mainwindow.h"
#include "core/record.h"
#include "gui/sharedstate.h"
#include "realisticbook.h"
#include "support/messagelog.h"
#include "support/tempfolders.h"
#include "timing.h"
#include "widgets/simplecombo.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QSaveFile>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <sys/resource.h>
#include <vector>

using namespace vennor;
using bench::median;

namespace {

double msSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

template <typename Action> double timed(Action action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return msSince(timer);
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void line(int records, const char* operation, double value, double floor, const char* unit)
{
    std::printf("%9d  %-30s %10.2f %-3s floor %10.2f %-3s ratio %7.2f\n", records, operation, value,
                unit, floor, unit, floor > 0 ? value / floor : 0.0);
    std::fflush(stdout);
}

// Floors: what the machine does with the same bytes at the least.
QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double memmemFloor(const QString& path, const QByteArray& needle)
{
    const QByteArray bytes = readAll(path);
    return timed([&] {
        const void* hit = memmem(bytes.constData(), size_t(bytes.size()), needle.constData(),
                                 size_t(needle.size()));
        if (!hit) {
            std::fprintf(stderr, "floor: not in the file\n");
        }
    });
}

// One pass that finds the name lines and number lines, then a sort of views of them.
double parseAndSortFloor(const QString& path)
{
    return timed([&] {
        const QByteArray bytes = readAll(path);
        std::vector<std::string_view> names;
        std::vector<std::string_view> numbers;
        bool recordStart = true;
        const char* p = bytes.constData();
        const char* const end = p + bytes.size();
        while (p < end) {
            const char* stop = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
            stop = stop ? stop : end;
            const std::string_view field(p, size_t(stop - p - (stop > p && stop[-1] == '\r')));
            if (field == ")") {
                recordStart = true;
            } else if (recordStart) {
                names.push_back(field);
                recordStart = false;
            } else if (!field.empty() && field.front() >= '0' && field.front() <= '6') {
                numbers.push_back(field.substr(1));
            }
            p = stop + 1;
        }
        std::sort(names.begin(), names.end());
        std::sort(numbers.begin(), numbers.end());
    });
}

double appendFloor(const QString& path, const QByteArray& bytes)
{
    return timed([&] {
        QFile file(path);
        if (file.open(QIODevice::Append)) {
            file.write(bytes);
        }
    });
}

// On a copy: the phone book itself must change only through the program.
double safeRewriteFloor(const QString& path)
{
    const QString copy = path + QStringLiteral(".floor");
    QFile::remove(copy);
    QFile::copy(path, copy);
    return timed([&] {
        const QByteArray bytes = readAll(copy);
        QSaveFile file(copy);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
            file.commit();
        }
    });
}

QByteArray bookBytes(const QList<Record>& records)
{
    QByteArray bytes = ")\r\n";
    for (const Record& record : records) {
        bytes += recordText(record).toUtf8();
    }
    return bytes;
}

// Types text into the focused box, timing the last keystroke apart from the others.
struct Typing
{
    double others = 0; // the slowest of the keystrokes before the last
    double last = 0;
};

Typing type(SimpleCombo* box, const QString& text)
{
    box->setFocus();
    box->setText(QString());
    Typing typing;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const double ms =
            timed([&] { QTest::keyClicks(QApplication::focusWidget(), text.mid(i, 1)); });
        if (i + 1 < text.size()) {
            typing.others = std::max(typing.others, ms);
        } else {
            typing.last = ms;
        }
    }
    return typing;
}

// The records the timed steps use: the last ones, from the middle and from a third.
QList<int> picked(int records, int runs)
{
    QList<int> indexes;
    for (int run = 0; run < runs; ++run) {
        indexes << records - 1 - run << records / 2 + run << records / 3 + run;
    }
    return indexes;
}

// Writes the book and, beside it, the picked records' names and last numbers. Runs in a process
// of its own, so that the generator's memory is not counted as the window's.
void writeBook(int records, int runs, const QString& path)
{
    const QList<Record> book = bench::realisticBook(records, 20261206u + quint32(records));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bookBytes(book)) < 0) {
        std::fprintf(stderr, "cannot write the book\n");
    }
    QFile picks(path + QStringLiteral(".picks"));
    if (picks.open(QIODevice::WriteOnly)) {
        for (const int i : picked(records, runs)) {
            picks.write(QByteArray::number(i) + '\t' + book.value(i).name.toUtf8() + '\t' +
                        book.value(i).numbers.last().number.toUtf8() + '\n');
        }
    }
}

void runSize(int records, int runs)
{
    test::TempFolders folders;
    test::MessageLog messages;
    messages.answerRest(MessageBox::Answer::Ok);
    folders.writeSettings({QStringLiteral("1"), QStringLiteral("book")});
    const QString path = folders.phoneBook(QStringLiteral("book"));
    QProcess::execute(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("--write"), QString::number(records), QString::number(runs), path});
    QMap<int, Record> book;
    QFile picks(path + QStringLiteral(".picks"));
    if (picks.open(QIODevice::ReadOnly)) {
        for (const QByteArray& pick : picks.readAll().split('\n')) {
            const QList<QByteArray> parts = pick.split('\t');
            if (parts.size() == 3) {
                book[parts[0].toInt()] = {
                    QString::fromUtf8(parts[1]), {}, {}, {}, {{0, QString::fromUtf8(parts[2])}}};
            }
        }
    }
    const double fileMegabytes = double(QFileInfo(path).size()) / (1024.0 * 1024.0);

    SharedState state;
    std::unique_ptr<MainWindow> window;
    const double startup = timed([&] {
        window = std::make_unique<MainWindow>(state);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            std::fprintf(stderr, "the window was not shown\n");
        }
    });
    const double startupPeak = peakMegabytes();
    line(records, "start to window shown", startup, parseAndSortFloor(path), "ms");

    auto* names = window->findChild<SimpleCombo*>(QStringLiteral("Combo1"));
    auto* numbers = window->findChild<SimpleCombo*>(QStringLiteral("Combo2"));
    auto* nameBox = window->findChild<QLineEdit*>(QStringLiteral("Text0"));
    auto* address = window->findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* numberBox = window->findChild<QComboBox*>(QStringLiteral("phones"));

    std::vector<double> nameLast, nameOthers, numberLast, numberOthers;
    for (int run = 0; run < runs; ++run) {
        const Record& wanted = book.value(records - 1 - run); // near the end: the longest scan
        const Typing byName = type(names, wanted.name);
        nameLast.push_back(byName.last);
        nameOthers.push_back(byName.others);
        const Typing byNumber = type(numbers, wanted.numbers.last().number);
        numberLast.push_back(byNumber.last);
        numberOthers.push_back(byNumber.others);
        if (nameBox->text().isEmpty()) {
            std::fprintf(stderr, "the record was not loaded\n");
        }
    }
    const Record& last = book.value(records - 1);
    const double nameFloor = memmemFloor(path, "\r\n" + last.name.toUtf8() + "\r\n");
    const double numberFloor = memmemFloor(path, last.numbers.last().number.toUtf8() + "\r\n");
    line(records, "keystroke completing a name", median(nameLast), nameFloor, "ms");
    line(records, "other keystrokes, name", median(nameOthers), nameFloor, "ms");
    line(records, "keystroke completing a number", median(numberLast), numberFloor, "ms");
    line(records, "other keystrokes, number", median(numberOthers), numberFloor, "ms");

    std::vector<double> saveNew, saveChanged, remove, appendFloors, rewriteFloors;
    for (int run = 0; run < runs; ++run) {
        window->clearRecord();
        nameBox->setText(QStringLiteral("zz new person %1").arg(run));
        numberBox->setEditText(QStringLiteral("123"));
        QTest::keyClick(numberBox->lineEdit(), Qt::Key_Return);
        const QByteArray added = recordText({nameBox->text(), {}, {}, {}, {{0, "123"}}}).toUtf8();
        saveNew.push_back(timed([&] { window->saveRecord(); }));
        appendFloors.push_back(appendFloor(path + ".floor", added));

        names->setText(book.value(records / 2 + run).name);
        address->setText(QStringLiteral("another street %1").arg(run));
        saveChanged.push_back(timed([&] { window->saveRecord(); }));

        names->setText(QString());
        state.selectedName = book.value(records / 3 + run).name;
        window->loadRecordByName();
        if (!window->hasRecordFromFile()) {
            std::fprintf(stderr, "the record to delete was not loaded\n");
        }
        remove.push_back(timed([&] { window->deleteRecord(); }));
        rewriteFloors.push_back(safeRewriteFloor(path));
    }
    line(records, "save a new record", median(saveNew), median(appendFloors), "ms");
    // The book is written by appends alone, so the first rewrite turns every record into the
    // forms a rewrite writes; the later ones copy what already stands so.
    line(records, "first change, all rewritten", saveChanged.front(), median(rewriteFloors), "ms");
    line(records, "save a changed record", median(saveChanged), median(rewriteFloors), "ms");
    line(records, "delete a record", median(remove), median(rewriteFloors), "ms");
    line(records, "peak memory after start", startupPeak, fileMegabytes, "MB");
    if (!messages.texts().filter(QStringLiteral("could not")).isEmpty()) {
        std::printf("  messages: %s\n", qPrintable(messages.texts().join(QStringLiteral(" | "))));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs =
        std::max(1, int(args.value(args.indexOf(QStringLiteral("--runs")) + 1).toInt()));
    if (const qsizetype at = args.indexOf(QStringLiteral("--write")); at > 0) {
        writeBook(args.value(at + 1).toInt(), args.value(at + 2).toInt(), args.value(at + 3));
        return 0;
    }
    if (const qsizetype at = args.indexOf(QStringLiteral("--records")); at > 0) {
        runSize(args.value(at + 1).toInt(), args.contains(QStringLiteral("--runs")) ? runs : 5);
        return 0;
    }
    std::printf("%9s  %-30s %14s %20s %13s\n", "records", "operation", "median", "floor", "");
    std::fflush(stdout);
    QList<int> sizes = {1000, 10000, 100000};
    if (args.contains(QStringLiteral("--million"))) {
        sizes << 1000000;
    }
    for (const int records : sizes) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--records"), QString::number(records),
                     QStringLiteral("--runs"),
                     QString::number(args.contains(QStringLiteral("--runs")) ? runs : 5)});
        child.waitForFinished(-1);
    }
    return 0;
}
