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

} // namespace

int compare(const QString& a, const QString& b)
{
    return collator().compare(a, b);
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
