// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <optional>

class QWidget;

namespace vennor::placement {

// Where a window stood when the program last ended, from the [window] section of vennor.ini:
// its normal geometry and whether it was maximized.
struct Placement
{
    QRect geometry;
    bool maximized = false;
};

// The remembered placement, when there is one and its title bar lies on a screen of this
// desktop (a monitor unplugged since must not leave the window out of reach).
std::optional<Placement> remembered();
void remember(const QWidget& window);

} // namespace vennor::placement
