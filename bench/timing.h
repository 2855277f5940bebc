// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace vennor::bench {

inline bool put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Timing
{
    double wallMs = 0;
    double cpuMs = 0; // the process's processor time: other programs on the machine left out
};

// The median times of runs calls of operation, each after an untimed prepare; a failed
// operation ends the benchmark.
inline Timing measure(int runs, const std::function<void()>& prepare,
                      const std::function<bool()>& operation)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int run = 0; run < runs; ++run) {
        prepare();
        QElapsedTimer timer;
        const std::clock_t cpuStart = std::clock();
        timer.start();
        const bool ok = operation();
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC);
        if (!ok) {
            std::fprintf(stderr, "an operation failed\n");
            std::exit(1);
        }
    }
    return {median(wall), median(cpu)};
}

} // namespace vennor::bench
