// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The byte-level walk over a phone book file that the index and its rewrite share.
#include "core/bytefields.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cstdint>
#include <cstring>

namespace vennor::bookscan {

using bytefields::Field;
using bytefields::Reader;

inline constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");
inline constexpr qint64 kChunk = 1 << 20;

// A key's hash for the index: a few multiplications a word, far cheaper than qHash on keys
// this short; equal hashes are told apart by reading the records.
inline std::uint32_t tagOf(QByteArrayView key)
{
    std::uint64_t hash = 0x9E3779B97F4A7C15ULL ^ std::uint64_t(key.size());
    const char* p = key.data();
    qsizetype left = key.size();
    for (; left >= 8; p += 8, left -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        hash = (hash ^ word) * 0xFF51AFD7ED558CCDULL;
        hash ^= hash >> 32;
    }
    std::uint64_t word = 0;
    std::memcpy(&word, p, size_t(left));
    hash = (hash ^ word) * 0xC4CEB9FE1A85EC53ULL;
    hash ^= hash >> 29;
    return std::uint32_t(hash ^ (hash >> 32));
}

inline QString describe(const QString& what, const QFileDevice& file)
{
    return QStringLiteral("%1 %2: %3")
        .arg(what, QFileInfo(file.fileName()).fileName(), file.errorString());
}

// Where the file's text begins: after its byte order mark, if it has one.
inline qint64 textStart(QFile& file)
{
    if (!file.seek(0)) {
        return 0;
    }
    return file.peek(kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
}

// The start of the line holding offset.
inline qint64 lineStartOf(QFile& file, qint64 offset, qint64 floor)
{
    qint64 pos = offset;
    while (pos > floor) {
        const qint64 from = std::max(floor, pos - 4096);
        if (!file.seek(from)) {
            return floor;
        }
        const QByteArray block = file.read(pos - from);
        const qsizetype lineFeed = block.lastIndexOf('\n');
        if (lineFeed >= 0) {
            return from + lineFeed + 1;
        }
        pos = from;
    }
    return floor;
}

inline bool writeAll(QFileDevice& file, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qint64 done = file.write(bytes.data(), bytes.size());
        if (done <= 0) {
            return false;
        }
        bytes = bytes.sliced(done);
    }
    return true;
}

// One field met by a scan, with what tells it apart.
struct Step
{
    QByteArrayView bytes; // the whole buffer
    Field field;
    const bytefields::Decoder& decoder;
    qint64 base; // the file offset of bytes
    Reader::State before;
    bool nameLine;
    bool endLine;
    bool openQuote;
    bool bufferAtLineStart; // false only after a quoted field cut off by a chunk's end

