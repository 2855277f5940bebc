// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>

namespace vennor {

// The context of the sync's messages that belong to no window, for their translations.
struct SyncText
{
    Q_DECLARE_TR_FUNCTIONS(SyncText)
};

} // namespace vennor
