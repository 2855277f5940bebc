// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "vcard/vcardreader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>

namespace vennor {

enum class VCardVersion { v30, v40 };

// How a card writes a text value it changes: vCard 2.1 has no "\n" and no "\," and wants
// anything but plain ASCII in quoted-printable; 3.0 and 4.0 escape.
enum class TextRules { v21, escaped };

// The rules of a card that gives this VERSION.
TextRules textRulesOf(QStringView version);

// A text value with its backslashes, commas, semicolons and line breaks escaped.
QString escapedText(QStringView text);

// Appends one content line, ended CR LF, folded so that no line exceeds 75 octets; a fold
// never splits a UTF-8 sequence. A quoted-printable line is never folded.
void appendFoldedLine(QByteArray& out, QByteArrayView line);

// Whether a content line as read can be written again as it stands, and every reader takes
// it for the same one property: a group and name of letters, digits and "-" (never BEGIN or
// END), well-formed parameters, no CR and no NUL.
bool isWellFormedLine(QByteArrayView line);

// The property as a content line (before folding) by the rules given: its value written
// again from property.value (escapes in, as the reader gives it), the parameters from the
// list. nullopt when it cannot be written so that it reads back as the same property: a name
// or group that is no token, BEGIN or END, a parameter with a double quote or a control
// character.
std::optional<QByteArray> encodedProperty(const VCardProperty& property, TextRules rules);

// "20261207T041500Z": the moment as a REV value, in UTC.
QString revisionText(const QDateTime& moment);

} // namespace vennor
