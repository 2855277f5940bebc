#include "platform/sortedtext.h"

#include <QCollator>
#include <algorithm>
#include <numeric>
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

const QCollator& collator()
{
    static const QCollator shared = makeCollator();
    return shared;
}

// Letters, digits, blanks and points only: for such texts the collation order is the order
// of the case-folded characters (blank, point, digits, letters), which is much faster to get.
bool plain(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
               u == u' ' || u == u'.';
    });
}

} // namespace

int compareByCollator(const QString& a, const QString& b)
{
    return collator().compare(a, b);
}

int compare(const QString& a, const QString& b)
{
    if (plain(a) && plain(b)) {
        return QString::compare(a, b, Qt::CaseInsensitive);
    }
    return compareByCollator(a, b);
}

qsizetype insertPosition(const QStringList& sorted, qsizetype end, const QString& text)
{
    const auto last = sorted.cbegin() + end;
    const auto it =
        std::upper_bound(sorted.cbegin(), last, text,
                         [](const QString& a, const QString& b) { return compare(a, b) < 0; });
    return it - sorted.cbegin();
}

void sort(QStringList& list)
{
    if (std::all_of(list.cbegin(), list.cend(), plain)) {
        std::vector<std::pair<QString, qsizetype>> keys;
        keys.reserve(size_t(list.size()));
        for (qsizetype i = 0; i < list.size(); ++i) {
            keys.emplace_back(list.at(i).toLower(), i);
        }
        std::stable_sort(keys.begin(), keys.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        QStringList sorted;
        sorted.reserve(list.size());
        for (const auto& key : keys) {
            sorted.append(list.at(key.second));
        }
        list = std::move(sorted);
        return;
    }
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(list.size()));
    for (const QString& text : std::as_const(list)) {
        keys.push_back(collator().sortKey(text));
    }
    std::vector<qsizetype> order(size_t(list.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        return keys[size_t(a)].compare(keys[size_t(b)]) < 0;
    });
    QStringList sorted;
    sorted.reserve(list.size());
    for (const qsizetype index : order) {
        sorted.append(list.at(index));
    }
    list = std::move(sorted);
}

} // namespace vennor::sortedtext
