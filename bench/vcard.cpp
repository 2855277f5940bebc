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
#include <ctime>
#include <functional>
#include <vector>

using namespace vennor;

namespace {

bool put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Timing
{
    double wallMs = 0;
    double cpuMs = 0; // the process's processor time: other programs on the machine left out
};

// The median times of runs calls of operation, each after an untimed prepare.
Timing measure(int runs, const std::function<void()>& prepare,
               const std::function<bool()>& operation)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int run = 0; run < runs; ++run) {
        prepare();
        QElapsedTimer timer;
        const std::clock_t cpuStart = std::clock();
        timer.start();
        if (!operation()) {
            std::fprintf(stderr, "an operation failed\n");
            std::exit(1);
        }
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC);
    }
    return {median(wall), median(cpu)};
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
