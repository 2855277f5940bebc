// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/telnumber.h"

#include "core/telnumber.h"

#include <QStringList>
#include <QUrl>

namespace vennor::app {
namespace {

bool isDialable(QChar c, bool global)
{
    const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
    return digit || (!global && (c == QLatin1Char('*') || c == QLatin1Char('#')));
}

QString withoutScheme(const QString& target)
{
    const QString text = target.trimmed();
    if (!text.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) {
        return text;
    }
    QString rest = QUrl::fromPercentEncoding(text.mid(4).toUtf8());
    // Some pages write tel://NUMBER; the slashes carry nothing.
    while (rest.startsWith(QLatin1Char('/'))) {
        rest.remove(0, 1);
    }
    return rest;
}

// A link can be of any length: the message shows its start only.
QString shownTarget(const QString& target)
{
    constexpr qsizetype kShown = 60;
    return target.size() <= kShown ? target : target.left(kShown) + QStringLiteral("...");
}

QString refusal(const QString& target, const QString& why)
{
    return QStringLiteral("vennor: cannot dial \"%1\": %2").arg(shownTarget(target), why);
}

} // namespace

Result<QString> dialStringOf(const QString& target, const QString& internationalPrefix)
{
    const QStringList parts = withoutScheme(target).split(QLatin1Char(';'));
    bool hasContext = false;
    for (const QString& parameter : parts.mid(1)) {
        const QString name = parameter.section(QLatin1Char('='), 0, 0).trimmed().toLower();
        if (name == QLatin1String("ext") || name == QLatin1String("isub")) {
            return Result<QString>::failure(
                refusal(target, QStringLiteral("the modem cannot dial an extension or subaddress "
                                               "(;%1=); dial the number without it")
                                    .arg(name)));
        }
        hasContext = hasContext || name == QLatin1String("phone-context");
    }
    QString number;
    for (const QChar c : parts.first()) {
        if (!isVisualSeparator(c)) {
            number += c;
        }
    }
    const bool global = number.startsWith(QLatin1Char('+'));
    const QString digits = global ? number.mid(1) : number;
    if (digits.isEmpty()) {
        return Result<QString>::failure(
            refusal(target, QStringLiteral("there is no number in it")));
    }
    for (const QChar c : digits) {
        if (!isDialable(c, global)) {
            return Result<QString>::failure(
                refusal(target, global ? QStringLiteral("a number after \"+\" holds digits only")
                                       : QStringLiteral("a number holds only digits, * and #, with "
                                                        "- . ( ) or blanks between them")));
        }
    }
    if (global && hasContext) {
        return Result<QString>::failure(refusal(
            target, QStringLiteral("a number starting with \"+\" takes no ;phone-context=")));
    }
    return global ? internationalPrefix + digits : digits;
}

QString tooLongRefusal(const QString& target, qsizetype length, int longest)
{
    return refusal(target, QStringLiteral("it has %1 digits, and the modem dials at most %2 "
                                          "(maxDigits under [tel] in vennor.ini)")
                               .arg(length)
                               .arg(longest));
}

} // namespace vennor::app
