// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/instancename.h"

#include "core/folders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

namespace vennor {

QString instanceSocketName()
{
    const QByteArray key = QCryptographicHash::hash(
        (QDir::homePath() + QLatin1Char('|') + folders::settingsFolder()).toUtf8(),
        QCryptographicHash::Sha1);
    const QString name = QStringLiteral("vennor-") + QString::fromLatin1(key.toHex().left(16));
#ifdef Q_OS_WIN
    return name; // a pipe name, private to the session
#else
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : runtime + QLatin1Char('/') + name;
#endif
}

} // namespace vennor
