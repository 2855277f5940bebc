#pragma once

#include <QString>
#include <QStringList>

namespace vennor::sortedtext {

// The order of the sorted lists: alphabetical without regard to case, digits compared as
// text ("100" before "20").
int compare(const QString& a, const QString& b);
// The same order, always through the collator (slower; the reference for compare).
int compareByCollator(const QString& a, const QString& b);

// Where text goes in a list sorted in that order: after the entries that compare equal.
qsizetype insertPosition(const QStringList& sorted, qsizetype end, const QString& text);

// Sorts in that order, stable. Builds one sort key per entry, so large lists sort fast.
void sort(QStringList& list);

} // namespace vennor::sortedtext
