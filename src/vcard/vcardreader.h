// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

namespace vennor {

// One property of a card ("item1.TEL;TYPE=work,voice:+1 555 0100"), its value decoded from
// quoted-printable and its character set, its escapes still in.
struct VCardProperty
{
    QString group; // "item1", or empty
    QString name;  // upper case
    // Upper-case parameter names, one entry per value: TYPE=home,voice gives two. Bare 2.1
    // parameters count as TYPE values, or as the ENCODING they name.
    QList<std::pair<QString, QString>> parameters;
    QString value;
    // The content line as it stood, unfolded but not decoded: written again as it came when
    // nothing of it changes. Empty for a property made or changed since.
    QByteArray raw;
    int line = 0; // where the property starts in the file, from 1

    // The TYPE values in lower case.
    QStringList types() const;
    // Marked preferred: TYPE=pref (2.1, 3.0) or a PREF parameter (4.0).
    bool isPreferred() const;
    // The value as text: \n, \, \; and \\ resolved, line breaks as LF.
    QString text() const;
    // A structured value (N, ADR) split at its unescaped semicolons, each part as text().
    QStringList components() const;
};

struct VCard
{
    QString version; // as the card gives it; empty when it gives none
    QList<VCardProperty> properties;
    int line = 0; // the line of BEGIN:VCARD
};

// Hands every card of a vCard 2.1, 3.0 or 4.0 file to take, one after another: folded lines,
// quoted-printable soft line breaks, CR LF or LF. A file that holds no card, text outside a
// card, a line that is no property or a card cut short fails with a reason naming the line
// (the cards before it were handed over already).
Status readVCards(const QByteArray& bytes, const std::function<void(const VCard&)>& take);

// Splits at the separator wherever it stands outside double quotes.
QList<QByteArrayView> splitOutsideQuotes(QByteArrayView text, char separator);
// The first colon outside double quotes, which ends the name and the parameters; -1 if none.
qsizetype colonOutsideQuotes(QByteArrayView line);

// Whether a content line's parameters (before its first colon) name quoted-printable: such a
// line goes on after a line ending in "=".
bool namesQuotedPrintable(QByteArrayView line);

// Resolves the text escapes of a value: \n and \N, \, \; \\; any other backslash stays.
QString unescapedText(QStringView value);

} // namespace vennor
