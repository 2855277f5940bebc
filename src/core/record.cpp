// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record.h"

#include "core/fields.h"
#include "core/numeric.h"

#include <QCoreApplication>
#include <utility>

namespace vennor {
namespace {

constexpr const char* kShownTypes[] = {QT_TRANSLATE_NOOP("vennor::NumberType", "Home"),
                                       QT_TRANSLATE_NOOP("vennor::NumberType", "Mobile"),
                                       QT_TRANSLATE_NOOP("vennor::NumberType", "Work"),
                                       QT_TRANSLATE_NOOP("vennor::NumberType", "Fax"),
                                       QT_TRANSLATE_NOOP("vennor::NumberType", "Pager"),
                                       QT_TRANSLATE_NOOP("vennor::NumberType", "Cellular"),
                                       QT_TRANSLATE_NOOP("vennor::NumberType", "Voice Mail")};

struct Field
{
    QString text;
    FieldForm form;
};

QString lowered(const QString& text)
{
    return trimBlanks(text.toLower());
}

// Blanks and line breaks go at both ends; line breaks inside stay, as LF.
QString trimmedComment(const QString& text)
{
    QString comment = text.toLower();
    comment.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    comment.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    qsizetype first = 0;
    qsizetype last = comment.size();
    const auto isSpace = [&](qsizetype i) {
        return comment[i] == QLatin1Char(' ') || comment[i] == QLatin1Char('\n');
    };
    while (first < last && isSpace(first)) {
        ++first;
    }
    while (last > first && isSpace(last - 1)) {
        --last;
    }
    return comment.sliced(first, last - first);
}

QChar typeDigit(int type)
{
    return QLatin1Char(char('0' + ((type >= 0 && type <= 9) ? type : 0)));
}

// The fields as they are appended, each with the form it is written in.
QList<Field> recordFields(const Record& record)
{
    QList<Field> fields;
    fields.append({lowered(record.name), FieldForm::bare});
    if (QString email = lowered(record.email); email.contains(QLatin1Char('@'))) {
        fields.append({std::move(email), FieldForm::quoted});
    }
    if (QString address = lowered(record.address); !address.isEmpty()) {
        fields.append({std::move(address), FieldForm::quoted});
    }
    if (const QString comment = trimmedComment(record.comment); !comment.isEmpty()) {
        fields.append({QLatin1Char(' ') + comment, FieldForm::quoted});
    }
    // Numbers are written up to the first that is empty or not a number.
    for (const PhoneNumber& number : record.numbers) {
        const QString digits = lowered(number.number);
        if (digits.isEmpty() || !isNumeric(digits)) {
            break;
        }
        fields.append({typeDigit(number.type) + digits, FieldForm::bare});
    }
    fields.append({endLine(), FieldForm::bare});
    return fields;
}

} // namespace

PhoneNumber splitNumberLine(const QString& line)
{
    if (line.isEmpty()) {
        return {};
    }
    const QChar code = line.front();
    const int type =
        (code >= QLatin1Char('0') && code <= QLatin1Char('9')) ? code.unicode() - u'0' : 0;
    return {type, line.sliced(1)};
}

QString recordText(const Record& record)
{
    QString text;
    for (const Field& field : recordFields(record)) {
        appendField(text, field.text, field.form);
    }
    return text;
}

int recordFieldCount(const Record& record)
{
    return int(recordFields(record).size());
}

QStringList shownNumberTypes()
{
    QStringList types;
    for (const char* type : kShownTypes) {
        types << QCoreApplication::translate("vennor::NumberType", type);
    }
    return types;
}

} // namespace vennor
