// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/phonebooks/booknames.h"

#include <algorithm>

namespace vennor {

QString baseNameOf(const QString& dir)
{
    const qsizetype separator =
        std::max(dir.lastIndexOf(QLatin1Char('/')), dir.lastIndexOf(QLatin1Char('\\')));
    const QString base = dir.mid(separator + 1);
    const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? base : base.left(dot);
}

} // namespace vennor
