// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vcard/vcardmapping.h"

#include "core/fieldrules.h"
#include "core/fields.h"
#include "core/numeric.h"
#include "core/printabletext.h"
#include "core/telnumber.h"
#include "vcard/cardtexts.h"

#include <QUuid>
#include <algorithm>
#include <array>

namespace vennor {
namespace {

// A type of a TEL property and the type code it gives, the most telling types first: a work
// fax is a fax.
struct TelType
{
    const char16_t* type;
    int code;
};
constexpr std::array<TelType, 8> kTelTypes = {{{u"x-cellular", 5},
                                               {u"fax", 3},
                                               {u"pager", 4},
                                               {u"msg", 6},
                                               {u"cell", 1},
                                               {u"mobile", 1},
                                               {u"work", 2},
                                               {u"home", 0}}};

// How each type code is written; Cellular and Mobile are both cell phones to other programs.
constexpr std::array<const char*, 7> kTelTypeNames = {
    "home", "cell", "work", "fax", "pager", "cell,x-cellular", "msg"};

// Properties the record has no field for, kept in the comment under these labels.
struct CommentedProperty
{
    const char16_t* name;
    const char* label;
};
constexpr std::array<CommentedProperty, 10> kCommented = {{{u"ORG", "organisation"},
                                                           {u"TITLE", "title"},
                                                           {u"ROLE", "role"},
                                                           {u"BDAY", "birthday"},
                                                           {u"ANNIVERSARY", "anniversary"},
                                                           {u"NICKNAME", "nickname"},
                                                           {u"URL", "web"},
                                                           {u"IMPP", "chat"},
                                                           {u"CATEGORIES", "categories"},
                                                           {u"GENDER", "gender"}}};

} // namespace

int telTypeCode(const VCardProperty& tel)
{
    QStringList types;
    for (const QString& type : tel.types()) {
        types += type.split(u',', Qt::SkipEmptyParts); // TYPE="work,voice"
    }
    for (const TelType& telType : kTelTypes) {
        if (types.contains(QStringView(telType.type))) {
            return telType.code;
        }
    }
    return 0;
}

QByteArray telTypeParameter(int code)
{
    return QByteArray("TYPE=") + kTelTypeNames[code >= 0 && code < 7 ? code : 0];
}

namespace {

QList<const VCardProperty*> propertiesNamed(const VCard& card, QStringView name)
{
    QList<const VCardProperty*> found;
    for (const VCardProperty& property : card.properties) {
        if (property.name == name) {
            found.append(&property);
        }
    }
    return found;
}

// The preferred ones first, otherwise in file order.
QList<const VCardProperty*> preferredFirst(QList<const VCardProperty*> properties)
{
    std::stable_partition(properties.begin(), properties.end(),
                          [](const VCardProperty* p) { return p->isPreferred(); });
    return properties;
}

QString oneLine(QString text)
{
    return text.replace(u'\n', QStringLiteral(", "));
}

QStringList cardComponents(const VCardProperty& property)
{
    QStringList parts = property.components();
    for (QString& part : parts) {
        part = withoutControls(part);
    }
    return parts;
}

bool isReadIntoRecord(const QString& name)
{
    static const QStringList kRead = [] {
        QStringList names{"FN", "N", "EMAIL", "ADR", "LABEL", "NOTE", "TEL"};
        for (const CommentedProperty& kind : kCommented) {
            names.append(QString::fromUtf16(kind.name));
        }
        return names;
    }();
    return kRead.contains(name);
}

// Whether any text the record takes from the card holds a character that is left out (a tab
// or a line break only changes its form).
bool holdsControls(const VCard& card)
{
    const auto leftOut = [](QChar c) {
        return c != u'\t' && c != u'\r' && c != u'\n' && isControlCharacter(c.unicode());
    };
    return std::any_of(
        card.properties.cbegin(), card.properties.cend(), [&](const VCardProperty& property) {
            return isReadIntoRecord(property.name) &&
                   std::any_of(property.value.cbegin(), property.value.cend(), leftOut);
        });
}

// The first FN (else N) as the card gives it, shown printable.
QString givenName(const VCard& card)
{
    for (const VCardProperty& property : card.properties) {
        if (property.name == u"FN" || property.name == u"N") {
            const QString text =
                property.name == u"FN" ? property.text() : property.components().join(u' ');
            if (!text.trimmed().isEmpty()) {
                return printableForTerminal(oneLine(text).trimmed());
            }
        }
    }
    return {};
}

QString joinedParts(const QStringList& parts, const QString& separator)
{
    QStringList kept;
    for (const QString& part : parts) {
        if (const QString trimmed = oneLine(part).trimmed(); !trimmed.isEmpty()) {
            kept.append(trimmed);
        }
    }
    return kept.join(separator);
}

QString firstText(const VCard& card, QStringView name)
{
    for (const VCardProperty& property : card.properties) {
        if (property.name != name) {
            continue;
        }
        if (QString text = oneLine(cardText(property)).trimmed(); !text.isEmpty()) {
            return text;
        }
    }
    return {};
}

// Family; given; additional; prefixes; suffixes read as "prefixes given additional family
// suffixes".
QString assembledName(const VCard& card)
{
    for (const VCardProperty* property : propertiesNamed(card, u"N")) {
        QStringList parts = cardComponents(*property);
        parts.resize(5);
        const QStringList ordered{parts[3], parts[1], parts[2], parts[0], parts[4]};
        QStringList words;
        for (const QString& part : ordered) {
            words.append(QString(part).replace(u',', u' '));
        }
        if (QString name = joinedParts(words, QStringLiteral(" ")); !name.isEmpty()) {
            return name;
        }
    }
    return {};
}

QString organisation(const VCard& card)
{
    const QList<const VCardProperty*> organisations = propertiesNamed(card, u"ORG");
    return organisations.isEmpty() ? QString() : joinedCardComponents(*organisations.front());
}

QString stored(const QString& text)
{
    return trimBlanks(text.toLower());
}

bool fileable(const QString& name)
{
    return !name.isEmpty() && !isNumeric(name) && name != endLine();
}

bool fileableAddress(const QString& address)
{
    return !isNumeric(address) && address != endLine();
}

class CardMapper
{
public:
    CardMapper(const VCard& card, const QString& prefix) : card_(card), prefix_(prefix)
    {
        result_.line = card.line;
    }

