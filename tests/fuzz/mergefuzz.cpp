// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: any bytes as another program's card, the last byte choosing which field
// the user changed. A merged card, whenever one is made, must read back as one card, here and
// for readers that split lines at any CR or take "BEGIN :VCARD" for a card.

#include "vcard/vcardmapping.h"
#include "vcard/vcardmerge.h"

#include <cstdint>
#include <cstdlib>

using namespace vennor;

namespace {

Record changedRecord(Record record, std::uint8_t choice)
{
    switch (choice % 6) {
    case 0:
        record.name += QStringLiteral(" jr");
        break;
    case 1:
        record.email = record.email.isEmpty() ? QStringLiteral("new@ex.test") : QString();
        break;
    case 2:
        record.address = QStringLiteral("1 new street;\\ x");
        break;
    case 3:
        record.comment += QStringLiteral("\nadded, ü; \\n");
        break;
    case 4:
        record.numbers.append({choice % 7, QStringLiteral("0049301")});
        break;
    default:
        if (!record.numbers.isEmpty()) {
            record.numbers.removeLast();
        }
    }
    return record;
}

// What any other reader would trip over: a bare CR or LF, a NUL, or a line inside the card
// that reads as the start or the end of one once blanks and a group are set aside.
bool readsWellElsewhere(const QByteArray& card)
{
    const QList<QByteArray> lines = card.chopped(1).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (!line.endsWith('\r') || line.chopped(1).contains('\r') || line.contains('\0')) {
            return false;
        }
        const bool inside = i > 0 && i + 1 < lines.size() && !line.startsWith(' ');
        QByteArray name = line.left(line.indexOf(':')).split(';').front();
        name = name.mid(name.lastIndexOf('.') + 1).trimmed().toUpper();
        if (inside && (name == "BEGIN" || name == "END")) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size - 1));
    const std::uint8_t choice = data[size - 1];
    QList<VCard> cards;
    readVCards(bytes, [&](const VCard& card) { cards.append(card); });
    for (const VCard& card : cards) {
        const std::optional<Record> base = recordFromCard(card, QStringLiteral("00")).record;
        if (!base) {
            continue;
        }
        const std::optional<QByteArray> merged =
            mergedCard(card, *base, changedRecord(*base, choice), QStringLiteral("00"));
        if (!merged) {
            continue;
        }
        int read = 0;
        const bool whole = readVCards(*merged, [&](const VCard&) { ++read; }).ok();
        if (!whole || read != 1 || !readsWellElsewhere(*merged)) {
            std::abort(); // a card we would send that not every reader takes as one card
        }
    }
    return 0;
}
