// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/dialsettings.h"

#include "core/folders.h"
#include "core/telnumber.h"

#include <QSettings>

namespace vennor::app {

QString dialSettingsPath()
{
    return folders::settingsFolder() + QStringLiteral("vennor.ini");
}

Result<QString> internationalPrefix()
{
    const QSettings settings(dialSettingsPath(), QSettings::IniFormat);
    const QString prefix =
        settings.value(QStringLiteral("tel/internationalPrefix"), defaultInternationalPrefix())
            .toString()
            .trimmed();
    const bool digitsOnly =
        !prefix.isEmpty() && std::all_of(prefix.begin(), prefix.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
    if (!digitsOnly) {
        return Result<QString>::failure(
            QStringLiteral("vennor: the international prefix \"%1\" in %2 is not a number of "
                           "digits, such as 00 or 011")
                .arg(prefix, dialSettingsPath()));
    }
    return prefix;
}

Result<int> longestDialString()
{
    const QSettings settings(dialSettingsPath(), QSettings::IniFormat);
    const QString text = settings.value(QStringLiteral("tel/maxDigits")).toString().trimmed();
    if (text.isEmpty()) {
        return kDefaultLongestDialString;
    }
    bool ok = false;
    const int longest = text.toInt(&ok);
    if (!ok || longest < 1 || longest > 250) {
        return Result<int>::failure(
            QStringLiteral("vennor: maxDigits \"%1\" in %2 is not a whole number from 1 to 250")
                .arg(text.left(20), dialSettingsPath()));
    }
    return longest;
}

} // namespace vennor::app
