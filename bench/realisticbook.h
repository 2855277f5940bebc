// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record.h"

#include <QList>
#include <QRandomGenerator>

namespace vennor::bench {

// count records like the ones people keep, each with a unique name: one to four numbers, an
// e-mail for half of them, an address for a third, a comment for a tenth. The seed makes a
// book again.
inline QList<Record> realisticBook(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    const auto word = [&](int minLength, int maxLength, const QString& letters) {
        QString text;
        for (int i = random.bounded(minLength, maxLength + 1); i > 0; --i) {
            text += letters.at(random.bounded(int(letters.size())));
        }
        return text;
    };
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    QList<Record> records(count);
    for (int i = 0; i < count; ++i) {
        Record& record = records[i];
        record.name = word(3, 8, letters) + QLatin1Char(' ') + word(4, 10, letters) +
                      QLatin1Char(' ') + QString::number(i);
        for (int n = random.bounded(1, 5); n > 0; --n) {
            record.numbers.append({random.bounded(7), word(6, 12, QStringLiteral("0123456789"))});
        }
        if (random.bounded(2) == 0) {
            record.email = word(3, 10, letters) + QStringLiteral("@example.com");
        }
        if (random.bounded(3) == 0) {
            record.address = QString::number(random.bounded(1, 300)) +
                             QStringLiteral(" main street, ") + word(4, 10, letters);
        }
        if (random.bounded(10) == 0) {
            record.comment = QStringLiteral("call after 6 pm, not on sundays");
        }
    }
    return records;
}

} // namespace vennor::bench
