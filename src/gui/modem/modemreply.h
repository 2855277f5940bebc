// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

namespace vennor {

// What a modem's result line means for the user waiting for the call ("BUSY": "The line is
// busy"), in words or as a number code; nullopt for any other line (the echoed command, say).
std::optional<QString> replyMeaning(const QString& line);

} // namespace vennor
