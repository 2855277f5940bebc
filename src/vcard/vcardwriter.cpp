// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vcard/vcardwriter.h"

#include <algorithm>

namespace vennor {
namespace {

constexpr qsizetype kMaxOctets = 75;

bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isTokenCharacter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
           c == u'-' || c == u'_';
}

bool isToken(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isTokenCharacter);
}

// A line named BEGIN or END would open or close a card for every reader.
bool isPropertyName(QStringView name)
{
    return isToken(name) && name.compare(u"BEGIN", Qt::CaseInsensitive) != 0 &&
           name.compare(u"END", Qt::CaseInsensitive) != 0;
}

bool isControlByte(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return b < 0x20 || b == 0x7F;
}

bool isGroupAndName(QByteArrayView text)
{
    const qsizetype dot = text.lastIndexOf('.');
    const QString name = QString::fromUtf8(text.sliced(dot + 1));
    return isPropertyName(name) && (dot < 0 || isToken(QString::fromUtf8(text.first(dot))));
}

// One value of a parameter as written: bare, or between double quotes with none inside.
bool isParameterValue(QByteArrayView value)
{
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) {
        value = value.sliced(1, value.size() - 2);
    }
    return std::none_of(value.begin(), value.end(),
                        [](char c) { return c == '"' || isControlByte(c); });
}

bool isParameter(QByteArrayView parameter)
{
    const qsizetype equals = parameter.indexOf('=');
    if (equals < 0) {
        return isToken(QString::fromUtf8(parameter)); // a bare 2.1 type or encoding
    }
    if (!isToken(QString::fromUtf8(parameter.first(equals)))) {
        return false;
    }
    const QList<QByteArrayView> values = splitOutsideQuotes(parameter.sliced(equals + 1), ',');
    return std::all_of(values.begin(), values.end(), isParameterValue);
}

void appendBlankFolded(QByteArray& out, QByteArrayView line)
{
    qsizetype room = kMaxOctets;
    while (line.size() > room) {
        qsizetype cut = room;
        while (cut > 0 && isContinuationByte(line[cut])) {
            --cut;
        }
        if (cut == 0) {
            cut = room; // no UTF-8 here to keep whole
        }
        // vobject (so Radicale) ends a card's line at a line of blanks: a long run of blanks
        // stays with the character after it, however long that makes the line.
        const qsizetype nonBlank =
            std::find_if_not(line.begin(), line.end(), isBlank) - line.begin();
        if (room < kMaxOctets && nonBlank >= cut) {
            cut = nonBlank + 1;
            while (cut < line.size() && isContinuationByte(line[cut])) {
                ++cut;
            }
            if (cut >= line.size()) {
                break;
            }
        }
        out.append(line.first(cut));
        out.append("\r\n ");
        line = line.sliced(cut);
        room = kMaxOctets - 1; // the blank that starts a continued line counts
    }
    out.append(line);
    out.append("\r\n");
}

QByteArray quotedPrintable(QByteArrayView bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray encoded;
    encoded.reserve(bytes.size() * 3);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const bool blank = b == ' ' || b == '\t';
        const bool plain = (b > 0x20 && b < 0x7F && b != '=') || (blank && i + 1 < bytes.size());
        if (plain) {
            encoded.append(char(b));
        } else {
            encoded.append('=');
            encoded.append(kHex[b >> 4]);
            encoded.append(kHex[b & 0x0F]);
        }
    }
    return encoded;
}

// A 3.0 or 4.0 text value: line breaks as "\n", no NUL.
QByteArray escapedValue(QStringView value)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\r' || c == u'\n') {
            text.append(u"\\n");
            if (c == u'\r' && i + 1 < value.size() && value[i + 1] == u'\n') {
                ++i;
            }
        } else if (c != QChar(0)) {
            text.append(c);
        }
    }
    return text.toUtf8();
}

// A 2.1 text value before its encoding: "\n" becomes a line break, "\," a comma; "\;" and
// "\\" stay, as 2.1 readers and ours resolve them.
QByteArray plainValue21(QStringView value)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            if (next == u'n' || next == u'N') {
                text.append(u"\r\n");
            } else if (next == u',') {
                text.append(next);
            } else {
                text.append(c);
                text.append(next);
            }
        } else if (c == u'\r' || c == u'\n') {
            text.append(u"\r\n");
            if (c == u'\r' && i + 1 < value.size() && value[i + 1] == u'\n') {
                ++i;
            }
        } else if (c != QChar(0)) {
            text.append(c);
        }
    }
    return text.toUtf8();
}

