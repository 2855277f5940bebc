// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

namespace vennor {

// A list of texts kept as UTF-8 in one buffer, each entry a span of it: a million names take
// a fraction of the memory of as many QStrings. Entries can be reordered, inserted and
// removed by moving spans; removed text stays in the buffer until the list is rebuilt.
class TextList
{
public:
    struct Span
    {
        std::uint32_t offset = 0;
        std::uint32_t size = 0;
    };

    qsizetype size() const { return qsizetype(spans_.size()); }
    bool isEmpty() const { return spans_.empty(); }

    QByteArrayView utf8(qsizetype i) const
    {
        const Span span = spans_[size_t(i)];
        return {bytes_.data() + span.offset, qsizetype(span.size)};
    }
    QString text(qsizetype i) const { return decode(utf8(i)); }
    // An entry's text; unlike QString::fromUtf8 it keeps a leading U+FEFF, which is text here.
    static QString decode(QByteArrayView utf8);
    QStringList texts() const;

    void reserve(qsizetype bytes, qsizetype entries)
    {
        bytes_.reserve(size_t(bytes));
        spans_.reserve(size_t(entries));
    }
    void append(QByteArrayView utf8) { spans_.push_back(store(utf8)); }
    void append(const QString& text) { append(QByteArrayView(text.toUtf8())); }
    void insert(qsizetype position, const QString& text);
    void remove(qsizetype position) { spans_.erase(spans_.begin() + position); }
    void clear();

    // The entries in place, for sorting and merging.
    std::vector<Span>& spans() { return spans_; }
    const std::vector<Span>& spans() const { return spans_; }
    QByteArrayView utf8(Span span) const
    {
        return {bytes_.data() + span.offset, qsizetype(span.size)};
    }
    // Adds other's entries at the end, in their order.
    void appendList(TextList&& other);
    // Whether the entries stand in the order their texts were stored: then a text's offset
    // tells its place among equal entries.
    bool inStoredOrder() const;
    // The same entries in the same order, stored afresh in that order (removed text dropped).
    TextList compacted() const;

private:
    Span store(QByteArrayView utf8);

    std::string bytes_; // appends cost a few instructions, not a call into QByteArray::insert
    std::vector<Span> spans_;
};

} // namespace vennor
