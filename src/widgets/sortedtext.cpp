// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/sortedtext.h"

#include "platform/collationletters.h"

#include <algorithm>
#include <array>
#include <future>
#include <numeric>

namespace vennor {
namespace {

QCollator makeCollator(const QLocale& locale)
{
    QCollator collator{locale};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    return collator;
}

// The first eight ranks of a plain text packed so that integers compare as the texts do:
// seven bits each, as there are fewer than 128 ranks.
constexpr int kPrefixRanks = 8;
constexpr int kPrefixBits = 7 * kPrefixRanks;

using Span = TextList::Span;

// A span's place among equal entries: the order their texts were stored in.
bool storedBefore(Span a, Span b)
{
    return a.offset != b.offset ? a.offset < b.offset : a.size < b.size;
}

} // namespace

struct TextOrder::Keyed
{
    std::uint64_t prefix;
    Span span;
};

namespace {

// Stable sort by prefix, two ranks a pass, passing over ranks in which all are alike. The
// counts of every pass come from one read of the entries.
template <typename Keyed> void radixSortByPrefix(std::vector<Keyed>& keyed)
{
    constexpr int kBits = 14;
    constexpr int kPasses = (kPrefixBits + kBits - 1) / kBits;
    constexpr std::uint64_t kMask = (1u << kBits) - 1;
    const size_t count = keyed.size();
    std::vector<std::size_t> starts(kPasses << kBits);
    for (const Keyed& k : keyed) {
        for (int pass = 0; pass < kPasses; ++pass) {
            ++starts[(size_t(pass) << kBits) + ((k.prefix >> (pass * kBits)) & kMask)];
        }
    }
    const auto spare = std::make_unique_for_overwrite<Keyed[]>(count);
    Keyed* from = keyed.data();
    Keyed* to = spare.get();
    for (int pass = 0; pass < kPasses; ++pass) {
        const auto first = starts.begin() + (ptrdiff_t(pass) << kBits);
        const auto last = first + (1 << kBits);
        if (std::find(first, last, count) != last) {
            continue;
        }
        std::size_t sum = 0;
        for (auto start = first; start != last; ++start) {
            sum += std::exchange(*start, sum);
        }
        for (size_t i = 0; i < count; ++i) {
            to[first[ptrdiff_t((from[i].prefix >> (pass * kBits)) & kMask)]++] = from[i];
        }
        std::swap(from, to);
    }
    if (from != keyed.data()) {
        std::copy(from, from + count, keyed.data());
    }
}

// The locale whose collation the lists follow.
QLocale collationLocale(const QLocale& system)
{
    return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : system;
}

} // namespace

TextOrder::TextOrder(const QLocale& locale)
    : locale_(locale), collator_(makeCollator(locale)),
      ranks_(std::make_shared<const CollationRanks>(collator_, joinedLetters(locale)))
{
}

TextOrder::TextOrder(const TextOrder& other)
    : locale_(other.locale_), collator_(makeCollator(other.locale_)), ranks_(other.ranks_)
{
}

const TextOrder& TextOrder::system()
{
    static const TextOrder order{collationLocale(QLocale())};
    return order;
}

template <typename Char> bool TextOrder::plainText(const Char* text, qsizetype size) const
{
    const CollationRanks& r = *ranks_;
    for (qsizetype i = 0; i < size; ++i) {
        const auto c = std::make_unsigned_t<Char>(text[i]);
        if (r.rank(c) == 0) {
            return false;
        }
    }
    if (r.anyJoined()) {
        for (qsizetype i = 1; i < size; ++i) {
            if (r.joined(std::make_unsigned_t<Char>(text[i - 1]),
                         std::make_unsigned_t<Char>(text[i]))) {
                return false;
            }
        }
    }
    return true;
}

template <typename A, typename B>
int TextOrder::comparePlain(const A* a, qsizetype aSize, const B* b, qsizetype bSize) const
{
    const CollationRanks& r = *ranks_;
    const qsizetype common = std::min(aSize, bSize);
    for (qsizetype i = 0; i < common; ++i) {
        const int d = int(r.asciiRank(std::make_unsigned_t<A>(a[i]))) -
                      int(r.asciiRank(std::make_unsigned_t<B>(b[i])));
        if (d != 0) {
            return d;
        }
    }
    return aSize < bSize ? -1 : (aSize > bSize ? 1 : 0);
}

// The prefix of a plain text, or nullopt for any other.
std::optional<std::uint64_t> TextOrder::plainPrefix(QByteArrayView text) const
{
    const CollationRanks& r = *ranks_;
    std::uint64_t prefix = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::uint8_t rank = r.rank(std::uint8_t(text[i]));
        if (rank == 0) {
            return std::nullopt;
        }
        if (i < kPrefixRanks) {
            prefix = (prefix << 7) | rank;
        }
    }
    if (r.anyJoined() && !plain(text)) {
        return std::nullopt;
    }
    return prefix << (7 * std::max<qsizetype>(kPrefixRanks - text.size(), 0));
}

// The plain entries sorted by ranks, stable through the stored order: by their prefixes,
// then each run of equal prefixes by the rest of its texts.
void TextOrder::sortPlain(const TextList& list, std::vector<Keyed>& keyed) const
{
    radixSortByPrefix(keyed);
    const auto rest = [&list](const Keyed& k) {
        const QByteArrayView text = list.utf8(k.span);
        return text.sliced(std::min<qsizetype>(kPrefixRanks, text.size()));
    };
    for (auto run = keyed.begin(); run != keyed.end();) {
        const auto end =
            std::find_if(run, keyed.end(), [&](const Keyed& k) { return k.prefix != run->prefix; });
        if (end - run > 1) {
            std::stable_sort(run, end, [&](const Keyed& a, const Keyed& b) {
                const QByteArrayView x = rest(a);
                const QByteArrayView y = rest(b);
                return comparePlain(x.data(), x.size(), y.data(), y.size()) < 0;
            });
        }
        run = end;
    }
}

