// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QStringList>

namespace vennor {

// The sequences of characters a locale's collation weighs as one letter (Danish "aa",
// Breton "c'h"), as ICU, which Qt's collator uses, lists them; empty where it cannot be asked.
QStringList joinedLetters(const QLocale& locale);

} // namespace vennor
