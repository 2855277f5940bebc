// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPalette>

namespace vennor {

// The WCAG contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// Text that stands out from the plain text of a palette and stays readable on its base: the
// palette's link colour, drawn toward the text colour as far as needed for a contrast of 4.5.
QColor accentText(const QPalette& palette);

} // namespace vennor
