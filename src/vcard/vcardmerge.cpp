// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vcard/vcardmerge.h"

#include "core/fieldrules.h"
#include "core/fields.h"
#include "core/printabletext.h"
#include "core/telnumber.h"
#include "vcard/vcardmapping.h"
#include "vcard/vcardwriter.h"

#include <QStringList>
#include <algorithm>

namespace vennor {
namespace {

QString folded(const QString& text)
{
    return trimBlanks(text.toLower());
}

bool same(const QString& a, const QString& b)
{
    return folded(a) == folded(b);
}

VCardProperty made(const char* name, const QString& value, const QStringList& types = {})
{
    VCardProperty property;
    property.name = QString::fromLatin1(name);
    property.value = value;
    for (const QString& type : types) {
        property.parameters.append({QStringLiteral("TYPE"), type});
    }
    return property;
}

QString oneLine(QString text)
{
    return text.replace(u'\n', QStringLiteral(", "));
}

// Replaces the first property named name whose value matches old (or adds one when none
// does), or removes it when the new value is empty.
void replaceMatching(QList<VCardProperty>& properties, QStringView name,
                     const std::function<bool(const VCardProperty&)>& isOld,
                     const std::optional<VCardProperty>& replacement)
{
    for (qsizetype i = 0; i < properties.size(); ++i) {
        if (properties[i].name == name && isOld(properties[i])) {
            if (replacement) {
                properties[i].value = replacement->value;
                properties[i].raw.clear(); // written again from the new value
            } else {
                properties.removeAt(i);
            }
            return;
        }
    }
    if (replacement) {
        properties.append(*replacement);
    }
}

void removeNamed(QList<VCardProperty>& properties, QStringView name)
{
    properties.removeIf([name](const VCardProperty& p) { return p.name == name; });
}

void mergeName(QList<VCardProperty>& properties, const QString& name)
{
    removeNamed(properties, u"FN");
    removeNamed(properties, u"N");
    properties.append(made("FN", escapedText(name)));
    properties.append(made("N", structuredName(name)));
}

void mergeEmail(QList<VCardProperty>& properties, const QString& old, const QString& email)
{
    const auto isOld = [&old](const VCardProperty& p) {
        return same(blankRefused(RecordField::email, oneLine(cardText(p))), old);
    };
    std::optional<VCardProperty> replacement;
    if (!email.isEmpty()) {
        replacement = made("EMAIL", escapedText(email));
    }
    replaceMatching(properties, u"EMAIL", isOld, replacement);
}

void mergeAddress(QList<VCardProperty>& properties, const QString& old, const QString& address)
{
    const auto isOld = [&old](const VCardProperty& p) {
        return same(blankRefused(RecordField::address, joinedCardComponents(p)), old);
    };
    const QString street = escapedText(address);
    std::optional<VCardProperty> adr;
    if (!address.isEmpty()) {
        adr = made("ADR", QStringLiteral(";;") + street + QStringLiteral(";;;;"));
    }
    replaceMatching(properties, u"ADR", isOld, adr);
    // A label stands for the address only where no ADR does: with the last ADR gone, any
    // label left would come back as the address.
    const bool adrLeft = std::any_of(properties.cbegin(), properties.cend(),
                                     [](const VCardProperty& p) { return p.name == u"ADR"; });
    properties.removeIf([&old, adrLeft](const VCardProperty& p) {
        return p.name == u"LABEL" &&
               (!adrLeft || same(blankRefused(RecordField::address, oneLine(cardText(p))), old));
    });
}

// The comment is the notes followed by lines that stand for what the record had no field
// for; only the notes are the user's to change on the card, wherever the user put them.
void mergeComment(QList<VCardProperty>& properties, const QString& old, const QString& comment)
{
    QStringList notes;
    for (const VCardProperty& p : properties) {
        if (p.name == u"NOTE" && !cardText(p).trimmed().isEmpty()) {
            notes.append(cardText(p).trimmed());
        }
    }
    const QString noteText = blankRefused(RecordField::comment, notes.join(u'\n'));
    const QString extras =
        old.startsWith(noteText, Qt::CaseInsensitive) ? old.mid(noteText.size()) : QString();
    QStringList lines = comment.split(u'\n');
    for (const QString& extra : extras.split(u'\n', Qt::SkipEmptyParts)) {
        const auto at = std::find_if(lines.begin(), lines.end(),
                                     [&extra](const QString& line) { return same(line, extra); });
        if (at != lines.end()) {
            lines.erase(at);
        }
    }
    const QString note = lines.join(u'\n').trimmed();
    removeNamed(properties, u"NOTE");
    if (!note.isEmpty()) {
        properties.append(made("NOTE", escapedText(note)));
    }
}

// Numbers still on the record keep their property; the others go; new ones are added.
void mergeNumbers(QList<VCardProperty>& properties, const QList<PhoneNumber>& numbers,
                  const QString& prefix)
{
    QList<PhoneNumber> left;
    for (const PhoneNumber& number : numbers) {
        if (number.number.isEmpty()) {
            break;
        }
        left.append({number.type, number.number.trimmed()});
    }
    QList<VCardProperty> kept;
    for (const VCardProperty& p : std::as_const(properties)) {
        if (p.name == u"TEL") {
            QString text = oneLine(cardText(p)).trimmed();
            if (text.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) {
                text = text.sliced(4);
            }
            if (const auto reduced = reducedTelNumber(text, prefix)) {
                if (!left.removeOne(PhoneNumber{telTypeCode(p), *reduced})) {
                    continue; // a number the user took off the record
                }
            }
        }
        kept.append(p);
    }
    for (const PhoneNumber& number : left) {
        const QString types = QString::fromLatin1(telTypeParameter(number.type).mid(5));
        kept.append(made("TEL", internationalForm(number.number, prefix),
                         types.split(u',', Qt::SkipEmptyParts)));
    }
    properties = kept;
}

} // namespace

std::optional<QByteArray> mergedCard(const VCard& card, const Record& base, const Record& changed,
                                     const QString& internationalPrefix, const QDateTime& revision)
{
    QList<VCardProperty> properties = card.properties;
    if (!same(base.name, changed.name)) {
        mergeName(properties, changed.name);
    }
    if (!same(base.email, changed.email)) {
        mergeEmail(properties, base.email, changed.email);
    }
    if (!same(base.address, changed.address)) {
        mergeAddress(properties, base.address, changed.address);
    }
    if (!same(base.comment, changed.comment)) {
        mergeComment(properties, base.comment, changed.comment);
    }
    if (base.numbers != changed.numbers) {
        mergeNumbers(properties, changed.numbers, internationalPrefix);
    }
    removeNamed(properties, u"REV");
    properties.append(made("REV", revisionText(revision)));

    const TextRules rules = textRulesOf(card.version);
    QByteArray out("BEGIN:VCARD\r\n");
    for (const VCardProperty& p : std::as_const(properties)) {
        if (!p.raw.isEmpty() && isWellFormedLine(p.raw)) {
            appendFoldedLine(out, p.raw);
        } else if (const std::optional<QByteArray> line = encodedProperty(p, rules)) {
            appendFoldedLine(out, *line);
        } else {
            return std::nullopt;
        }
    }
    out.append("END:VCARD\r\n");
    return out;
}

namespace {

// The record as the check compares it. A card gives the lines of the comment that stand
// for properties (an organisation, a second e-mail) after its notes, its numbers in its own
// order, and the next e-mail or address when the first goes; a tab or a stray control in the
// book's own text is no fault of the card.
QString comparable(Record record)
{
    for (QString* field : {&record.name, &record.email, &record.address, &record.comment}) {
        *field = withoutControls(*field);
    }
    QStringList lines = record.comment.split(u'\n');
    lines << QStringLiteral("e-mail: ") + record.email
          << QStringLiteral("address: ") + record.address;
    for (QString& line : lines) {
        line = folded(line);
    }
    lines.removeAll(QString());
    lines.removeAll(QStringLiteral("e-mail:"));
    lines.removeAll(QStringLiteral("address:"));
    lines.sort();
    record.comment = lines.join(u'\n');
    record.email.clear();
    record.address.clear();
    std::sort(record.numbers.begin(), record.numbers.end(),
              [](const PhoneNumber& a, const PhoneNumber& b) {
                  return std::pair(a.number, a.type) < std::pair(b.number, b.type);
              });
    return recordText(record);
}

} // namespace

bool readsBackAs(const QByteArray& card, const Record& record, const QString& internationalPrefix)
{
    int cards = 0;
    std::optional<Record> read;
    const Status status = readVCards(card, [&](const VCard& one) {
        if (++cards == 1) {
            read = recordFromCard(one, internationalPrefix).record;
        }
    });
    return status && cards == 1 && read && comparable(*read) == comparable(record);
}

} // namespace vennor
