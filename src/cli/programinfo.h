// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vennor::app {

inline constexpr auto kProjectUrl = "https://github.com/vennor/vennor";
inline constexpr auto kBugReportUrl = "https://github.com/vennor/vennor/issues";

// What --version prints: the version, then who holds the copyright and under which licence.
QString versionText();

// The last line of --help.
QString bugReportText();

} // namespace vennor::app
