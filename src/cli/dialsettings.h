// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QString>

namespace vennor::app {

// Hayes modems take about 40 characters after ATDT; longer commands are cut or refused.
inline constexpr int kDefaultLongestDialString = 40;

// "vennor.ini" in the settings folder: the program's own settings, kept apart from the
// settings file that earlier installations share. Only the user writes it.
QString dialSettingsPath();

// What a leading "+" of a number becomes: [tel] internationalPrefix, "00" when the file or
// the key is missing; a failure when the value is not digits.
Result<QString> internationalPrefix();

// How many characters (digits, * and #) the modem dials at most: [tel] maxDigits, 40 when the
// file or the key is missing; a failure when the value is no whole number from 1 to 250.
Result<int> longestDialString();

} // namespace vennor::app
