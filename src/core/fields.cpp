// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fields.h"

#include <cstdint>
#include <cstring>

namespace vennor {
namespace {

constexpr char16_t kBlank = u' ';
constexpr char16_t kQuote = u'"';
constexpr char16_t kComma = u',';
constexpr char16_t kLineFeed = u'\n';
constexpr char16_t kReturn = u'\r';

// What decides the form a text can be written in, found in one pass.
struct Contents
{
    bool comma = false;
    bool lineFeed = false;
    bool quote = false;
};

Contents contentsOf(QStringView text)
{
    Contents contents;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c <= kComma) { // the three lie below every letter and digit
            contents.comma |= c == kComma;
            contents.lineFeed |= c == kLineFeed;
            contents.quote |= c == kQuote;
        }
    }
    return contents;
}

// Reads back unchanged from a bare line: trimming, commas, line feeds and a leading quote
// would all change it. A lone CR stays, as the reader only takes CR LF for a line end.
bool keptBare(QStringView text, const Contents& contents)
{
    if (text.isEmpty()) {
        return true;
    }
    return text.front() != kBlank && text.back() != kBlank && text.front() != kQuote &&
           !contents.comma && !contents.lineFeed;
}

void appendQuoted(QString& out, QStringView text, bool lineFeed)
{
    out.append(kQuote);
    // A line feed alone becomes CR LF; CR LF and a lone CR are kept as they are.
    qsizetype done = 0;
    for (qsizetype i = lineFeed ? text.indexOf(kLineFeed) : -1; i >= 0;
         i = text.indexOf(kLineFeed, i + 1)) {
        if (i == 0 || text[i - 1] != kReturn) {
            out.append(text.sliced(done, i - done));
            out.append(kReturn);
            done = i;
        }
    }
    out.append(text.sliced(done));
    out.append(u"\"\r\n");
}

} // namespace

std::optional<QString> FieldReader::next()
{
    const std::optional<QStringView> raw = nextView();
    if (!raw) {
        return std::nullopt;
    }
    return fieldText(*raw);
}

namespace {

// Whether any of the four characters at p is below a comma (a line feed or a comma could be
// among them); one test instead of eight for the letters and digits that make up most text.
bool mayHoldDelimiter(const char16_t* p)
{
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    constexpr std::uint64_t kBelow = 0x002D002D002D002DULL; // one past ','
    constexpr std::uint64_t kHighBits = 0x8000800080008000ULL;
    return ((word - kBelow) & ~word & kHighBits) != 0;
}

} // namespace

// The comma or line feed that ends the field from position from on, or the end of the text.
qsizetype FieldReader::fieldEnd(qsizetype from) const
{
    const char16_t* const data = text_.utf16();
    const char16_t* const stop = data + text_.size();
    const char16_t* p = data + from;
    for (;;) {
        while (stop - p >= 4 && !mayHoldDelimiter(p)) {
            p += 4;
        }
        const char16_t* const chunkEnd = stop - p >= 4 ? p + 4 : stop;
        for (; p != chunkEnd; ++p) {
            if (*p == kComma || *p == kLineFeed) {
                return p - data;
            }
        }
        if (p == stop) {
            return p - data;
        }
    }
}

std::optional<QStringView> FieldReader::nextView()
{
    if (pendingEmpty_) {
        pendingEmpty_ = false;
        openQuote_ = false;
        return text_.sliced(pos_, 0);
    }
    const qsizetype size = text_.size();
    if (pos_ >= size) {
        return std::nullopt;
    }
    openQuote_ = false;
    qsizetype start = pos_;
    while (start < size && text_[start] == kBlank) {
        ++start;
    }
    if (start < size && text_[start] == kQuote) {
        ++start;
        const qsizetype close = text_.indexOf(kQuote, start);
        if (close < 0) {
            pos_ = size;
            openQuote_ = true;
            return text_.sliced(start);
        }
        finishField(fieldEnd(close + 1));
        return text_.sliced(start, close - start);
    }
    const qsizetype end = fieldEnd(start);
    QStringView field = text_.sliced(start, end - start);
    if (field.endsWith(kReturn) && (end == size || text_[end] == kLineFeed)) {
        field.chop(1);
    }
    while (field.endsWith(kBlank)) {
        field.chop(1);
    }
    finishField(end);
    return field;
}

// end is the comma, the line feed or the end of the text that closed the field.
void FieldReader::finishField(qsizetype end)
{
    const qsizetype size = text_.size();
    if (end >= size) {
        pos_ = size;
        return;
    }
    pos_ = end + 1;
    if (text_[end] != kComma) {
        return;
    }
    // A comma with nothing but blanks after it on its line still leaves one empty field.
    qsizetype rest = pos_;
    while (rest < size && text_[rest] == kBlank) {
        ++rest;
    }
    if (rest < size && text_[rest] == kReturn &&
        (rest + 1 == size || text_[rest + 1] == kLineFeed)) {
        ++rest;
    }
    if (rest >= size || text_[rest] == kLineFeed) {
        pendingEmpty_ = true;
        pos_ = rest >= size ? size : rest + 1;
    }
}

QString fieldText(QStringView raw)
{
    QString text = raw.toString();
    if (text.contains(kReturn)) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    return text;
}

QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == kBlank) {
        ++first;
    }
    while (last > first && text[last - 1] == kBlank) {
        --last;
    }
    return (first == 0 && last == text.size()) ? text : text.sliced(first, last - first);
}

void appendBareField(QString& out, QStringView text)
{
    out.append(text);
    out.append(u"\r\n");
}

void appendQuotedField(QString& out, QStringView text)
{
    appendQuoted(out, text, text.contains(kLineFeed));
}

void appendField(QString& out, QStringView text, FieldForm preferred)
{
    const Contents contents = contentsOf(text);
    const bool bare = keptBare(text, contents);
    const bool quoted = !contents.quote;
    const bool useBare = preferred == FieldForm::bare ? (bare || !quoted) : (!quoted && bare);
    if (useBare) {
        appendBareField(out, text);
    } else {
        appendQuoted(out, text, contents.lineFeed);
    }
}

} // namespace vennor
