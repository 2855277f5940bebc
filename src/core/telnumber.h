// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace vennor {

// The prefix that replaces a leading "+" when nobody chose another.
inline QString defaultInternationalPrefix()
{
    return QStringLiteral("00");
}

// Whether c only makes a number easier to read: "-", ".", "(", ")" or any blank (phones write
// "+44 20 7946 0958" with no-break spaces). The one rule for stored, imported and linked numbers.
bool isVisualSeparator(QChar c);

// A telephone number as the modem dials it: the visual separators "-", ".", "(", ")" and
// blanks removed, a leading "+" replaced by the international call prefix. nullopt when
// anything else is left (letters, an extension, parameters) or no digit at all.
std::optional<QString>
reducedTelNumber(QStringView text,
                 const QString& internationalPrefix = defaultInternationalPrefix());

// A stored number as other devices read it whatever their own prefix: one that starts with
// the international call prefix is written "+" and the rest; any other as it is.
QString internationalForm(const QString& number, const QString& internationalPrefix);

} // namespace vennor
