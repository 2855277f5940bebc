// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record.h"
#include "vcard/vcardreader.h"
#include "vcard/vcardwriter.h"

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace vennor {

// A card as the phone book can hold it.
struct CardRecord
{
    // Name lowered and trimmed; nullopt when the card names nobody the book could file.
    std::optional<Record> record;
    // What did not fit as it was (put in the comment, characters replaced), for the summary.
    QStringList changes;
    int line = 0; // where the card begins
    // The name the card gives (FN, else N), printable, for telling the user which card was not
    // taken even when it is no name the book can file ("2", ")", blanks).
    QString cardName;
};

// FN (else N assembled, else ORG, else the e-mail) gives the name; the preferred e-mail, the
// first address (ADR, else LABEL), the notes and every number go to their fields; what the
// record cannot hold goes to the comment, one line each. Characters the record editor refuses
// become blanks; control characters (see printabletext.h) are left out of every field. A
// leading "+" of a number becomes internationalPrefix.
CardRecord recordFromCard(const VCard& card, const QString& internationalPrefix);

// A property's text as a record takes it: escapes resolved, control characters left out.
QString cardText(const VCardProperty& property);
// A structured property (ADR, ORG) on one line: its components so, the non-empty ones joined
// by ", ".
QString joinedCardComponents(const VCardProperty& property);

// What a card made of a record carries besides the record.
struct CardExtras
{
    // Numbers starting with it are written in international form ("+…"); empty: as stored.
    QString internationalPrefix;
    std::optional<QDateTime> revision; // REV, when given
};

// The record as one card: FN, N, EMAIL, ADR (the address as its street) and in 3.0 LABEL,
// NOTE, TEL with its type, and a UID made from the name, so that the same record always gives
// the same card.
QByteArray cardFromRecord(const Record& record, VCardVersion version,
                          const CardExtras& extras = {});

// The type code a TEL property gives (the most telling of its types), and the TYPE parameter
// a number of that code is written with.
int telTypeCode(const VCardProperty& tel);
QByteArray telTypeParameter(int code);

// The UID of the card of the record called name ("urn:uuid:…"): the same name always gives
// the same UID.
QString uidOf(const QString& name);

// The N value for a name: the last word is taken for the family name, the words before it
// for the given names.
QString structuredName(const QString& name);

} // namespace vennor
