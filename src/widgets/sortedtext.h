#pragma once

#include "core/textlist.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace vennor::sortedtext {

// The order of the sorted lists: alphabetical without regard to case, digits compared as
// text ("100" before "20").
int compare(const QString& a, const QString& b);
// The same order between a text and an entry stored as UTF-8.
int compare(const QString& a, QByteArrayView b);
int compare(QByteArrayView a, QByteArrayView b);
// The same order, always through the collator (slower; the reference for compare).
int compareByCollator(const QString& a, const QString& b);

// Where text goes in a list sorted in that order: after the entries that compare equal.
qsizetype insertPosition(const QStringList& sorted, qsizetype end, const QString& text);
qsizetype insertPosition(const TextList& sorted, qsizetype end, const QString& text);
// Where the entries that compare equal to text begin and end in a sorted list.
std::pair<qsizetype, qsizetype> equalRange(const TextList& sorted, qsizetype end,
                                           const QString& text);

// Sorts in that order, stable.
void sort(QStringList& list);
void sort(TextList& list);
// Sorts two lists at once, the second on a thread of its own: the start-up's two lists of a
// million entries and more take half the time.
void sortBoth(TextList& first, TextList& second);

} // namespace vennor::sortedtext
