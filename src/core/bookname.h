// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace vennor {

// Whether a phone book can bear the name: it must survive the scrambling of the settings file
// (printable ASCII only) and name a file inside the phone book folder (none of \ / : * ? " < >
// |, not only dots, not empty).
bool isValidBookName(const QString& name);

} // namespace vennor
