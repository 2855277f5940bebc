// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>

namespace vennor {

// The context of the messages about cards read and written, for their translations.
struct CardText
{
    Q_DECLARE_TR_FUNCTIONS(CardText)
};

} // namespace vennor
