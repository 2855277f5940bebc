// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the export of a phone book of 100,000 records to vCard and the import of those cards
// into an empty book, and prints the median of several runs in milliseconds (goal: each under
// 2,000 ms).

#include "core/phonebook.h"
#include "realisticbook.h"
#include "timing.h"
#include "vcard/vcardimport.h"

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

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const PhoneBookFile source(dir.filePath(QStringLiteral("source.dat")));
    const PhoneBookFile target(dir.filePath(QStringLiteral("target.dat")));
    const QString cards = dir.filePath(QStringLiteral("cards.vcf"));
    constexpr int kCount = 100000;
    constexpr int kRuns = 5;

    QString text = QStringLiteral(")\r\n");
    for (const Record& record : bench::realisticBook(kCount, 15u)) {
        text += recordText(record);
    }
    if (!put(source.path(), text.toUtf8())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(source.path()));
        return 1;
    }
    std::printf("%d records, median of %d runs, ms (wall / processor)\n", kCount, kRuns);
    for (const VCardVersion version : {VCardVersion::v30, VCardVersion::v40}) {
        const Timing exported = measure(
            kRuns, [] {},
            [&] {
                const Result<int> written = exportVCards(source, cards, version);
                return written.ok() && *written == kCount;
            });
        const Timing imported = measure(
            kRuns, [&] { put(target.path(), ")\r\n"); },
            [&] {
                const Result<VCardImport> read = VCardImport::read(cards, target);
                const Result<ImportSummary> summary =
                    read ? read->write(OnExisting::skip) : Status::failure(read.error());
                return summary.ok() && summary->added == kCount;
            });
        std::printf("vCard %s  export %8.1f / %8.1f  import %8.1f / %8.1f\n",
                    version == VCardVersion::v30 ? "3.0" : "4.0", exported.wallMs, exported.cpuMs,
                    imported.wallMs, imported.cpuMs);
    }
    return 0;
}
