// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vcard/vcardreader.h"

#include "core/textfile.h"
#include "vcard/cardtexts.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstring>
#include <optional>

namespace vennor {
namespace {

// The lines of the file as written, without their CR LF or LF.
class PhysicalLines
{
public:
    explicit PhysicalLines(QByteArrayView bytes) : bytes_(bytes) {}

    std::optional<QByteArrayView> next()
    {
        if (pos_ >= bytes_.size()) {
            return std::nullopt;
        }
        const char* start = bytes_.data() + pos_;
        const auto* feed =
            static_cast<const char*>(std::memchr(start, '\n', size_t(bytes_.size() - pos_)));
        const qsizetype length = feed ? feed - start : bytes_.size() - pos_;
        pos_ += length + 1;
        ++number_;
        QByteArrayView line(start, length);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        return line;
    }
    int number() const { return number_; }

private:
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
    int number_ = 0;
};

struct LogicalLine
{
    QByteArrayView bytes; // valid until the next line is read
    int line = 0;
};

// The lines of the file unfolded: a line that begins with a blank or a tab continues the one
// before it (without that blank), and a quoted-printable value ending in "=" goes on in the
// next line. Unfolding works on bytes, so a fold inside a UTF-8 sequence joins it again.
class LogicalLines
{
public:
    explicit LogicalLines(QByteArrayView bytes) : physical_(bytes) { advance(); }

    std::optional<LogicalLine> next()
    {
        if (!peek_) {
            return std::nullopt;
        }
        const QByteArrayView first = *peek_;
        const int number = physical_.number();
        const bool quotedPrintable = namesQuotedPrintable(first);
        bool joined = false;
        for (advance(); peek_; advance()) {
            const bool softBreak =
                quotedPrintable && (joined ? joined_.endsWith('=') : first.endsWith('='));
            const bool folded = peek_->startsWith(' ') || peek_->startsWith('\t');
            if (!softBreak && !folded) {
                break;
            }
            if (!joined) {
                joined_ = first.toByteArray();
                joined = true;
            }
            if (softBreak) {
                joined_.chop(1);
                joined_.append(*peek_);
            } else {
                joined_.append(peek_->sliced(1));
            }
        }
        return LogicalLine{joined ? QByteArrayView(joined_) : first, number};
    }
    int lastLine() const { return physical_.number(); }

private:
    void advance() { peek_ = physical_.next(); }

    PhysicalLines physical_;
    std::optional<QByteArrayView> peek_;
    QByteArray joined_; // the last line that was folded, joined again
};

QString unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) {
        value = value.sliced(1, value.size() - 2);
    }
    return QString::fromUtf8(value);
}

bool isEncodingName(const QString& upper)
{
    return upper == u"QUOTED-PRINTABLE" || upper == u"BASE64" || upper == u"B" ||
           upper == u"8BIT" || upper == u"7BIT";
}

void addParameter(VCardProperty& property, QByteArrayView parameter)
{
    const qsizetype equals = parameter.indexOf('=');
    if (equals < 0) {
        // vCard 2.1 writes bare types ("TEL;HOME;VOICE") and bare encodings.
        const QString value = QString::fromUtf8(parameter.trimmed()).toUpper();
        const bool encoding = isEncodingName(value);
        property.parameters.append(
            {encoding ? QStringLiteral("ENCODING") : QStringLiteral("TYPE"), value});
        return;
    }
    const QString name = QString::fromUtf8(parameter.first(equals).trimmed()).toUpper();
    for (const QByteArrayView value : splitOutsideQuotes(parameter.sliced(equals + 1), ',')) {
        property.parameters.append({name, unquoted(value.trimmed())});
    }
}

QString parameter(const VCardProperty& property, QStringView name)
{
    for (const auto& [key, value] : property.parameters) {
        if (key == name) {
            return value;
        }
    }
    return {};
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// "=XX" becomes the byte XX; anything else stays as written.
QByteArray decodedQuotedPrintable(QByteArrayView value)
{
    QByteArray bytes;
    bytes.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '=' && i + 2 < value.size() && hexValue(value[i + 1]) >= 0 &&
            hexValue(value[i + 2]) >= 0) {
            bytes.append(char(hexValue(value[i + 1]) * 16 + hexValue(value[i + 2])));
            i += 2;
        } else {
            bytes.append(value[i]);
        }
    }
    return bytes;
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
}

QString decodedValue(const VCardProperty& property, QByteArrayView raw)
{
    const QString encoding = parameter(property, u"ENCODING").toUpper();
    if (encoding == u"B" || encoding == u"BASE64") {
        return QString::fromLatin1(raw); // pictures and keys: never text
    }
    const QString charset = parameter(property, u"CHARSET");
    const bool quotedPrintable = encoding == u"QUOTED-PRINTABLE";
    if (!quotedPrintable && charset.isEmpty() && isAscii(raw)) {
        return QString::fromLatin1(raw); // most values: no decoder needed
    }
    const QByteArray bytes = quotedPrintable ? decodedQuotedPrintable(raw) : raw.toByteArray();
    if (!charset.isEmpty()) {
        QStringDecoder decoder(charset.toLatin1().constData());
        if (decoder.isValid()) {
            return decoder.decode(bytes);
        }
    }
    return textfile::decode(bytes);
}

