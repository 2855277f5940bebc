// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/bookname.h"

#include <QString>

namespace vennor {

// The base name of a file path: after the last "/" or "\", before the last "." that follows it;
// the whole base name when it holds no ".".
QString baseNameOf(const QString& dir);

} // namespace vennor
