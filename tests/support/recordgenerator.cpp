#include "support/recordgenerator.h"

#include "storage/numeric.h"

namespace vennor::test {
namespace {

const QStringList& firstNames()
{
    static const QStringList names = {"anna",  "bob",     "carla", "dmitri", "emma",  "farid",
                                      "greta", "hiroshi", "ines",  "jonas",  "karin", "luis",
                                      "mei",   "nils",    "olga",  "pablo",  "renée", "søren"};
    return names;
}

const QStringList& lastNames()
{
    static const QStringList names = {"smith", "müller", "garcía", "o'neil",   "nakamura",
                                      "berg",  "rossi",  "dubois", "kowalski", "van dijk"};
    return names;
}

const QStringList& streets()
{
    static const QStringList names = {"main street",   "rue de la paix", "hauptstraße",
                                      "old mill lane", "calle mayor",    "harbour road"};
    return names;
}

const QString kLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
const QString kWide = QStringLiteral("abcdefghijklmnopqrstuvwxyzéüøçñжß0123456789");
const QString kAwkward = QStringLiteral("abcxyzéжß0129 ,.@-'#/()&;:!?");

} // namespace

QString RecordGenerator::pick(const QStringList& choices)
{
    return choices.at(random_.bounded(int(choices.size())));
}

QString RecordGenerator::word(int minLength, int maxLength, const QString& letters)
{
    const int length = random_.bounded(minLength, maxLength + 1);
    QString text;
    for (int i = 0; i < length; ++i) {
        text += letters.at(random_.bounded(int(letters.size())));
    }
    return text;
}

QString RecordGenerator::digits(int minLength, int maxLength)
{
    return word(minLength, maxLength, QStringLiteral("0123456789"));
}

PhoneNumber RecordGenerator::number()
{
    return {random_.bounded(7), digits(6, 12)};
}

Record RecordGenerator::realistic(int index)
{
    Record record;
    record.name = pick(firstNames()) + QLatin1Char(' ') + pick(lastNames()) + QLatin1Char(' ') +
                  QString::number(index);
    const int numbers = random_.bounded(1, 5);
    for (int i = 0; i < numbers; ++i) {
        record.numbers.append(number());
    }
    if (random_.bounded(2) == 0) {
        record.email = word(3, 10, kLetters) + QLatin1Char('@') + word(4, 9, kLetters) +
                       QStringLiteral(".com");
    }
    if (random_.bounded(3) == 0) {
        record.address = QString::number(random_.bounded(1, 300)) + QLatin1Char(' ') +
                         pick(streets()) + QStringLiteral(", ") + word(4, 10, kLetters);
    }
    if (random_.bounded(10) == 0) {
        record.comment = QStringLiteral("call after ") + QString::number(random_.bounded(6, 11)) +
                         QStringLiteral(" pm, not on sundays");
    }
    return record;
}

QList<Record> RecordGenerator::realisticBook(int count)
{
    QList<Record> records;
    records.reserve(count);
    for (int i = 0; i < count; ++i) {
        records.append(realistic(i));
    }
    return records;
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
    case 0:
        break;
    case 1:
        record.comment = digits(1, 8); // would be a number line without its leading blank
        break;
    case 2:
        record.comment = word(1, 10, kAwkward) + QLatin1Char('\n') + word(0, 10, kAwkward) +
                         QStringLiteral("\n\n") + word(1, 10, kAwkward);
        break;
    default:
        record.comment = word(1, 40, kAwkward);
        break;
    }
    // The file keeps a comment without blanks or line breaks at its ends.
    while (record.comment.endsWith(QLatin1Char(' ')) ||
           record.comment.endsWith(QLatin1Char('\n'))) {
        record.comment.chop(1);
    }
    while (record.comment.startsWith(QLatin1Char(' ')) ||
           record.comment.startsWith(QLatin1Char('\n'))) {
        record.comment.remove(0, 1);
    }
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
