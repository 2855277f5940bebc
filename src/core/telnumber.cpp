// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/telnumber.h"

namespace vennor {

bool isVisualSeparator(QChar c)
{
    return c == u'-' || c == u'.' || c == u'(' || c == u')' || c.isSpace();
}

std::optional<QString> reducedTelNumber(QStringView text, const QString& internationalPrefix)
{
    QStringView rest = text.trimmed();
    QString digits;
    if (rest.startsWith(u'+')) {
        digits = internationalPrefix;
        rest = rest.sliced(1);
    }
    bool anyDigit = false;
    for (const QChar c : rest) {
        if (c >= u'0' && c <= u'9') {
            digits.append(c);
            anyDigit = true;
        } else if (!isVisualSeparator(c)) {
            return std::nullopt;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    return digits;
}

QString internationalForm(const QString& number, const QString& internationalPrefix)
{
    if (internationalPrefix.isEmpty() || number.size() <= internationalPrefix.size() ||
        !number.startsWith(internationalPrefix)) {
        return number;
    }
    return u'+' + number.sliced(internationalPrefix.size());
}

} // namespace vennor
