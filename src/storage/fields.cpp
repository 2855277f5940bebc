#include "storage/fields.h"

namespace vennor {
namespace {

constexpr char16_t kBlank = u' ';
constexpr char16_t kQuote = u'"';
constexpr char16_t kComma = u',';
constexpr char16_t kLineFeed = u'\n';
constexpr char16_t kReturn = u'\r';

// Reads back unchanged from a bare line: trimming, commas, line feeds and a leading quote
// would all change it. A lone CR stays, as the reader only takes CR LF for a line end.
bool keptBare(QStringView text)
{
    if (text.isEmpty()) {
        return true;
    }
    return text.front() != kBlank && text.back() != kBlank && text.front() != kQuote &&
           !text.contains(kComma) && !text.contains(kLineFeed);
}

bool keptQuoted(QStringView text)
{
    return !text.contains(kQuote);
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

std::optional<QStringView> FieldReader::nextView()
{
    if (pendingEmpty_) {
        pendingEmpty_ = false;
        return text_.sliced(pos_, 0);
    }
    const qsizetype size = text_.size();
    if (pos_ >= size) {
        return std::nullopt;
    }
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
        qsizetype end = close + 1;
        while (end < size && text_[end] != kComma && text_[end] != kLineFeed) {
            ++end;
        }
        finishField(end);
        return text_.sliced(start, close - start);
    }
    qsizetype end = start;
    while (end < size && text_[end] != kComma && text_[end] != kLineFeed) {
        ++end;
    }
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
    out.append(kQuote);
    // A line feed alone becomes CR LF; CR LF and a lone CR are kept as they are.
    qsizetype done = 0;
    for (qsizetype i = text.indexOf(kLineFeed); i >= 0; i = text.indexOf(kLineFeed, i + 1)) {
        if (i == 0 || text[i - 1] != kReturn) {
            out.append(text.sliced(done, i - done));
            out.append(kReturn);
            done = i;
        }
    }
    out.append(text.sliced(done));
    out.append(u"\"\r\n");
}

void appendField(QString& out, QStringView text, FieldForm preferred)
{
    const bool bare = keptBare(text);
    const bool quoted = keptQuoted(text);
    const bool useBare = preferred == FieldForm::bare ? (bare || !quoted) : (!quoted && bare);
    if (useBare) {
        appendBareField(out, text);
    } else {
        appendQuotedField(out, text);
    }
}

} // namespace vennor
