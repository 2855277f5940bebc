// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QString>

namespace vennor::app {

// What a tel: link (RFC 3966), or a number given after --dial, becomes for the modem: the
// visual separators - . ( ) and blanks dropped, a leading "+" replaced by the international
// call prefix. A local number with ;phone-context= is dialled as it is; ;ext= and ;isub= are
// refused, as the modem cannot dial them. Failures are one line worded for the user.
Result<QString> dialStringOf(const QString& target, const QString& internationalPrefix);

// The refusal of a dial string of length characters where the modem takes at most longest.
QString tooLongRefusal(const QString& target, qsizetype length, int longest);

} // namespace vennor::app
