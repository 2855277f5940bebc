#pragma once

#include "platform/printer.h"

#include <QList>
#include <functional>

namespace vennor::test {

// One drawn text of an ended job, in character cells (the unit the layout works in).
struct PrintedText
{
    QString text;
    int page = 1;
    float x = 0;
    float y = 0;
};

// What recording printers did, and how they behave; it outlives the printers a window
// creates for each job.
struct PrintLog
{
    // Width of a text in character cells (120 twips); one cell per character unless replaced.
    std::function<double(const QString&)> cellsWide = [](const QString& text) {
        return double(text.size());
    };
    double lineHeightInRows = 1.25; // h, in rows of 240 twips
    QString notReady;               // when set, ready() fails with it
    QString outputFails;            // when set, endDoc() fails with it

    QList<QList<Printer::Page>> jobs; // pages of every ended job
    int killed = 0;
    int created = 0;

    // The texts of ended job i, page by page, in drawing order.
    QList<PrintedText> texts(qsizetype job = 0) const;
    int pages(qsizetype job = 0) const { return int(jobs.value(job).size()); }
};

class RecordingPrinter : public Printer
{
public:
    explicit RecordingPrinter(PrintLog& log) : log_(log) { ++log_.created; }

    Status ready() const override;

protected:
    double measure(const QString& text) const override;
    double lineHeight() const override;
    Status output(const QList<Page>& pages) override;

private:
    PrintLog& log_;
};

} // namespace vennor::test
