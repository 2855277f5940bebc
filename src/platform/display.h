// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

namespace vennor {

// Why no window can be shown here (no display to show it on), in one line with what to do
// instead, naming the command as it was given (an installed "vennor", a built "build/vennor");
// nullopt when a window can be shown.
std::optional<QString> missingDisplayReason(const QString& command);

} // namespace vennor
