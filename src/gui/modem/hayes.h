// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// What the program says to a Hayes modem, and how the line is set.
namespace vennor::hayes {

inline const QString kLineSettings = QStringLiteral("9600,N,8,1");
inline const QByteArray kHangUp = QByteArrayLiteral("ATH\r");

// The dial command ends in ";" so that the modem goes back to command mode, off the hook.
// The probe is the dial command with an empty number.
inline QByteArray dialCommand(const QString& number)
{
    return QByteArrayLiteral("ATDT") + number.toLatin1() + QByteArrayLiteral(";\r");
}

} // namespace vennor::hayes
