// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>

namespace vennor {

// The four text fields of a record, as the record editor shows them.
enum class RecordField { name, email, address, comment };

// Whether the record editor refuses the character in the field, because it would not read
// back from the file as typed: a double quote anywhere; a comma in the name (stored bare);
// "@" in the address (it would read back as the e-mail); a line break in the one-line fields.
bool isRefusedIn(RecordField field, QChar c);

bool holdsRefused(RecordField field, const QString& text);

// The text with every character the field refuses replaced by a blank.
QString blankRefused(RecordField field, QString text);

} // namespace vennor
