// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/textlist.h"

#include <QStringDecoder>

namespace vennor {

QString TextList::decode(QByteArrayView utf8)
{
    if (!utf8.startsWith("\xEF\xBB\xBF")) {
        return QString::fromUtf8(utf8);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(utf8);
}

QStringList TextList::texts() const
{
    QStringList list;
    list.reserve(size());
    for (const Span span : spans_) {
        list.append(decode(utf8(span)));
    }
    return list;
}

TextList::Span TextList::store(QByteArrayView utf8)
{
    const Span span{std::uint32_t(bytes_.size()), std::uint32_t(utf8.size())};
    bytes_.append(utf8.data(), size_t(utf8.size()));
    return span;
}

void TextList::insert(qsizetype position, const QString& text)
{
    spans_.insert(spans_.begin() + position, store(QByteArrayView(text.toUtf8())));
}

void TextList::clear()
{
    bytes_.clear();
    spans_.clear();
}

void TextList::appendList(TextList&& other)
{
    if (isEmpty()) {
        *this = std::move(other);
        return;
    }
    const auto shift = std::uint32_t(bytes_.size());
    bytes_.append(other.bytes_);
    spans_.reserve(spans_.size() + other.spans_.size());
    for (const Span span : other.spans_) {
        spans_.push_back({span.offset + shift, span.size});
    }
    other.clear();
}

bool TextList::inStoredOrder() const
{
    for (size_t i = 1; i < spans_.size(); ++i) {
        if (spans_[i].offset < spans_[i - 1].offset) {
            return false;
        }
    }
    return true;
}

TextList TextList::compacted() const
{
    TextList list;
    list.spans_.reserve(spans_.size());
    for (const Span span : spans_) {
        list.append(utf8(span));
    }
    return list;
}

} // namespace vennor