std::optional<VCardProperty> parsedProperty(const LogicalLine& line)
{
    const qsizetype colon = colonOutsideQuotes(line.bytes);
    if (colon <= 0) {
        return std::nullopt;
    }
    VCardProperty property;
    property.line = line.line;
    const QList<QByteArrayView> head = splitOutsideQuotes(line.bytes.first(colon), ';');
    const QByteArrayView groupAndName = head.front().trimmed();
    const qsizetype dot = groupAndName.lastIndexOf('.');
    property.group = QString::fromUtf8(groupAndName.first(dot < 0 ? 0 : dot));
    property.name = QString::fromUtf8(groupAndName.sliced(dot + 1)).toUpper();
    if (property.name.isEmpty()) {
        return std::nullopt;
    }
    for (qsizetype i = 1; i < head.size(); ++i) {
        if (!head[i].trimmed().isEmpty()) {
            addParameter(property, head[i]);
        }
    }
    property.value = decodedValue(property, line.bytes.sliced(colon + 1));
    property.raw = line.bytes.toByteArray();
    return property;
}

bool isCardLine(QByteArrayView line, QByteArrayView upper)
{
    line = line.trimmed();
    return line.size() == upper.size() && qstrnicmp(line.data(), upper.data(), upper.size()) == 0;
}

QString shown(QByteArrayView line)
{
    QString text = textfile::decode(line.trimmed().toByteArray());
    if (text.size() > 40) {
        text = text.first(40) + QStringLiteral("…");
    }
    return text;
}

Status failure(int line, const QString& why)
{
    return Status::failure(CardText::tr("Line %1: %2").arg(line).arg(why));
}

} // namespace

// Splits at the separator wherever it stands outside double quotes.
QList<QByteArrayView> splitOutsideQuotes(QByteArrayView text, char separator)
{
    QList<QByteArrayView> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
        } else if (text[i] == separator && !quoted) {
            parts.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.sliced(start));
    return parts;
}

qsizetype colonOutsideQuotes(QByteArrayView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ':' && !quoted) {
            return i;
        }
    }
    return -1;
}

bool namesQuotedPrintable(QByteArrayView line)
{
    static constexpr QByteArrayView kName("QUOTED-PRINTABLE");
    const qsizetype colon = colonOutsideQuotes(line); // a quoted parameter may hold a colon
    const qsizetype end = colon < 0 ? line.size() : colon;
    for (qsizetype i = 0; i + kName.size() <= end; ++i) {
        qsizetype j = 0;
        while (j < kName.size() && (line[i + j] & ~0x20) == (kName[j] & ~0x20)) {
            ++j;
        }
        if (j == kName.size()) {
            return true;
        }
    }
    return false;
}

QStringList VCardProperty::types() const
{
    QStringList found;
    for (const auto& [key, value] : parameters) {
        if (key == u"TYPE") {
            found.append(value.toLower());
        }
    }
    return found;
}

bool VCardProperty::isPreferred() const
{
    for (const auto& [key, value] : parameters) {
        if (key == u"PREF" ||
            (key == u"TYPE" && value.compare(u"pref", Qt::CaseInsensitive) == 0)) {
            return true;
        }
    }
    return false;
}

QString unescapedText(QStringView value)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            if (next == u'n' || next == u'N') {
                text.append(u'\n');
            } else if (next == u',' || next == u';' || next == u'\\') {
                text.append(next);
            } else {
                text.append(c);
                text.append(next);
            }
        } else if (c == u'\r') {
            text.append(u'\n');
            if (i + 1 < value.size() && value[i + 1] == u'\n') {
                ++i;
            }
        } else {
            text.append(c);
        }
    }
    return text;
}

QString VCardProperty::text() const
{
    return unescapedText(value);
}

QStringList VCardProperty::components() const
{
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\') {
            ++i;
        } else if (value[i] == u';') {
            parts.append(unescapedText(QStringView(value).sliced(start, i - start)));
            start = i + 1;
        }
    }
    parts.append(unescapedText(QStringView(value).sliced(start)));
    return parts;
}

Status readVCards(const QByteArray& bytes, const std::function<void(const VCard&)>& take)
{
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF")) {
        text = text.sliced(3);
    }
    int cards = 0;
    std::optional<VCard> card;
    int nested = 0; // 2.1 writes an AGENT's card inside the card
    LogicalLines lines(text);
    while (const std::optional<LogicalLine> line = lines.next()) {
        if (line->bytes.trimmed().isEmpty()) {
            continue;
        }
        const bool begin = isCardLine(line->bytes, "BEGIN:VCARD");
        if (!card) {
            if (!begin) {
                return failure(
                    line->line,
                    CardText::tr("BEGIN:VCARD expected, found \"%1\"").arg(shown(line->bytes)));
            }
            card.emplace().line = line->line;
        } else if (begin) {
            ++nested;
        } else if (isCardLine(line->bytes, "END:VCARD")) {
            if (nested > 0) {
                --nested;
            } else {
                take(*card);
                ++cards;
                card.reset();
            }
        } else if (nested == 0) {
            std::optional<VCardProperty> property = parsedProperty(*line);
            if (!property) {
                return failure(
                    line->line,
                    CardText::tr("\"%1\" is not a vCard property").arg(shown(line->bytes)));
            }
            if (property->name == u"VERSION") {
                card->version = property->value.trimmed();
            }
            card->properties.append(*std::move(property));
        }
    }
    if (card) {
        return failure(lines.lastLine(),
                       CardText::tr("the file ends inside the card begun on line %1 "
                                    "(END:VCARD is missing)")
                           .arg(card->line));
    }
    if (cards == 0) {
        return failure(1, CardText::tr("the file is empty: it holds no vCard"));
    }
    return Status::success();
}

} // namespace vennor
