// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record.h"
#include "vcard/vcardreader.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace vennor {

// The card with what changed between base (the record the card gave) and changed written
// into it: only the properties behind a changed field are touched, so a second e-mail, a
// photo or anything else the record cannot hold stays on the card. Every property left
// alone is written as it came; those changed are written by the rules of the card's
// VERSION; REV becomes revision. Numbers still on the record keep their property as it was
// written; new ones go in international form. nullopt when the card cannot be written
// well-formed (a property named BEGIN, a parameter no reader would take back).
std::optional<QByteArray> mergedCard(const VCard& card, const Record& base, const Record& changed,
                                     const QString& internationalPrefix,
                                     const QDateTime& revision = QDateTime::currentDateTimeUtc());

// Whether our own reader takes the card back as exactly one card that gives the record as
// the phone book stores it: the check a card passes before it leaves.
bool readsBackAs(const QByteArray& card, const Record& record, const QString& internationalPrefix);

} // namespace vennor
