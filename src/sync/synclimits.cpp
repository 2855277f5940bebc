// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sync/synclimits.h"

#include "core/folders.h"
#include "sync/synctexts.h"

#include <QSettings>

namespace vennor {
namespace {

QString settingsPath()
{
    return folders::settingsFolder() + QStringLiteral("vennor.ini");
}

// A positive whole number under the key, else the default.
qint64 positive(const QSettings& settings, const char* key, qint64 fallback)
{
    bool number = false;
    const qint64 value = settings.value(QStringLiteral("sync/") + QLatin1String(key))
                             .toString()
                             .trimmed()
                             .toLongLong(&number);
    return number && value > 0 ? value : fallback;
}

} // namespace

SyncLimits SyncLimits::fromSettings()
{
    const QSettings settings(settingsPath(), QSettings::IniFormat);
    SyncLimits limits;
    // Bounded so that a unit times a value cannot overflow.
    constexpr qint64 kMaxMB = qint64(1) << 20;
    limits.responseBytes =
        std::min(positive(settings, "maxResponseMB", limits.responseBytes >> 20), kMaxMB) << 20;
    limits.cardBytes = std::min(positive(settings, "maxCardKB", limits.cardBytes >> 10), kMaxMB)
                       << 10;
    limits.syncBytes = std::min(positive(settings, "maxSyncMB", limits.syncBytes >> 20), kMaxMB)
                       << 20;
    constexpr qint64 kMaxSeconds = qint64(7) * 24 * 3600;
    limits.requestSeconds = int(
        std::min(positive(settings, "requestTimeoutSeconds", limits.requestSeconds), kMaxSeconds));
    limits.syncSeconds =
        int(std::min(positive(settings, "syncTimeoutSeconds", limits.syncSeconds), kMaxSeconds));
    return limits;
}

QString SyncLimits::whereSet(const char* key)
{
    return SyncText::tr("%1 in the [sync] section of %2").arg(QLatin1String(key), settingsPath());
}

} // namespace vennor
