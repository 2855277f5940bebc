// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bookname.h"

namespace vennor {

bool isValidBookName(const QString& name)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    bool onlyDots = true;
    for (const QChar c : name) {
        if (c.unicode() < 32 || c.unicode() > 126 || forbidden.contains(c)) {
            return false;
        }
        onlyDots = onlyDots && c == QLatin1Char('.');
    }
    return !name.isEmpty() && !onlyDots;
}

} // namespace vennor
