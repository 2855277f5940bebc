// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace vennor {

// One call, in or out, as the call log keeps it.
struct CallEntry
{
    enum class Direction { In, Out };
    enum class Hidden { No, Private, Unavailable }; // why an incoming call has no number

    QDateTime time;
    Direction direction = Direction::In;
    QString number; // as the network reported it or as it was dialled
    Hidden hidden = Hidden::No;
    QString networkName; // incoming: the name the network sent
    QString record;      // the record the number matched, empty when none
    QString book;        // the phone book of that record
    QString outcome;     // outgoing: the modem's reply, "Cancel" or "Disconnected"

    bool operator==(const CallEntry&) const = default;

    // One line of JSON without its line break; fields left empty are left out.
    QByteArray toLine() const;
    // nullopt for a line that is no entry (damaged, cut short, written by hand).
    static std::optional<CallEntry> fromLine(QByteArrayView line);
};

// calls.log in the phone book folder, one JSON object a line, oldest first. An entry is added by
// one append that never touches an earlier line; past kKept entries the file is rewritten
// safely with the latest kKept lines, a damaged line kept as it is. A lock file beside it keeps
// two programs (the window and the command line) from trimming under each other's append.
class CallLog
{
public:
    static constexpr qsizetype kKept = 10000;

    explicit CallLog(QString path);
    static CallLog inPhoneBookFolder();
    const QString& path() const { return path_; }

    Status append(const CallEntry& entry) const;

    struct Contents
    {
        std::vector<CallEntry> calls; // oldest first
        qsizetype damaged = 0;        // lines skipped
    };
    // A missing file holds no calls.
    Result<Contents> read() const;

    // Rewrites the file safely without these calls, each taken out once; every other line,
    // a damaged one too, stays in its place.
    Status remove(const std::vector<CallEntry>& calls) const;
    // Rewrites the file safely empty.
    Status clear() const;

private:
    Status keepLatest() const;
    Status rewriteLocked(const std::function<QByteArray(const QByteArray&)>& change) const;

    QString path_;
};

} // namespace vennor
