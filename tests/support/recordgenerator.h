// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/record.h"

#include <QList>
#include <QRandomGenerator>

namespace vennor::test {

// Makes phone book records from a fixed seed, so a failing case can be made again.
class RecordGenerator
{
public:
    explicit RecordGenerator(quint32 seed) : random_(seed) {}

    // A record in the form the file keeps (lowered, trimmed, numbers all numeric) that is
    // hard on the format: commas, "@" and digits in the comment, comments of several lines,
    // addresses with commas, letters beyond ASCII, empty parts.
    Record awkward();

private:
    QString word(int minLength, int maxLength, const QString& letters);
    PhoneNumber number() { return {random_.bounded(7), word(6, 12, QStringLiteral("0123456789"))}; }

    QRandomGenerator random_;
};

} // namespace vennor::test
