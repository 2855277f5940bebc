#include "support/recordingprinter.h"

namespace vennor::test {

QList<PrintedText> PrintLog::texts(qsizetype job) const
{
    QList<PrintedText> result;
    const QList<Printer::Page> pages = jobs.value(job);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        for (const Printer::DrawnText& drawn : pages[p]) {
            result.append(
                {drawn.text, int(p + 1), float(drawn.left / 120.0), float(drawn.top / 240.0)});
        }
    }
    return result;
}

Status RecordingPrinter::ready() const
{
    return log_.notReady.isEmpty() ? Status::success() : Status::failure(log_.notReady);
}

double RecordingPrinter::measure(const QString& text) const
{
    return log_.cellsWide(text) * 120.0;
}

double RecordingPrinter::lineHeight() const
{
    return log_.lineHeightInRows * 240.0;
}

Status RecordingPrinter::output(const QList<Page>& pages)
{
    if (!log_.outputFails.isEmpty()) {
        return Status::failure(log_.outputFails);
    }
    log_.jobs.append(pages);
    return Status::success();
}

} // namespace vennor::test
