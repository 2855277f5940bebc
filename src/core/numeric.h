// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

namespace vennor {

// The one numeric test of the program: digits with at most one decimal point, at least one
// digit, surrounded by optional blanks, and nothing else.
bool isNumeric(QStringView text);

} // namespace vennor
