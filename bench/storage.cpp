// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the phone book operations on generated books of growing size and prints the median
// of several runs of each, in milliseconds.

#include "core/phonebook.h"
#include "core/record.h"
#include "realisticbook.h"
#include "timing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using namespace vennor;
using namespace vennor::bench;

namespace {

struct Book
{
    QByteArray bytes;
    QList<Record> records;
};

Book generate(int count)
{
    Book book;
    book.records = bench::realisticBook(count, 20261206u + quint32(count));
    QString text = QStringLiteral(")\r\n");
    for (const Record& record : std::as_const(book.records)) {
        text += recordText(record);
    }
    book.bytes = text.toUtf8();
    return book;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.dat"));
    const PhoneBookFile file(path);
    constexpr int kRuns = 9;

    const char* const columns[] = {"read", "list", "find name", "find number", "remove", "replace"};
    QList<QList<Timing>> rows;
    QList<qsizetype> sizes;
    const QList<int> counts = {1000, 10000, 100000};
    for (const int count : counts) {
        const Book book = generate(count);
        if (!put(path, book.bytes)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        const auto keep = [] {};
        const auto restore = [&] { put(path, book.bytes); };
        const Record& last = book.records.last();
        const Record& middle = book.records.at(count / 2);
        Record changed = middle;
        changed.address = QStringLiteral("42 new street, elsewhere");

        QList<Timing> row;
        // The baseline: the file's bytes, read once, in the same run.
        row << measure(kRuns, keep, [&] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) && f.readAll().size() == book.bytes.size();
        });
        row << measure(kRuns, keep, [&] {
            const Result<Listing> listing = file.list();
            return listing.ok() && listing->names.size() == count;
        });
        row << measure(kRuns, keep, [&] {
            const auto found = file.findByName(last.name);
            return found.ok() && found->has_value();
        });
        row << measure(kRuns, keep, [&] {
            const auto found = file.findByNumber(last.numbers.last().number);
            return found.ok() && found->has_value();
        });
        row << measure(kRuns, restore, [&] { return file.removeAll(middle.name).ok(); });
        row << measure(kRuns, restore, [&] { return file.replace(changed).ok(); });
        rows << row;
        sizes << book.bytes.size();
    }

    for (const bool cpu : {false, true}) {
        std::printf("\n%s, median of %d runs, milliseconds\n",
                    cpu ? "processor time" : "elapsed time", kRuns);
        std::printf("%-8s %8s", "records", "KB");
        for (const char* column : columns) {
            std::printf(" %11s", column);
        }
        std::printf("\n");
        for (qsizetype i = 0; i < rows.size(); ++i) {
            std::printf("%-8d %8lld", counts.at(i), static_cast<long long>(sizes.at(i) / 1024));
            for (const Timing& timing : rows.at(i)) {
                std::printf(" %11.1f", cpu ? timing.cpuMs : timing.wallMs);
            }
            std::printf("\n");
        }
    }
    return 0;
}
