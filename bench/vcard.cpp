// Times the export of a phone book of 100,000 records to vCard and the import of those cards
// into an empty book, and prints the median of several runs in milliseconds (goal: each under
// 2,000 ms).

#include "realisticbook.h"
#include "storage/phonebook.h"
#include "storage/vcardimport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace vennor;

namespace {

bool put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The median wall time of runs calls of operation, each after an untimed prepare.
double medianMs(int runs, const std::function<void()>& prepare,
                const std::function<bool()>& operation)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        if (!operation()) {
            std::fprintf(stderr, "an operation failed\n");
            std::exit(1);
        }
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

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
    std::printf("%d records, median of %d runs, ms\n", kCount, kRuns);
    for (const VCardVersion version : {VCardVersion::v30, VCardVersion::v40}) {
        const double exportMs = medianMs(
            kRuns, [] {},
            [&] {
                const Result<int> written = exportVCards(source, cards, version);
                return written.ok() && *written == kCount;
            });
        const double importMs = medianMs(
            kRuns, [&] { put(target.path(), ")\r\n"); },
            [&] {
                const Result<VCardImport> read = VCardImport::read(cards, target);
                const Result<ImportSummary> summary =
                    read ? read->write(OnExisting::skip) : Status::failure(read.error());
                return summary.ok() && summary->added == kCount;
            });
        std::printf("vCard %s  export %8.1f  import %8.1f\n",
                    version == VCardVersion::v30 ? "3.0" : "4.0", exportMs, importMs);
    }
    return 0;
}