QString parameterValue(const VCardProperty& property, QStringView name)
{
    for (const auto& [key, value] : property.parameters) {
        if (key == name) {
            return value.toUpper();
        }
    }
    return {};
}

std::optional<QByteArray> parameterText(const VCardProperty& property, TextRules rules, bool binary)
{
    QByteArray out;
    QString lastName;
    for (const auto& [name, value] : property.parameters) {
        if ((name == u"ENCODING" && !binary) || name == u"CHARSET") {
            continue; // the value is written again in an encoding of its own
        }
        if (!isToken(name) || value.contains(u'"') ||
            std::any_of(value.begin(), value.end(),
                        [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; })) {
            return std::nullopt;
        }
        const bool quoted = value.contains(u':') || value.contains(u';') || value.contains(u',');
        const QByteArray text = (quoted ? u'"' + value + u'"' : value).toUtf8();
        if (name == lastName && rules == TextRules::escaped) {
            out += ',' + text;
        } else {
            out += ';' + name.toUtf8() + '=' + text;
        }
        lastName = name;
    }
    return out;
}

} // namespace

TextRules textRulesOf(QStringView version)
{
    return version.trimmed() == u"2.1" || version.trimmed() == u"2.0" ? TextRules::v21
                                                                      : TextRules::escaped;
}

QString escapedText(QStringView text)
{
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'\\' || c == u',' || c == u';') {
            escaped.append(u'\\');
            escaped.append(c);
        } else if (c == u'\n') {
            escaped.append(u"\\n");
        } else if (c != u'\r') {
            escaped.append(c);
        }
    }
    return escaped;
}

void appendFoldedLine(QByteArray& out, QByteArrayView line)
{
    if (namesQuotedPrintable(line)) {
        // 2.1 readers keep the blank of a fold inside the value, and vobject (so Radicale)
        // does not join soft line breaks: only a whole line reads the same everywhere.
        out.append(line);
        out.append("\r\n");
    } else {
        appendBlankFolded(out, line);
    }
}

bool isWellFormedLine(QByteArrayView line)
{
    if (line.contains('\r') || line.contains('\n') || line.contains('\0')) {
        return false;
    }
    const qsizetype colon = colonOutsideQuotes(line);
    if (colon <= 0 || (namesQuotedPrintable(line) && line.endsWith('='))) {
        return false; // an "=" at the end would draw the next line into this one
    }
    const QList<QByteArrayView> head = splitOutsideQuotes(line.first(colon), ';');
    return isGroupAndName(head.front()) && std::all_of(head.begin() + 1, head.end(), isParameter);
}

std::optional<QByteArray> encodedProperty(const VCardProperty& property, TextRules rules)
{
    if (!isPropertyName(property.name) || (!property.group.isEmpty() && !isToken(property.group))) {
        return std::nullopt;
    }
    const QString encoding = parameterValue(property, u"ENCODING");
    const bool binary = encoding == u"B" || encoding == u"BASE64";
    std::optional<QByteArray> parameters = parameterText(property, rules, binary);
    if (!parameters) {
        return std::nullopt;
    }
    const QByteArray head =
        (property.group.isEmpty() ? QByteArray() : property.group.toUtf8() + '.') +
        property.name.toUtf8();
    QByteArray value;
    if (binary) {
        value = property.value.toLatin1();
        value.removeIf([](char c) { return c == ' ' || isControlByte(c); });
    } else if (rules == TextRules::escaped) {
        value = escapedValue(property.value);
    } else {
        value = plainValue21(property.value);
        const bool ascii = std::none_of(value.begin(), value.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x80;
        });
        const bool printable = ascii && std::none_of(value.begin(), value.end(), isControlByte);
        if (!printable || head.size() + parameters->size() + 1 + value.size() > kMaxOctets) {
            *parameters +=
                ascii ? ";ENCODING=QUOTED-PRINTABLE" : ";ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8";
            value = quotedPrintable(value);
        }
    }
    QByteArray line = head + *parameters + ':' + value;
    if (!isWellFormedLine(line)) {
        return std::nullopt;
    }
    return line;
}

QString revisionText(const QDateTime& moment)
{
    return moment.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

} // namespace vennor
