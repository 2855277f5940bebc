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

// A telephone number as the modem dials it: the visual separators "-", ".", "(", ")" and
// blanks removed, a leading "+" replaced by the international call prefix. nullopt when
// anything else is left (letters, an extension, parameters) or no digit at all.
std::optional<QString>
reducedTelNumber(QStringView text,
                 const QString& internationalPrefix = defaultInternationalPrefix());

} // namespace vennor
