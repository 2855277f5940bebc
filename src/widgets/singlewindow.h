// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

namespace vennor {

// A window the program keeps one of: made at the first ask, centred on its parent, and
// brought forward at every ask after.
template <typename Window, typename Make>
Window* showSingleWindow(QPointer<Window>& slot, QWidget* parent, Make make)
{
    if (slot.isNull()) {
        slot = make();
        if (parent != nullptr) {
            slot->move(parent->frameGeometry().center() - slot->rect().center());
        }
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

} // namespace vennor
