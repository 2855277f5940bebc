// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace vennor {

// Gives a text box or list the name a screen reader says for it, usually its label's text
// (an "&" and surrounding blanks dropped). The edit line and list inside a combo box get the
// same name, as they take the focus themselves.
void setAccessibleNameOf(QWidget* control, const QString& name);

} // namespace vennor
