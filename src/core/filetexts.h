// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>

namespace vennor {

// The messages about reading and writing files share one context, so that each phrase is
// translated once.
struct FileAccess
{
    Q_DECLARE_TR_FUNCTIONS(FileAccess)
};

} // namespace vennor