    CardRecord map()
    {
        Record record;
        record.name = name();
        result_.cardName = givenName(card_);
        if (holdsControls(card_)) {
            result_.changes.append(CardText::tr("control characters left out"));
        }
        if (record.name.isEmpty()) {
            result_.changes.append(CardText::tr("no name: not imported"));
            return result_;
        }
        record.email = email();
        record.address = address();
        record.numbers = numbers();
        commentOthers();
        record.comment = comment();
        result_.record = std::move(record);
        return result_;
    }

private:
    QString cleaned(RecordField field, const QString& text, const char* what)
    {
        if (!holdsRefused(field, text)) {
            return text;
        }
        result_.changes.append(CardText::tr("characters the %1 cannot hold replaced by blanks")
                                   .arg(CardText::tr(what)));
        return blankRefused(field, text);
    }

    void toComment(const QString& label, const QString& text)
    {
        extras_.append(label + QStringLiteral(": ") + text);
        result_.changes.append(CardText::tr("%1 put in the comment").arg(label));
    }

    QString name()
    {
        using Source = QString (*)(const VCard&);
        const Source sources[] = {[](const VCard& c) { return firstText(c, u"FN"); }, assembledName,
                                  organisation,
                                  [](const VCard& c) { return firstText(c, u"EMAIL"); }};
        for (const Source source : sources) {
            const QString candidate = source(card_);
            const QString name = stored(blankRefused(RecordField::name, candidate));
            if (fileable(name)) {
                cleaned(RecordField::name, candidate, QT_TRANSLATE_NOOP("CardText", "name"));
                return name;
            }
        }
        return {};
    }

    QString email()
    {
        QString chosen;
        for (const VCardProperty* property : preferredFirst(propertiesNamed(card_, u"EMAIL"))) {
            const QString text = oneLine(cardText(*property)).trimmed();
            if (text.isEmpty()) {
                continue;
            }
            if (chosen.isEmpty() && text.contains(u'@')) {
                chosen = cleaned(RecordField::email, text, QT_TRANSLATE_NOOP("CardText", "e-mail"));
            } else {
                toComment(QStringLiteral("e-mail"), text);
            }
        }
        return chosen;
    }

    QString address()
    {
        QString chosen;
        for (const VCardProperty* property : preferredFirst(propertiesNamed(card_, u"ADR"))) {
            const QString text = joinedCardComponents(*property);
            if (text.isEmpty()) {
                continue;
            }
            if (chosen.isEmpty() && fileableAddress(stored(text))) {
                chosen = text;
            } else {
                toComment(QStringLiteral("address"), text);
            }
        }
        const QString label = firstText(card_, u"LABEL");
        if (chosen.isEmpty() && propertiesNamed(card_, u"ADR").isEmpty() && !label.isEmpty()) {
            if (fileableAddress(stored(label))) {
                chosen = label;
            } else {
                toComment(QStringLiteral("address"), label);
            }
        }
        return cleaned(RecordField::address, chosen, QT_TRANSLATE_NOOP("CardText", "address"));
    }

