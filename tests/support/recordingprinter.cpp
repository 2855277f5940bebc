// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/recordingprinter.h"

namespace vennor::test {

QStringList PrintLog::drawn(qsizetype job) const
{
    QStringList result;
    const QList<Printer::Page> pages = jobs.value(job);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        for (const Printer::DrawnText& text : pages[p]) {
            // Rounded as the layout's single-precision positions are.
            const float x = float(text.left / 120.0);
            const float y = float(text.top / 240.0);
            result.append(QStringLiteral("%1 p%2 %3,%4")
                              .arg(text.text)
                              .arg(p + 1)
                              .arg(QString::number(x, 'g', 5), QString::number(y, 'g', 5)));
        }
    }
    return result;
}

} // namespace vennor::test
