// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace vennor {

// What the network said about a caller, as a modem reports it between the rings.
struct CallerReport
{
    enum class Number { Given, Private, Unavailable, Missing };

    QString date; // MMDD, empty when the modem gave none or gave nonsense
    QString time; // HHMM, the same
    Number kind = Number::Missing;
    QString number; // when kind is Given: digits and + * #, nothing else
    QString name;   // the network's name for the caller, printable, may be empty

    bool operator==(const CallerReport&) const = default;
};

struct CallEvent
{
    enum class Kind { Ring, Caller };

    Kind kind = Kind::Ring;
    CallerReport caller; // when kind is Caller

    bool operator==(const CallEvent&) const = default;
};

// Turns what a modem sends while it waits for calls into rings and caller reports. The bytes
// come from a device: lines of any length, any bytes, tags in any order, reports cut anywhere
// between two reads. Memory stays bounded whatever arrives: one line of at most kMaxLine bytes
// and one report.
//
// A report is the tag lines "DATE = MMDD", "TIME = HHMM", "NMBR = <number>|P|O" and
// "NAME = <name>" (blanks around "=" optional); MESG and unknown tags are skipped, as are
// lines that are no tag at all. A report ends, and is given out, when it holds both a number
// and a name, when RING comes, when a tag it already holds comes again (the next call), or
// when the caller of finish() decides that the line went quiet.
class CallerReportParser
{
public:
    static constexpr qsizetype kMaxLine = 256;
    static constexpr qsizetype kMaxName = 64;
    static constexpr qsizetype kMaxNumber = 32;

    // The events completed by these bytes, in order.
    std::vector<CallEvent> feed(QByteArrayView bytes);
    // The report begun and not ended yet, if any: the line went quiet after it.
    std::vector<CallEvent> finish();
    bool reportPending() const { return pending_; }

private:
    void takeLine(QByteArrayView line, std::vector<CallEvent>& events);
    void takeTag(QByteArrayView tag, QByteArrayView value, std::vector<CallEvent>& events);
    void endReport(std::vector<CallEvent>& events);

    QByteArray line_;
    bool lineTooLong_ = false;
    bool pending_ = false;
    bool hasDate_ = false;
    bool hasTime_ = false;
    bool hasNumber_ = false;
    bool hasName_ = false;
    CallerReport report_;
};

} // namespace vennor