// The other entries sorted by collation keys, stable.
void TextOrder::sortByCollator(const TextList& list, std::vector<Span>& spans) const
{
    std::vector<QCollatorSortKey> keys;
    keys.reserve(spans.size());
    for (const Span span : spans) {
        keys.push_back(collator_.sortKey(TextList::decode(list.utf8(span))));
    }
    std::vector<size_t> order(spans.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&keys](size_t a, size_t b) { return keys[a].compare(keys[b]) < 0; });
    std::vector<Span> sorted;
    sorted.reserve(spans.size());
    for (const size_t i : order) {
        sorted.push_back(spans[i]);
    }
    spans = std::move(sorted);
}

int TextOrder::compareByCollator(const QString& a, const QString& b) const
{
    return collator_.compare(a, b);
}

int TextOrder::compare(const QString& a, const QString& b) const
{
    if (plain(a) && plain(b)) {
        return comparePlain(a.utf16(), a.size(), b.utf16(), b.size());
    }
    return compareByCollator(a, b);
}

int TextOrder::compare(const QString& a, QByteArrayView b) const
{
    if (plain(a) && plain(b)) {
        return comparePlain(a.utf16(), a.size(), b.data(), b.size());
    }
    return compareByCollator(a, TextList::decode(b));
}

int TextOrder::compare(QByteArrayView a, QByteArrayView b) const
{
    if (plain(a) && plain(b)) {
        return comparePlain(a.data(), a.size(), b.data(), b.size());
    }
    return compareByCollator(TextList::decode(a), TextList::decode(b));
}

void TextOrder::sort(QStringList& list) const
{
    TextList texts;
    for (const QString& text : std::as_const(list)) {
        texts.append(text);
    }
    sort(texts);
    list = texts.texts();
}

void TextOrder::sort(TextList& list) const
{
    if (!list.inStoredOrder()) {
        list = list.compacted();
    }
    std::vector<Keyed> keyed;
    keyed.reserve(list.spans().size());
    std::vector<Span> others;
    for (const Span span : list.spans()) {
        const QByteArrayView text = list.utf8(span);
        if (const auto prefix = plainPrefix(text)) {
            keyed.push_back({*prefix, span});
        } else {
            others.push_back(span);
        }
    }
    // The spans are rebuilt from the sorted parts; dropping them now keeps the peak lower.
    std::vector<Span>().swap(list.spans());
    sortPlain(list, keyed);
    sortByCollator(list, others);
    std::vector<Span>& merged = list.spans();
    merged.reserve(keyed.size() + others.size());
    // Each other entry goes after the plain ones that come before it; there are few of them,
    // so each is placed by a binary search instead of a comparison with every plain entry.
    auto from = keyed.cbegin();
    for (const Span other : others) {
        const QString text = TextList::decode(list.utf8(other));
        const auto to = std::partition_point(from, keyed.cend(), [&](const Keyed& k) {
            const int order = compareByCollator(TextList::decode(list.utf8(k.span)), text);
            return order < 0 || (order == 0 && storedBefore(k.span, other));
        });
        for (; from != to; ++from) {
            merged.push_back(from->span);
        }
        merged.push_back(other);
    }
    for (; from != keyed.cend(); ++from) {
        merged.push_back(from->span);
    }
}

namespace sortedtext {

int compareByCollator(const QString& a, const QString& b)
{
    return TextOrder::system().compareByCollator(a, b);
}

int compare(const QString& a, const QString& b)
{
    return TextOrder::system().compare(a, b);
}

int compare(const QString& a, QByteArrayView b)
{
    return TextOrder::system().compare(a, b);
}

int compare(QByteArrayView a, QByteArrayView b)
{
    return TextOrder::system().compare(a, b);
}

qsizetype insertPosition(const QStringList& sorted, qsizetype end, const QString& text)
{
    const auto last = sorted.cbegin() + end;
    const auto it =
        std::upper_bound(sorted.cbegin(), last, text,
                         [](const QString& a, const QString& b) { return compare(a, b) < 0; });
    return it - sorted.cbegin();
}

std::pair<qsizetype, qsizetype> equalRange(const TextList& sorted, qsizetype end,
                                           const QString& text)
{
    const auto first = sorted.spans().cbegin();
    const auto last = first + end;
    const auto low = std::lower_bound(first, last, text, [&](const Span& entry, const QString& t) {
        return compare(t, sorted.utf8(entry)) > 0;
    });
    const auto high = std::upper_bound(low, last, text, [&](const QString& t, const Span& entry) {
        return compare(t, sorted.utf8(entry)) < 0;
    });
    return {low - first, high - first};
}

qsizetype insertPosition(const TextList& sorted, qsizetype end, const QString& text)
{
    return equalRange(sorted, end, text).second;
}

void sort(QStringList& list)
{
    TextOrder::system().sort(list);
}

void sort(TextList& list)
{
    TextOrder::system().sort(list);
}

void sortBoth(TextList& first, TextList& second)
{
    const TextOrder& order = TextOrder::system();
    auto secondSorted =
        std::async(std::launch::async, [&second, own = TextOrder(order)] { own.sort(second); });
    order.sort(first);
    secondSorted.wait();
}

} // namespace sortedtext
} // namespace vennor
