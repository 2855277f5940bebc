// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Who is calling, in a phone book of 1,000,000 records (and a second book of 1,000): the
// median time of a lookup that finds the number itself, one that finds it by its end, and one
// that finds nobody, once the indexes are built. Each must stay under 5 ms.
//   build/bench/bench_callers [--runs N]

#include "core/callerlookup.h"
#include "core/record.h"
#include "realisticbook.h"
#include "support/tempfolders.h"
#include "timing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

using namespace vennor;
using namespace vennor::bench;

namespace {

QByteArray bookBytes(const QList<Record>& records)
{
    QByteArray bytes = ")\r\n";
    for (const Record& record : records) {
        bytes += recordText(record).toUtf8();
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype runsAt = args.indexOf(QStringLiteral("--runs"));
    const int runs = runsAt > 0 && runsAt + 1 < args.size() ? args[runsAt + 1].toInt() : 21;

    test::TempFolders folders;
    const QList<Record> big = realisticBook(1000000, 20261207u);
    folders.writePhoneBook(QStringLiteral("Big"), bookBytes(big));
    folders.writePhoneBook(QStringLiteral("Small"), bookBytes(realisticBook(1000, 7u)));
    const QStringList books = {QStringLiteral("Big"), QStringLiteral("Small")};

    CallerLookup lookup;
    QElapsedTimer timer;
    timer.start();
    lookup.prepare(books);
    std::printf("indexes built in %lld ms\n", timer.elapsed());

    qsizetype pick = 777777;
    while (big[pick].numbers.front().number.size() < 10) {
        ++pick;
    }
    const QString stored = big[pick].numbers.front().number;
    const struct
    {
        const char* what;
        QString number;
    } cases[] = {{"the number itself", stored},
                 {"by its end", QStringLiteral("+99") + stored},
                 {"nobody", QStringLiteral("+999999999999999")}};
    bool fast = true;
    for (const auto& one : cases) {
        const QString& number = one.number; // a lambda may not take a structured binding
        const char* what = one.what;
        bool found = false;
        const Timing timing = measure(
            runs, [] {},
            [&] {
                found = lookup.find(books, number, QStringLiteral("00")).has_value();
                return true;
            });
        std::printf("%-18s %8.3f ms wall %8.3f ms cpu  %s\n", what, timing.wallMs, timing.cpuMs,
                    found ? "found" : "nobody");
        fast = fast && timing.cpuMs < 5.0;
    }
    return fast ? 0 : 1;
}
