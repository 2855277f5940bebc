// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The phone book format read straight from the file's bytes: the field delimiters (comma,
// double quote, blank, line break) are ASCII in both encodings a file may hold, so fields are
// found in the bytes exactly where FieldReader finds them in the decoded text, and only the
// fields wanted are decoded.
namespace vennor::bytefields {

// A field's bytes: [begin, end) of the buffer read.
struct Field
{
    qsizetype begin = 0;
    qsizetype end = 0;
};

// Reads fields from a buffer that holds whole lines (it ends after a line feed, or at the end
// of the file). A quoted field that runs past the buffer is reported as cut off, so that the
// caller can read on and try again from where that field began.
class Reader
{
public:
    struct State
    {
        qsizetype pos = 0;
        bool pendingEmpty = false;
    };

    Reader(QByteArrayView bytes, State state, bool lastBuffer)
        : bytes_(bytes), state_(state), last_(lastBuffer)
    {
    }

    std::optional<Field> next();
    State state() const { return state_; }
    bool cutOff() const { return cutOff_; }
    bool openQuote() const { return openQuote_; }

private:
    qsizetype fieldEnd(qsizetype from) const;
    void finishField(qsizetype end);

    QByteArrayView bytes_;
    State state_;
    bool last_;
    bool cutOff_ = false;
    bool openQuote_ = false;
};

inline bool isEndLine(QByteArrayView field)
{
    return field.size() == 1 && field.front() == ')';
}

// The numeric test on bytes: the text it accepts is ASCII, so bytes and text agree.
bool isNumeric(QByteArrayView field);

inline bool looksLikeNumberLine(QByteArrayView field)
{
    return !field.startsWith(' ') && isNumeric(field);
}

// Whether the bytes are UTF-8 (the test the file reader makes, line by line).
bool isUtf8(QByteArrayView bytes);

// Decodes a field of a buffer that starts at a line start: each line of the field in the
// encoding of its whole line (UTF-8 when valid, else Windows-1252). allUtf8 says every line of
// the buffer is UTF-8.
class Decoder
{
public:
    Decoder(QByteArrayView bytes, bool allUtf8) : bytes_(bytes), allUtf8_(allUtf8) {}

    // The field as FieldReader::nextView gives it (line breaks as written).
    QString raw(Field field) const;
    // The same as UTF-8.
    QByteArray rawUtf8(Field field) const;
    // Whether the field's bytes are already its UTF-8 text.
    bool asIs(Field field) const;

private:
    bool lineIsUtf8(qsizetype pos) const;

    QByteArrayView bytes_;
    bool allUtf8_;
    mutable qsizetype lineBegin_ = -1;
    mutable qsizetype lineEnd_ = -1;
    mutable bool lineUtf8_ = true;
};

// appendField on UTF-8: the field in the preferred form when that form reads back unchanged,
// else in the other when that one does, else in the preferred form; lines end CR LF.
enum class Form { bare, quoted };
// Returns whether the form written reads back as text.
bool appendField(QByteArray& out, QByteArrayView text, Form preferred);

// CR LF inside a field read as LF, as fieldText does.
QString fieldText(QString raw);
QByteArray fieldText(QByteArray rawUtf8);

} // namespace vennor::bytefields
