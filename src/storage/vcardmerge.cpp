#include "storage/vcardmerge.h"

#include "storage/fields.h"
#include "storage/telnumber.h"
#include "storage/vcardmapping.h"
#include "storage/vcardwriter.h"

#include <QStringList>

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

VCardProperty made(const char* name, const QString& value, const QString& type = {})
{
    VCardProperty property;
    property.name = QString::fromLatin1(name);
    property.value = value;
    if (!type.isEmpty()) {
        property.parameters.append({QStringLiteral("TYPE"), type});
    }
    return property;
}

QString joinedComponents(const VCardProperty& property)
{
    QStringList parts;
    for (const QString& part : property.components()) {
        if (const QString trimmed = part.trimmed(); !trimmed.isEmpty()) {
            parts.append(trimmed);
        }
    }
    return parts.join(QStringLiteral(", "));
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

void mergeAddress(QList<VCardProperty>& properties, const QString& old, const QString& address)
{
    const auto isOld = [&old](const VCardProperty& p) { return same(joinedComponents(p), old); };
    const QString street = escapedText(address);
    std::optional<VCardProperty> adr;
    if (!address.isEmpty()) {
        adr = made("ADR", QStringLiteral(";;") + street + QStringLiteral(";;;;"));
    }
    replaceMatching(properties, u"ADR", isOld, adr);
    properties.removeIf([&old](const VCardProperty& p) {
        return p.name == u"LABEL" && same(p.text().replace(u'\n', QStringLiteral(", ")), old);
    });
}

// The comment is the notes followed by what the record had no field for; only the notes are
// the user's to change on the card.
void mergeComment(QList<VCardProperty>& properties, const QString& old, const QString& comment)
{
    QStringList notes;
    for (const VCardProperty& p : properties) {
        if (p.name == u"NOTE" && !p.text().trimmed().isEmpty()) {
            notes.append(p.text().trimmed());
        }
    }
    const QString noteText = notes.join(u'\n');
    QString extras =
        old.startsWith(noteText, Qt::CaseInsensitive) ? old.mid(noteText.size()) : QString();
    QString note = comment;
    if (!extras.trimmed().isEmpty() && folded(comment).endsWith(folded(extras))) {
        note = comment.left(comment.size() - extras.size()).trimmed();
    }
    removeNamed(properties, u"NOTE");
    if (!note.trimmed().isEmpty()) {
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
            QString text = p.text().trimmed();
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
        kept.append(
            made("TEL", number.number, QString::fromLatin1(telTypeParameter(number.type).mid(5))));
    }
    properties = kept;
}

QByteArray parameterText(const VCardProperty& property)
{
    QByteArray out;
    QString lastName;
    for (const auto& [name, value] : property.parameters) {
        if ((name == u"ENCODING" && value.toUpper() == u"QUOTED-PRINTABLE") || name == u"CHARSET") {
            continue; // the value is kept decoded, as UTF-8
        }
        const bool quoted = value.contains(u':') || value.contains(u';') || value.contains(u',');
        const QByteArray text = (quoted ? u'"' + value + u'"' : value).toUtf8();
        if (name == lastName) {
            out += ',' + text;
        } else {
            out += ';' + name.toUtf8() + '=' + text;
        }
        lastName = name;
    }
    return out;
}

} // namespace

QByteArray mergedCard(const VCard& card, const Record& base, const Record& changed,
                      const QString& internationalPrefix)
{
    QList<VCardProperty> properties = card.properties;
    if (!same(base.name, changed.name)) {
        mergeName(properties, changed.name);
    }
    if (!same(base.email, changed.email)) {
        const auto isOld = [&base](const VCardProperty& p) { return same(p.text(), base.email); };
        std::optional<VCardProperty> email;
        if (!changed.email.isEmpty()) {
            email = made("EMAIL", escapedText(changed.email));
        }
        replaceMatching(properties, u"EMAIL", isOld, email);
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
    QByteArray out("BEGIN:VCARD\r\n");
    for (const VCardProperty& p : properties) {
        const QByteArray group = p.group.isEmpty() ? QByteArray() : p.group.toUtf8() + '.';
        appendFoldedLine(out, group + p.name.toUtf8() + parameterText(p) + ':' + p.value.toUtf8());
    }
    out.append("END:VCARD\r\n");
    return out;
}

} // namespace vennor