    QByteArrayView view() const { return bytes.sliced(field.begin, field.end - field.begin); }
    bool lineStartAt(qsizetype at) const
    {
        return at > 0 ? bytes[at - 1] == '\n' : bufferAtLineStart;
    }
};

struct ScanStart
{
    qint64 lineStart;
    Reader::State state; // pos counted from lineStart
    bool recordStart = true;
    qint64 chunk = kChunk; // a lookup reads little at a time: a record is short
};

// A chunk of whole lines as a scan holds it.
struct Chunk
{
    QByteArrayView bytes;
    const bytefields::Decoder& decoder;
    qint64 base; // the file offset of bytes
    bool atLineStart;
};

// Calls visit for each field the reader finds in chunk; false once visit asked to stop.
template <typename Visit>
bool visitFields(const Chunk& chunk, Reader& reader, bool& recordStart, Visit& visit)
{
    for (;;) {
        const Reader::State before = reader.state();
        const std::optional<Field> field = reader.next();
        if (!field) {
            return true;
        }
        const QByteArrayView view = chunk.bytes.sliced(field->begin, field->end - field->begin);
        const bool endLine = bytefields::isEndLine(view);
        const Step step{chunk.bytes,      *field,
                        chunk.decoder,    chunk.base,
                        before,           recordStart && !endLine,
                        endLine,          reader.openQuote(),
                        chunk.atLineStart};
        recordStart = endLine;
        if (!visit(step)) {
            return false;
        }
    }
}

// Walks the fields of the file from start, a chunk of whole lines at a time, calling visit
// for each until it returns false or the file ends. allUtf8 is cleared when a line is not
// UTF-8.
template <typename Visit> bool scanFile(QFile& file, ScanStart start, bool& allUtf8, Visit visit)
{
    if (!file.seek(start.lineStart)) {
        return false;
    }
    qint64 base = start.lineStart;
    Reader::State state = start.state;
    bool recordStart = start.recordStart;
    bool atLineStart = true;
    QByteArray buffer;
    qint64 want = start.chunk;
    for (;;) {
        // Read into the buffer itself: a fresh megabyte for every chunk costs its page faults.
        const qsizetype kept = buffer.size();
        buffer.resize(kept + want);
        const qint64 got = file.read(buffer.data() + kept, want);
        if (got < 0 || file.error() != QFileDevice::NoError) {
            return false;
        }
        buffer.resize(kept + got);
        const bool last = got < want || file.atEnd();
        const qsizetype cut = last ? buffer.size() : buffer.lastIndexOf('\n') + 1;
        if (cut <= 0 && !last) {
            want *= 2; // a line longer than a chunk
            continue;
        }
        const QByteArrayView bytes = QByteArrayView(buffer).first(cut);
        const bool utf8 = bytefields::isUtf8(bytes);
        allUtf8 = allUtf8 && utf8;
        const bytefields::Decoder decoder(bytes, utf8);
        Reader reader(bytes, state, last);
        if (!visitFields({bytes, decoder, base, atLineStart}, reader, recordStart, visit)) {
            return true;
        }
        state = reader.state();
        if (last && !reader.cutOff()) {
            return true;
        }
        // Keep what is not read yet: the rest of the chunk, or a quoted field cut off by it.
        atLineStart = state.pos == 0 ? atLineStart : buffer[state.pos - 1] == '\n';
        buffer.remove(0, state.pos);
        base += state.pos;
        state.pos = 0;
        want = reader.cutOff() ? std::max(want * 2, qint64(buffer.size())) : start.chunk;
    }
}

// Whether a field is settled: it stands in the file exactly as a rewrite writes it, alone on its
// lines ending CR LF: name and end lines bare where they can be, every other field quoted. (A text
// with a quote in it, which a rewrite may write bare, is not counted: it is rewritten.)
inline bool isSettled(const Step& step)
{
    const QByteArrayView bytes = step.bytes;
    const Field field = step.field;
    if (step.before.pendingEmpty || !step.decoder.asIs(field)) {
        return false;
    }
    const auto endsLine = [&](qsizetype at) {
        return at + 1 < bytes.size() && bytes[at] == '\r' && bytes[at + 1] == '\n';
    };
    const bool bareRole = step.nameLine || step.endLine;
    if (step.lineStartAt(field.begin)) {
        // Bare, alone on its line: no blanks, quotes, commas or line feeds to keep.
        return bareRole && endsLine(field.end);
    }
    const bool quoted = field.begin > 0 && bytes[field.begin - 1] == '"' &&
                        step.lineStartAt(field.begin - 1) && field.end < bytes.size() &&
                        bytes[field.end] == '"' && endsLine(field.end + 1);
    if (!quoted) {
        return false;
    }
    const QByteArrayView text = step.view();
    if (bareRole && (text.isEmpty() || (text.front() != ' ' && text.back() != ' ' &&
                                        !text.contains(',') && !text.contains('\n')))) {
        return false; // a rewrite writes it bare
    }
    // A rewrite writes a line feed alone as CR LF.
    for (qsizetype i = text.indexOf('\n'); i >= 0; i = text.indexOf('\n', i + 1)) {
        if (i == 0 || text[i - 1] != '\r') {
            return false;
        }
    }
    return true;
}

// The number as findByNumber compares it: a field without its first character.
inline QByteArray numberKey(QByteArrayView raw)
{
    if (raw.isEmpty() || static_cast<unsigned char>(raw.front()) < 0x80) {
        return raw.sliced(std::min<qsizetype>(1, raw.size())).toByteArray();
    }
    return QString::fromUtf8(raw).sliced(1).toUtf8();
}

// The same from a scan, in the buffer where its bytes are the key already, else in scratch.
inline QByteArrayView numberKey(const Step& step, QByteArray& scratch)
{
    const QByteArrayView view = step.view();
    if (view.isEmpty()) {
        return {};
    }
    const bool ascii = static_cast<unsigned char>(view.front()) < 0x80;
    if (ascii && step.decoder.asIs(step.field)) {
        return view.sliced(1);
    }
    scratch = ascii ? step.decoder.rawUtf8({step.field.begin + 1, step.field.end})
                    : step.decoder.raw(step.field).sliced(1).toUtf8();
    return scratch;
}

// A name line's text as UTF-8 (line breaks inside as LF), likewise.
inline QByteArrayView nameText(const Step& step, QByteArray& scratch)
{
    const QByteArrayView view = step.view();
    if (step.decoder.asIs(step.field) && !view.contains('\r')) {
        return view;
    }
    scratch = bytefields::fieldText(step.decoder.rawUtf8(step.field));
    return scratch;
}

} // namespace vennor::bookscan
