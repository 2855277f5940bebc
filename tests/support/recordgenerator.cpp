// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/recordgenerator.h"

#include "core/numeric.h"

#include <QRegularExpression>

namespace vennor::test {
namespace {

const QString kWide = QStringLiteral("abcdefghijklmnopqrstuvwxyzéüøçñжß0123456789");
const QString kAwkward = QStringLiteral("abcxyzéжß0129 ,.@-'#/()&;:!?");

} // namespace

QString RecordGenerator::word(int minLength, int maxLength, const QString& letters)
{
    QString text;
    for (int i = random_.bounded(minLength, maxLength + 1); i > 0; --i) {
        text += letters.at(random_.bounded(int(letters.size())));
    }
    return text;
}

Record RecordGenerator::awkward()
{
    Record record;
    do {
        record.name = (word(1, 12, kWide) + QLatin1Char(' ') + word(0, 8, kWide)).trimmed();
    } while (isNumeric(record.name));
    if (random_.bounded(4) != 0) {
        record.email = (word(0, 8, kAwkward) + QLatin1Char('@') + word(0, 8, kAwkward)).trimmed();
    }
    if (random_.bounded(2) == 0) {
        do {
            record.address = word(1, 30, kAwkward).remove(QLatin1Char('@')).trimmed();
        } while (record.address == QLatin1String(")") || isNumeric(record.address));
    }
    switch (random_.bounded(4)) {
    case 1:
        record.comment = word(1, 8, QStringLiteral("0123456789")); // a number but for its blank
        break;
    case 2:
        record.comment = word(1, 10, kAwkward) + QLatin1Char('\n') + word(0, 10, kAwkward) +
                         QStringLiteral("\n\n") + word(1, 10, kAwkward);
        break;
    case 3:
        record.comment = word(1, 40, kAwkward);
        break;
    }
    // The file keeps a comment without blanks or line breaks at its ends.
    static const QRegularExpression ends(QStringLiteral("^[ \n]+|[ \n]+$"));
    record.comment.remove(ends);
    for (int i = random_.bounded(5); i > 0; --i) {
        PhoneNumber phone = number();
        if (random_.bounded(5) == 0) {
            phone.number.insert(random_.bounded(int(phone.number.size()) + 1), QLatin1Char('.'));
        }
        record.numbers.append(phone);
    }
    return record;
}

} // namespace vennor::test
