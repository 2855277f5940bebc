// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace vennor {

// Reads the fields of a phone book text one after another.
// Bare: up to a comma or the end of the line, blanks trimmed. Quoted: up to the closing
// double quote, across line breaks; the rest of the line up to a comma is skipped. A quote
// never closed runs to the end of the text.
class FieldReader
{
public:
    explicit FieldReader(QStringView text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size() && !pendingEmpty_; }
    // The next field; nullopt at the end of the text.
    std::optional<QString> next();
    // The next field as it stands in the text, without a copy: line breaks inside a quoted
    // field are left as written. fieldText() gives what next() would have returned.
    std::optional<QStringView> nextView();
    // Whether the last field read opened a quote that never closed, running to the end.
    bool openQuote() const { return openQuote_; }

private:
    qsizetype fieldEnd(qsizetype from) const;
    void finishField(qsizetype end);

    QStringView text_;
    qsizetype pos_ = 0;
    bool pendingEmpty_ = false; // a comma ended the last line's field: one empty field follows
    bool openQuote_ = false;
};

// A field as read: CR LF inside it (a quoted field of several lines) becomes LF.
QString fieldText(QStringView raw);

// Blanks (spaces only) removed at both ends.
QString trimBlanks(const QString& text);

// One field as a line: bare writes the text as it is, quoted between double quotes. Line
// breaks inside a quoted text are written CR LF.
void appendBareField(QString& out, QStringView text);
void appendQuotedField(QString& out, QStringView text);

enum class FieldForm { bare, quoted };

// Writes the field in the preferred form when that form reads back unchanged, otherwise in
// the other form when that one does (a comma or a leading blank needs quotes; a double quote
// can only stand in a bare field). When neither does, the preferred form is used.
void appendField(QString& out, QStringView text, FieldForm preferred);

inline QString endLine()
{
    return QStringLiteral(")");
}

} // namespace vennor
