// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/vcardcommands.h"

namespace vennor {

// vennor --new-book NAME: an empty phone book, added to the list as Edit > New phone book adds
// it; the first one becomes the default. Nothing is left half made on failure.
CommandOutcome runNewBook(const QString& name);

} // namespace vennor