    QList<PhoneNumber> numbers()
    {
        QList<PhoneNumber> found;
        for (const VCardProperty* property : propertiesNamed(card_, u"TEL")) {
            QString text = oneLine(cardText(*property)).trimmed();
            if (text.startsWith(QStringLiteral("tel:"), Qt::CaseInsensitive)) {
                text = text.sliced(4);
            }
            if (text.isEmpty()) {
                continue;
            }
            const int code = telTypeCode(*property);
            if (const auto number = reducedTelNumber(text, prefix_)) {
                found.append({code, *number});
            } else {
                toComment(numberTypes().at(code).toLower() + QStringLiteral(" number"), text);
            }
        }
        return found;
    }

    void commentOthers()
    {
        for (const CommentedProperty& kind : kCommented) {
            for (const VCardProperty& property : card_.properties) {
                if (property.name != kind.name) {
                    continue;
                }
                const QString text = joinedCardComponents(property);
                if (!text.isEmpty()) {
                    toComment(QLatin1String(kind.label), text);
                }
            }
        }
    }

    QString comment()
    {
        QStringList lines;
        for (const VCardProperty* property : propertiesNamed(card_, u"NOTE")) {
            if (const QString text = cardText(*property).trimmed(); !text.isEmpty()) {
                lines.append(text);
            }
        }
        lines += extras_;
        return cleaned(RecordField::comment, lines.join(u'\n'),
                       QT_TRANSLATE_NOOP("CardText", "comment"));
    }

    const VCard& card_;
    const QString& prefix_;
    CardRecord result_;
    QStringList extras_;
};

// One property as a content line: the name with its parameters, the value as given.
void appendProperty(QByteArray& out, const char* nameAndParameters, const QString& value)
{
    appendFoldedLine(out, QByteArray(nameAndParameters) + ':' + value.toUtf8());
}

} // namespace

QString uidOf(const QString& name)
{
    // A namespace of our own: the same name always gives the same UID.
    static const QUuid kNamespace(QStringLiteral("{5b0f4a8e-2c1d-4f6a-9e3b-7d8c1a2b3c4d}"));
    return QStringLiteral("urn:uuid:") +
           QUuid::createUuidV5(kNamespace, name.toUtf8()).toString(QUuid::WithoutBraces);
}

QString structuredName(const QString& name)
{
    const qsizetype blank = name.lastIndexOf(u' ');
    const QString family = name.sliced(blank + 1);
    const QString given = blank < 0 ? QString() : name.first(blank).trimmed();
    return escapedText(family) + u';' + escapedText(given) + QStringLiteral(";;;");
}

QString cardText(const VCardProperty& property)
{
    return withoutControls(property.text());
}

QString joinedCardComponents(const VCardProperty& property)
{
    return joinedParts(cardComponents(property), QStringLiteral(", "));
}

CardRecord recordFromCard(const VCard& card, const QString& internationalPrefix)
{
    return CardMapper(card, internationalPrefix).map();
}

QByteArray cardFromRecord(const Record& record, VCardVersion version, const CardExtras& extras)
{
    const bool v3 = version == VCardVersion::v30;
    QByteArray out;
    out.reserve(256);
    out.append("BEGIN:VCARD\r\n");
    out.append(v3 ? "VERSION:3.0\r\n" : "VERSION:4.0\r\n");
    appendProperty(out, "UID", uidOf(record.name));
    appendProperty(out, "FN", escapedText(record.name));
    appendProperty(out, "N", structuredName(record.name));
    if (!record.email.isEmpty()) {
        appendProperty(out, v3 ? "EMAIL;TYPE=internet" : "EMAIL", escapedText(record.email));
    }
    if (!record.address.isEmpty()) {
        const QString street = escapedText(record.address);
        appendProperty(out, "ADR", QStringLiteral(";;") + street + QStringLiteral(";;;;"));
        if (v3) {
            appendProperty(out, "LABEL", street);
        }
    }
    if (!record.comment.isEmpty()) {
        appendProperty(out, "NOTE", escapedText(record.comment));
    }
    for (const PhoneNumber& number : record.numbers) {
        if (number.number.isEmpty() || !isNumeric(number.number)) {
            break; // as the phone book keeps them: up to the first that is no number
        }
        appendProperty(out, ("TEL;" + telTypeParameter(number.type)).constData(),
                       internationalForm(number.number.trimmed(), extras.internationalPrefix));
    }
    if (extras.revision) {
        appendProperty(out, "REV", revisionText(*extras.revision));
    }
    out.append("END:VCARD\r\n");
    return out;
}

} // namespace vennor
