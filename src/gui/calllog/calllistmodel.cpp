// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calllog/calllistmodel.h"

#include <QFont>
#include <QLocale>
#include <algorithm>
#include <set>

namespace vennor {
namespace {

// Numbers the network reports and numbers the user dials differ in their prefixes: a call is
// taken as returned when the last seven digits agree, as the caller lookup does, a trunk zero
// of a shorter number aside.
QString returnKey(const QString& number)
{
    QString digits = number;
    digits.removeIf([](QChar c) { return !c.isDigit(); });
    digits = digits.right(7);
    while (digits.startsWith(u'0')) {
        digits.remove(0, 1);
    }
    return digits;
}

QString kindText(const CallEntry& call, bool missed)
{
    if (call.direction == CallEntry::Direction::Out) {
        return CallListModel::tr("Out");
    }
    return missed ? CallListModel::tr("Missed") : CallListModel::tr("In");
}

QString whoText(const CallEntry& call)
{
    if (!call.record.isEmpty()) {
        return call.record;
    }
    if (call.hidden == CallEntry::Hidden::Private) {
        return CallListModel::tr("Private number");
    }
    return call.number.isEmpty() ? CallListModel::tr("Unknown number") : call.number;
}

// The two outcomes that are no reply of the modem are logged untranslated.
QString outcomeText(const CallEntry& call)
{
    if (call.direction == CallEntry::Direction::In) {
        return call.networkName;
    }
    if (call.outcome == QLatin1String("Cancel")) {
        return CallListModel::tr("Cancelled");
    }
    if (call.outcome == QLatin1String("Disconnected")) {
        return CallListModel::tr("Disconnected");
    }
    return call.outcome;
}

} // namespace

CallListModel::CallListModel(QObject* parent) : QAbstractTableModel(parent) {}

// A call in is missed when no call out to its number followed it; a hidden number can never
// be returned.
void CallListModel::setCalls(std::vector<CallEntry> calls)
{
    beginResetModel();
    calls_.clear();
    calls_.reserve(calls.size());
    std::set<QString> returned;
    for (auto call = calls.rbegin(); call != calls.rend(); ++call) {
        const QString key = returnKey(call->number);
        const bool out = call->direction == CallEntry::Direction::Out;
        if (out && !key.isEmpty()) {
            returned.insert(key);
        }
        const bool missed = !out && (key.isEmpty() || returned.count(key) == 0);
        calls_.push_back({std::move(*call), missed});
    }
    choose();
    endResetModel();
}

void CallListModel::setFilter(Filter filter)
{
    beginResetModel();
    filter_ = filter;
    choose();
    endResetModel();
}

void CallListModel::choose()
{
    shown_.clear();
    for (qsizetype i = 0; i < qsizetype(calls_.size()); ++i) {
        const Row& row = calls_[i];
        const bool out = row.entry.direction == CallEntry::Direction::Out;
        const bool wanted = filter_ == Filter::All || (filter_ == Filter::Out && out) ||
                            (filter_ == Filter::In && !out) ||
                            (filter_ == Filter::Missed && row.missed);
        if (wanted) {
            shown_.push_back(i);
        }
    }
}

int CallListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(shown_.size());
}

int CallListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString CallListModel::textOf(const Row& row, int column) const
{
    switch (column) {
    case KindColumn:
        return kindText(row.entry, row.missed);
    case WhoColumn:
        return whoText(row.entry);
    case TimeColumn:
        return QLocale().toString(row.entry.time.toLocalTime(), QLocale::ShortFormat);
    default:
        return outcomeText(row.entry);
    }
}

QVariant CallListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Row& row = calls_.at(shown_.at(index.row()));
    if (role == Qt::DisplayRole) {
        return textOf(row, index.column());
    }
    if (role == Qt::ToolTipRole && index.column() == WhoColumn) {
        return row.entry.number;
    }
    if (role == Qt::FontRole && row.missed) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

QVariant CallListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case KindColumn:
        return tr("Call");
    case WhoColumn:
        return tr("Name or number");
    case TimeColumn:
        return tr("Time");
    default:
        return tr("Outcome");
    }
}

} // namespace vennor
