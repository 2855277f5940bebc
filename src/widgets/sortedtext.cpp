#include "widgets/sortedtext.h"

#include <QCollator>
#include <algorithm>
#include <array>
#include <cstdint>
#include <future>
#include <memory>
#include <numeric>
#include <optional>
#include <utility>
#include <vector>

namespace vennor::sortedtext {
namespace {

QCollator makeCollator()
{
    QCollator collator{QLocale(QLocale::English, QLocale::UnitedStates)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    return collator;
}

// One a thread: the lists may be sorted on two at once, and a collator is not to be shared.
const QCollator& collator()
{
    thread_local const QCollator perThread = makeCollator();
    return perThread;
}

// The collator's order of the printable ASCII characters, as ranks from 1 (a letter and its
// capital share one); 0 marks a character left to the collator. A text made only of ranked
// characters sorts as its sequence of ranks, compared element by element, a shorter text
// first: so most entries are ordered without the collator, in exactly its order. Only the
// characters the collator is seen to treat that way get a rank.
using Ranks = std::array<std::uint8_t, 128>;

QString charText(char c)
{
    return QString(QChar(c));
}

// Whether the collator counts c at all and weighs it before whatever follows.
bool weighsFirst(char c)
{
    const QString text = charText(c);
    return collator().compare(QStringLiteral("a") + text, QStringLiteral("a")) > 0 &&
           collator().compare(text + QStringLiteral("b"), QStringLiteral("b")) != 0;
}

Ranks makeRanks()
{
    std::vector<char> chars;
    for (char c = 0x20; c < 0x7F; ++c) {
        if (weighsFirst(c)) {
            chars.push_back(c);
        }
    }
    std::stable_sort(chars.begin(), chars.end(), [](char a, char b) {
        return collator().compare(charText(a), charText(b)) < 0;
    });
    Ranks ranks{};
    std::uint8_t rank = 0;
    char previous = 0;
    for (const char c : chars) {
        const int order = rank == 0 ? 1 : collator().compare(charText(previous), charText(c));
        if (order != 0) {
            // A difference only of accents or case would let later characters decide first;
            // such a character is left to the collator.
            if (rank != 0 && collator().compare(charText(previous) + QStringLiteral("~"),
                                                charText(c) + QStringLiteral(" ")) >= 0) {
                continue;
            }
            ++rank;
        }
        ranks[size_t(c)] = rank;
        previous = c;
    }
    return ranks;
}

const Ranks& ranks()
{
    static const Ranks shared = makeRanks();
    return shared;
}

template <typename Char> bool plainText(const Char* text, qsizetype size)
{
    const Ranks& r = ranks();
    for (qsizetype i = 0; i < size; ++i) {
        const auto c = std::make_unsigned_t<Char>(text[i]);
        if (c >= 0x80 || r[c] == 0) {
            return false;
        }
    }
    return true;
}

bool plain(QByteArrayView text)
{
    return plainText(text.data(), text.size());
}

bool plain(const QString& text)
{
    return plainText(text.utf16(), text.size());
}

template <typename A, typename B>
int comparePlain(const A* a, qsizetype aSize, const B* b, qsizetype bSize)
{
    const Ranks& r = ranks();
    const qsizetype common = std::min(aSize, bSize);
    for (qsizetype i = 0; i < common; ++i) {
        const int d = int(r[std::make_unsigned_t<A>(a[i])]) - int(r[std::make_unsigned_t<B>(b[i])]);
        if (d != 0) {
            return d;
        }
    }
    return aSize < bSize ? -1 : (aSize > bSize ? 1 : 0);
}

// The first eight ranks of a plain text packed so that integers compare as the texts do:
// seven bits each, as there are fewer than 128 ranks.
constexpr int kPrefixRanks = 8;
constexpr int kPrefixBits = 7 * kPrefixRanks;

// The prefix of a plain text, or nullopt for any other.
std::optional<std::uint64_t> plainPrefix(QByteArrayView text)
{
    const Ranks& r = ranks();
    std::uint64_t prefix = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = std::uint8_t(text[i]);
        if (c >= 0x80 || r[c] == 0) {
            return std::nullopt;
        }
        if (i < kPrefixRanks) {
            prefix = (prefix << 7) | r[c];
        }
    }
    return prefix << (7 * std::max<qsizetype>(kPrefixRanks - text.size(), 0));
}

using Span = TextList::Span;

// A span's place among equal entries: the order their texts were stored in.
bool storedBefore(Span a, Span b)
{
    return a.offset != b.offset ? a.offset < b.offset : a.size < b.size;
}

struct Keyed
{
    std::uint64_t prefix;
    Span span;
};

// Stable sort by prefix, two ranks a pass, passing over ranks in which all are alike. The
// counts of every pass come from one read of the entries.
void radixSortByPrefix(std::vector<Keyed>& keyed)
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

// The plain entries sorted by ranks, stable through the stored order: by their prefixes,
// then each run of equal prefixes by the rest of its texts.
void sortPlain(const TextList& list, std::vector<Keyed>& keyed)
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
void sortByCollator(const TextList& list, std::vector<Span>& spans)
{
    std::vector<QCollatorSortKey> keys;
    keys.reserve(spans.size());
    for (const Span span : spans) {
        keys.push_back(collator().sortKey(TextList::decode(list.utf8(span))));
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

} // namespace

int compareByCollator(const QString& a, const QString& b)
{
    return collator().compare(a, b);
}

int compare(const QString& a, const QString& b)
{
    if (plain(a) && plain(b)) {
        return comparePlain(a.utf16(), a.size(), b.utf16(), b.size());
    }
    return compareByCollator(a, b);
}

int compare(const QString& a, QByteArrayView b)
{
    if (plain(a) && plain(b)) {
        return comparePlain(a.utf16(), a.size(), b.data(), b.size());
    }
    return compareByCollator(a, TextList::decode(b));
}

int compare(QByteArrayView a, QByteArrayView b)
{
    if (plain(a) && plain(b)) {
        return comparePlain(a.data(), a.size(), b.data(), b.size());
    }
    return compareByCollator(TextList::decode(a), TextList::decode(b));
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
    TextList texts;
    for (const QString& text : std::as_const(list)) {
        texts.append(text);
    }
    sort(texts);
    list = texts.texts();
}

void sortBoth(TextList& first, TextList& second)
{
    ranks(); // made once, before either thread needs them
    auto secondSorted = std::async(std::launch::async, [&second] { sort(second); });
    sort(first);
    secondSorted.wait();
}

void sort(TextList& list)
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

} // namespace vennor::sortedtext
