// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace vennor {

// Characters that show nothing, move the cursor, steer a terminal or turn the text around:
// C0 and C1 controls, DEL, the bidirectional marks and overrides, the zero-width characters
// and the byte order mark. Tabs and line breaks are controls too.
bool isControlCharacter(char32_t c);

// The text as a field of a record can take it from elsewhere: every control character left
// out, except that a tab becomes a blank and a line break (CR LF, CR or LF) stays as LF.
QString withoutControls(QStringView text);

// The text safe to print on a terminal: each control character except LF shown as U+FFFD,
// so that nothing read from a card or a server can set a title, move the cursor or hide text.
QString printableForTerminal(QStringView text);

} // namespace vennor
