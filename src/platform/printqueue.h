// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

namespace vennor {

// Whether the print system's queue of that name takes jobs now: it neither rejects them
// (cupsreject) nor is stopped (cupsdisable). nullopt when that cannot be told: no print system
// to ask on this platform or build, or a queue it does not know.
std::optional<bool> queueAcceptsJobs(const QString& queue);

} // namespace vennor
