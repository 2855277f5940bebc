// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/printer.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace vennor::test {

// What recording printers printed, and how they measure; it outlives the printers a window
// creates for each job.
struct PrintLog
{
    // Width of a text in character cells (120 twips); one cell per character unless replaced.
    std::function<double(const QString&)> cellsWide = [](const QString& text) {
        return double(text.size());
    };

    QList<QList<Printer::Page>> jobs; // pages of every ended job

    // The texts of ended job i in drawing order, each as "text p<page> x,y" in character cells.
    QStringList drawn(qsizetype job = 0) const;
    int pages(qsizetype job = 0) const { return int(jobs.value(job).size()); }
};

// A printer that is always ready and keeps every ended job in its log.
class RecordingPrinter : public Printer
{
public:
    explicit RecordingPrinter(PrintLog& log) : log_(log) {}

    Status ready() const override { return Status::success(); }

protected:
    double measure(const QString& text) const override { return log_.cellsWide(text) * 120.0; }
    double lineHeight() const override { return 1.25 * 240.0; } // h: 1.25 rows of 240 twips
    Status output(const QList<Page>& pages) override
    {
        log_.jobs.append(pages);
        return Status::success();
    }

private:
    PrintLog& log_;
};

} // namespace vennor::test
