// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/fields.h"
#include "core/record.h"

#include <QStringView>
#include <optional>

// How the readers of a phone book see its fields: which are name lines and end lines, and
// what the fields after a name line mean.
namespace vennor {

bool isEndLine(QStringView field);

// A number line by its own looks: not a comment (no leading blank) and numeric.
bool looksLikeNumberLine(QStringView field);

// Walks the fields of a phone book text and tells the name lines apart: the first field of
// the text and the first field after every end line, unless it is an end line itself.
class FieldWalker
{
public:
    struct Step
    {
        QStringView field;
        bool nameLine = false;
        bool endLine = false;
    };

    explicit FieldWalker(QStringView text) : reader_(text) {}

    std::optional<Step> next();
    // Whether the last field read opened a quote that never closed.
    bool openQuote() const { return reader_.openQuote(); }

private:
    FieldReader reader_;
    bool recordStart_ = true;
};

// Sorts the fields after a name line into the record: a leading blank marks the comment, the
// first numeric field starts the number lines (every later field of the record is one), a
// field with "@" is the e-mail, any other the address; a later field of a kind replaces an
// earlier one.
class RecordBuilder
{
public:
    explicit RecordBuilder(QStringView name);

    // A field after the name line, not the end line.
    void add(QStringView field);
    Record take() { return std::move(record_); }

private:
    Record record_;
    bool inNumbers_ = false;
};

// The rest of a record whose name line the walker just gave, up to its end line.
Record readRest(FieldWalker& walker, RecordBuilder builder);

} // namespace vennor
