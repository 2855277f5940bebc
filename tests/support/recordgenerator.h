#pragma once

#include "storage/record.h"

#include <QList>
#include <QRandomGenerator>

namespace vennor::test {

// Makes phone book records from a fixed seed, so a failing case can be made again.
class RecordGenerator
{
public:
    explicit RecordGenerator(quint32 seed) : random_(seed) {}

    // A record like the ones people keep: a unique name (from index), one to four numbers,
    // an e-mail for half of them, an address for a third, a comment for a tenth.
    Record realistic(int index);

    // A record in the form the file keeps (lowered, trimmed, numbers all numeric) that is
    // hard on the format: commas, "@" and digits in the comment, comments of several lines,
    // addresses with commas, letters beyond ASCII, empty parts.
    Record awkward();

    // count realistic records, in index order.
    QList<Record> realisticBook(int count);

    QRandomGenerator& random() { return random_; }

private:
    QString pick(const QStringList& choices);
    QString word(int minLength, int maxLength, const QString& letters);
    QString digits(int minLength, int maxLength);
    PhoneNumber number();

    QRandomGenerator random_;
};

} // namespace vennor::test
