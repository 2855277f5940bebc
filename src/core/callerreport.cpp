// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/callerreport.h"

#include "core/printabletext.h"

namespace vennor {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && isBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

// Four digits, as DATE and TIME carry them; anything else is dropped rather than shown.
QString fourDigits(QByteArrayView value)
{
    if (value.size() != 4) {
        return {};
    }
    for (const char c : value) {
        if (c < '0' || c > '9') {
            return {};
        }
    }
    return QString::fromLatin1(value);
}

bool isDialChar(char c)
{
    return (c >= '0' && c <= '9') || c == '+' || c == '*' || c == '#';
}

// The number as given, its separators dropped; nullopt when it holds anything else.
std::optional<QString> cleanNumber(QByteArrayView value)
{
    QString number;
    for (const char c : value) {
        if (isDialChar(c)) {
            number += QLatin1Char(c);
        } else if (!isBlank(c) && c != '-' && c != '.' && c != '(' && c != ')') {
            return std::nullopt;
        }
    }
    if (number.isEmpty() || number.size() > CallerReportParser::kMaxNumber) {
        return std::nullopt;
    }
    return number;
}

// Networks send names in Latin-1 or UTF-8; either way no control reaches the screen or log.
QString cleanName(QByteArrayView value)
{
    const QString decoded = QString::fromUtf8(value);
    const QString text =
        decoded.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(value) : decoded;
    QString name = withoutControls(text).simplified();
    if (name.size() > CallerReportParser::kMaxName) {
        name.truncate(CallerReportParser::kMaxName);
    }
    return name;
}

} // namespace

std::vector<CallEvent> CallerReportParser::feed(QByteArrayView bytes)
{
    std::vector<CallEvent> events;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            continue;
        }
        const QByteArrayView piece = bytes.sliced(start, i - start);
        if (!lineTooLong_ && line_.size() + piece.size() <= kMaxLine) {
            line_.append(piece);
            takeLine(line_, events);
        }
        line_.clear();
        lineTooLong_ = false;
        start = i + 1;
    }
    const QByteArrayView rest = bytes.sliced(start);
    if (lineTooLong_ || line_.size() + rest.size() > kMaxLine) {
        lineTooLong_ = true; // no tag is this long: the whole line is dropped when it ends
        line_.clear();
    } else {
        line_.append(rest);
    }
    return events;
}

std::vector<CallEvent> CallerReportParser::finish()
{
    std::vector<CallEvent> events;
    endReport(events);
    return events;
}

void CallerReportParser::takeLine(QByteArrayView line, std::vector<CallEvent>& events)
{
    line = trimmed(line);
    if (line == "RING") {
        endReport(events);
        events.push_back({CallEvent::Kind::Ring, {}});
        return;
    }
    const qsizetype equals = line.indexOf('=');
    if (equals < 0) {
        return; // a blank line, an echo, a result code or noise on the line
    }
    takeTag(trimmed(line.first(equals)), trimmed(line.sliced(equals + 1)), events);
}

void CallerReportParser::takeTag(QByteArrayView tag, QByteArrayView value,
                                 std::vector<CallEvent>& events)
{
    bool* seen = tag == "DATE"   ? &hasDate_
                 : tag == "TIME" ? &hasTime_
                 : tag == "NMBR" ? &hasNumber_
                 : tag == "NAME" ? &hasName_
                                 : nullptr;
    if (!seen) {
        return; // MESG and tags of other networks
    }
    if (*seen) {
        endReport(events); // a second call's report follows without a ring between
    }
    *seen = true;
    pending_ = true;
    if (seen == &hasDate_) {
        report_.date = fourDigits(value);
    } else if (seen == &hasTime_) {
        report_.time = fourDigits(value);
    } else if (seen == &hasName_) {
        report_.name = cleanName(value);
    } else if (value == "P") {
        report_.kind = CallerReport::Number::Private;
    } else if (const std::optional<QString> number = cleanNumber(value)) {
        report_.kind = CallerReport::Number::Given;
        report_.number = *number;
    } else { // "O", or a number no modem sends
        report_.kind = CallerReport::Number::Unavailable;
    }
    if (hasNumber_ && hasName_) {
        endReport(events);
    }
}

void CallerReportParser::endReport(std::vector<CallEvent>& events)
{
    if (pending_) {
        events.push_back({CallEvent::Kind::Caller, std::move(report_)});
    }
    report_ = {};
    pending_ = hasDate_ = hasTime_ = hasNumber_ = hasName_ = false;
}

} // namespace vennor
