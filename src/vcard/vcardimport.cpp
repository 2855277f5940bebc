// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vcard/vcardimport.h"

#include "core/textfile.h"
#include "vcard/cardtexts.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace vennor {
namespace {

QString describedCard(const CardRecord& card)
{
    const QString who =
        card.record ? card.record->name : CardText::tr("the card on line %1").arg(card.line);
    return who + QStringLiteral(": ") + card.changes.join(QStringLiteral("; "));
}

} // namespace

QString ImportSummary::counts() const
{
    return CardText::tr("%1 added, %2 replaced, %3 skipped, %4 changed")
        .arg(added)
        .arg(replaced)
        .arg(skipped)
        .arg(changed);
}

VCardImport::VCardImport(PhoneBookFile book, QList<CardRecord> cards, QSet<QString> names)
    : book_(std::move(book)), cards_(std::move(cards)), bookNames_(std::move(names))
{
}

Result<VCardImport> VCardImport::read(const QString& vcardPath, const PhoneBookFile& book,
                                      const QString& internationalPrefix)
{
    QFile file(vcardPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(CardText::tr("Could not open %1: %2")
                                   .arg(QFileInfo(vcardPath).fileName(), file.errorString()));
    }
    return parse(file.readAll(), QFileInfo(vcardPath).fileName(), book, internationalPrefix);
}

Result<VCardImport> VCardImport::parse(const QByteArray& bytes, const QString& sourceName,
                                       const PhoneBookFile& book,
                                       const QString& internationalPrefix)
{
    QList<CardRecord> mapped;
    const Status cards = readVCards(bytes, [&](const VCard& card) {
        mapped.append(recordFromCard(card, internationalPrefix));
    });
    if (!cards) {
        return Status::failure(sourceName + QStringLiteral(", ") + cards.error().at(0).toLower() +
                               cards.error().sliced(1));
    }
    const Result<Listing> listing = book.list();
    if (!listing) {
        return Status::failure(listing.error());
    }
    return VCardImport(book, std::move(mapped),
                       QSet<QString>(listing->names.cbegin(), listing->names.cend()));
}

int VCardImport::existingCount() const
{
    QSet<QString> names = bookNames_;
    int existing = 0;
    for (const CardRecord& card : cards_) {
        if (card.record) {
            existing += names.contains(card.record->name) ? 1 : 0;
            names.insert(card.record->name);
        }
    }
    return existing;
}

Result<ImportSummary> VCardImport::write(OnExisting onExisting) const
{
    ImportSummary summary;
    QList<Record> records;
    QHash<QString, qsizetype> written; // position in records of a name this file gave
    QSet<QString> names = bookNames_;
    for (const CardRecord& card : cards_) {
        if (!card.record) {
            ++summary.skipped;
            summary.details.append(describedCard(card));
            continue;
        }
        const QString& name = card.record->name;
        if (names.contains(name)) {
            if (onExisting == OnExisting::skip) {
                ++summary.skipped;
                continue;
            }
            ++summary.replaced;
        } else {
            ++summary.added;
            names.insert(name);
        }
        if (const auto earlier = written.constFind(name); earlier != written.cend()) {
            records[*earlier] = *card.record; // a later card of the same name wins
        } else {
            written.insert(name, records.size());
            records.append(*card.record);
        }
        if (!card.changes.isEmpty()) {
            ++summary.changed;
            summary.details.append(describedCard(card));
        }
    }
    if (!records.isEmpty()) {
        if (const Status stored = book_.store(records); !stored) {
            return stored;
        }
    }
    return summary;
}

Result<ExportedCards> cardsOf(const PhoneBookFile& book, VCardVersion version,
                              const QString& internationalPrefix)
{
    const Result<QList<Record>> records = book.records();
    if (!records) {
        return Status::failure(records.error());
    }
    ExportedCards cards;
    cards.bytes.reserve(records->size() * 256);
    for (const Record& record : *records) {
        cards.bytes.append(cardFromRecord(record, version, {internationalPrefix, {}}));
    }
    cards.count = int(records->size());
    return cards;
}

Result<int> exportVCards(const PhoneBookFile& book, const QString& vcardPath, VCardVersion version,
                         const QString& internationalPrefix)
{
    const Result<ExportedCards> cards = cardsOf(book, version, internationalPrefix);
    if (!cards) {
        return Status::failure(cards.error());
    }
    if (const Status written = textfile::rewrite(vcardPath, cards->bytes); !written) {
        return written;
    }
    return cards->count;
}

QString exportedText(int count, const QString& book, const QString& fileName)
{
    const QString cards = count == 1 ? CardText::tr("1 card") : CardText::tr("%1 cards").arg(count);
    return CardText::tr("%1 of %2 written to %3.").arg(cards, book, fileName);
}

} // namespace vennor
