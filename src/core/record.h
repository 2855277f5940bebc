// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vennor {

// The seven number types, in the order of their type codes (0 to 6).
inline QStringList numberTypes()
{
    return {QStringLiteral("Home"),      QStringLiteral("Mobile"), QStringLiteral("Work"),
            QStringLiteral("Fax"),       QStringLiteral("Pager"),  QStringLiteral("Cellular"),
            QStringLiteral("Voice Mail")};
}

// The same types as the user reads them, in the user's language; files and cards keep the
// English ones.
QStringList shownNumberTypes();

struct PhoneNumber
{
    int type = 0; // type code: the position of the type in numberTypes()
    QString number;

    bool operator==(const PhoneNumber&) const = default;
};

struct Record
{
    QString name;
    QString email;
    QString address;
    QString comment; // without the leading blank that marks it on disk
    QList<PhoneNumber> numbers;

    bool operator==(const Record&) const = default;
};

// The fields of a number line: its first character is the type code, the rest the number.
// A type character that is not a digit counts as 0.
PhoneNumber splitNumberLine(const QString& line);

// The record's lines as they are appended to a phone book: name bare; e-mail quoted when it
// contains "@"; address quoted when not empty; comment quoted after a blank when it holds
// more than blanks and line breaks; number lines bare for each leading numeric number; ")".
// Every field is lowered and trimmed first. Lines end in CR LF. A field that its form would
// not keep is written in the other form (a name with a comma quoted, an address with a
// double quote bare).
QString recordText(const Record& record);

// How many fields recordText writes for the record.
int recordFieldCount(const Record& record);

} // namespace vennor
