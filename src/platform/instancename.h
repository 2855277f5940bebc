// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace vennor {

// The local socket the running program listens on for numbers from a second start. One per
// user and settings folder: programs that share the files share the socket. On Unix it lies
// in the user's runtime folder, which no one else can enter.
QString instanceSocketName();

} // namespace vennor
