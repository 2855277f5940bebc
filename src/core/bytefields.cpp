// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bytefields.h"

#include "core/textfile.h"

#include <QStringDecoder>
#include <cstring>

namespace vennor::bytefields {
namespace {

bool isAscii(QByteArrayView bytes)
{
    const char* p = bytes.data();
    const char* const stop = p + bytes.size();
    for (; stop - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        if (word & 0x8080808080808080ULL) {
            return false;
        }
    }
    for (; p != stop; ++p) {
        if (static_cast<unsigned char>(*p) >= 0x80) {
            return false;
        }
    }
    return true;
}

QStringDecoder utf8Decoder()
{
    // As the file reader decodes a line: a U+FEFF inside the text is text.
    return QStringDecoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
}

} // namespace

bool isUtf8(QByteArrayView bytes)
{
    if (isAscii(bytes)) {
        return true;
    }
    QStringDecoder decoder = utf8Decoder();
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

bool isNumeric(QByteArrayView text)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && *p == ' ') {
        ++p;
    }
    const char* const digitsFrom = p;
    while (p != end && unsigned(*p - '0') <= 9) {
        ++p;
    }
    bool digit = p != digitsFrom;
    if (p != end && *p == '.') {
        const char* const fraction = ++p;
        while (p != end && unsigned(*p - '0') <= 9) {
            ++p;
        }
        digit = digit || p != fraction;
    }
    while (p != end && *p == ' ') {
        ++p;
    }
    return digit && p == end;
}

// The first comma or line feed at or after from, eight bytes at a time.
qsizetype Reader::fieldEnd(qsizetype from) const
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    const auto hasByte = [](std::uint64_t word, char c) {
        const std::uint64_t x = word ^ (kOnes * std::uint8_t(c));
        return (x - kOnes) & ~x & kHighs;
    };
    const char* const data = bytes_.data();
    const qsizetype size = bytes_.size();
    qsizetype i = from;
    for (; size - i >= 8; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + i, sizeof word);
        if (hasByte(word, ',') | hasByte(word, '\n')) {
            break;
        }
    }
    for (; i < size; ++i) {
        if (data[i] == ',' || data[i] == '\n') {
            return i;
        }
    }
    return size;
}

std::optional<Field> Reader::next()
{
    cutOff_ = false;
    if (state_.pendingEmpty) {
        state_.pendingEmpty = false;
        openQuote_ = false;
        return Field{state_.pos, state_.pos};
    }
    const qsizetype size = bytes_.size();
    if (state_.pos >= size) {
        return std::nullopt;
    }
    openQuote_ = false;
    qsizetype start = state_.pos;
    while (start < size && bytes_[start] == ' ') {
        ++start;
    }
    if (start < size && bytes_[start] == '"') {
        ++start;
        const qsizetype close = bytes_.sliced(start).indexOf('"');
        if (close < 0) {
            if (!last_) {
                cutOff_ = true;
                return std::nullopt;
            }
            state_.pos = size;
            openQuote_ = true;
            return Field{start, size};
        }
        finishField(fieldEnd(start + close + 1));
        return Field{start, start + close};
    }
    const qsizetype end = fieldEnd(start);
    Field field{start, end};
    if (field.end > field.begin && bytes_[field.end - 1] == '\r' &&
        (end == size || bytes_[end] == '\n')) {
        --field.end;
    }
    while (field.end > field.begin && bytes_[field.end - 1] == ' ') {
        --field.end;
    }
    finishField(end);
    return field;
}

void Reader::finishField(qsizetype end)
{
    const qsizetype size = bytes_.size();
    if (end >= size) {
        state_.pos = size;
        return;
    }
    state_.pos = end + 1;
    if (bytes_[end] != ',') {
        return;
    }
    qsizetype rest = state_.pos;
    while (rest < size && bytes_[rest] == ' ') {
        ++rest;
    }
    if (rest < size && bytes_[rest] == '\r' && (rest + 1 == size || bytes_[rest + 1] == '\n')) {
        ++rest;
    }
    if (rest >= size || bytes_[rest] == '\n') {
        state_.pendingEmpty = true;
        state_.pos = rest >= size ? size : rest + 1;
    }
}

bool Decoder::lineIsUtf8(qsizetype pos) const
{
    if (allUtf8_) {
        return true;
    }
    if (pos < lineBegin_ || pos >= lineEnd_) {
        const qsizetype before = bytes_.first(pos).lastIndexOf('\n');
        lineBegin_ = before + 1;
        const qsizetype after = bytes_.sliced(pos).indexOf('\n');
        lineEnd_ = after < 0 ? bytes_.size() : pos + after + 1;
        lineUtf8_ = isUtf8(bytes_.sliced(lineBegin_, lineEnd_ - lineBegin_));
    }
    return lineUtf8_;
}

QString Decoder::raw(Field field) const
{
    const QByteArrayView bytes = bytes_.sliced(field.begin, field.end - field.begin);
    if (isAscii(bytes)) {
        return QString::fromLatin1(bytes);
    }
    QString text;
    qsizetype pos = field.begin;
    while (pos < field.end) {
        const qsizetype lineFeed = bytes_.sliced(pos, field.end - pos).indexOf('\n');
        const qsizetype stop = lineFeed < 0 ? field.end : pos + lineFeed + 1;
        const QByteArrayView part = bytes_.sliced(pos, stop - pos);
        if (lineIsUtf8(pos)) {
            QStringDecoder decoder = utf8Decoder();
            text += decoder.decode(part);
        } else {
            text += textfile::decodeCp1252(part);
        }
        pos = stop;
    }
    return text;
}

bool Decoder::asIs(Field field) const
{
    return allUtf8_ || isAscii(bytes_.sliced(field.begin, field.end - field.begin));
}

QByteArray Decoder::rawUtf8(Field field) const
{
    const QByteArrayView bytes = bytes_.sliced(field.begin, field.end - field.begin);
    if (isAscii(bytes) || (allUtf8_ && bytes.indexOf('\n') < 0)) {
        return bytes.toByteArray();
    }
    return raw(field).toUtf8();
}

bool appendField(QByteArray& out, QByteArrayView text, Form preferred)
{
    const bool comma = text.contains(',');
    const bool lineFeed = text.contains('\n');
    const bool quote = text.contains('"');
    const bool bare = text.isEmpty() || (text.front() != ' ' && text.back() != ' ' &&
                                         text.front() != '"' && !comma && !lineFeed);
    const bool quoted = !quote;
    if (preferred == Form::bare ? (bare || !quoted) : (!quoted && bare)) {
        out.append(text);
        out.append("\r\n");
        return bare;
    }
    out.append('"');
    // A line feed alone becomes CR LF; CR LF and a lone CR are kept as they are.
    qsizetype done = 0;
    for (qsizetype i = lineFeed ? text.indexOf('\n') : -1; i >= 0; i = text.indexOf('\n', i + 1)) {
        if (i == 0 || text[i - 1] != '\r') {
            out.append(text.sliced(done, i - done));
            out.append('\r');
            done = i;
        }
    }
    out.append(text.sliced(done));
    out.append("\"\r\n");
    return quoted;
}

QString fieldText(QString raw)
{
    if (raw.contains(u'\r')) {
        raw.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    return raw;
}

QByteArray fieldText(QByteArray rawUtf8)
{
    if (rawUtf8.contains('\r')) {
        rawUtf8.replace("\r\n", "\n");
    }
    return rawUtf8;
}

} // namespace vennor::bytefields
