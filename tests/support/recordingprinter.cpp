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

} // namespace vennor::test
