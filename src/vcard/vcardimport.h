// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/phonebook.h"
#include "core/result.h"
#include "core/telnumber.h"
#include "vcard/vcardmapping.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace vennor {

enum class OnExisting { replace, skip };

struct ImportSummary
{
    int added = 0;
    int replaced = 0;
    int skipped = 0;
    int changed = 0;
    // One line for each card that was changed to fit or could not be imported.
    QStringList details;

    // "3 added, 1 replaced, 0 skipped, 1 changed"
    QString counts() const;
};

// The cards of a vCard file, read and mapped, ready to go into a phone book.
class VCardImport
{
public:
    // Reads the whole file; fails with the reason (naming the line) when it is no vCard file.
    static Result<VCardImport>
    read(const QString& vcardPath, const PhoneBookFile& book,
         const QString& internationalPrefix = defaultInternationalPrefix());
    // The same for cards read elsewhere (standard input); sourceName stands for them in messages.
    static Result<VCardImport>
    parse(const QByteArray& bytes, const QString& sourceName, const PhoneBookFile& book,
          const QString& internationalPrefix = defaultInternationalPrefix());

    int cardCount() const { return int(cards_.size()); }
    // How many cards bear a name the book holds already, or an earlier card of the file.
    int existingCount() const;
    // Writes the cards in one rewrite of the book; a card of an existing name replaces that
    // record or is skipped. Nothing to add leaves the file untouched.
    Result<ImportSummary> write(OnExisting onExisting) const;

private:
    VCardImport(PhoneBookFile book, QList<CardRecord> cards, QSet<QString> names);

    PhoneBookFile book_;
    QList<CardRecord> cards_;
    QSet<QString> bookNames_;
};

struct ExportedCards
{
    QByteArray bytes;
    int count = 0;
};

// Every record of the book as one card each, numbers in international form ("+" for
// internationalPrefix).
Result<ExportedCards> cardsOf(const PhoneBookFile& book, VCardVersion version,
                              const QString& internationalPrefix = defaultInternationalPrefix());

// Writes every record of the book as one card each, in one rewrite of the target file, numbers
// in international form ("+" for internationalPrefix); the number of cards written.
Result<int> exportVCards(const PhoneBookFile& book, const QString& vcardPath, VCardVersion version,
                         const QString& internationalPrefix = defaultInternationalPrefix());

// "12 cards of Home written to home.vcf." for the user.
QString exportedText(int count, const QString& book, const QString& fileName);

} // namespace vennor
