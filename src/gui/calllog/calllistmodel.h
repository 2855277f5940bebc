// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calllog.h"

#include <QAbstractTableModel>
#include <vector>

namespace vennor {

// The calls of the call log newest first, those of one kind only when filtered: the kind,
// who (the record's name, else the number), the time in the user's locale, and the outcome
// of a call out or the network's name of a call in.
class CallListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class Filter { All, In, Out, Missed };
    enum Column { KindColumn, WhoColumn, TimeColumn, OutcomeColumn, ColumnCount };

    explicit CallListModel(QObject* parent = nullptr);

    // calls: oldest first, as the log holds them.
    void setCalls(std::vector<CallEntry> calls);
    void setFilter(Filter filter);
    qsizetype totalCount() const { return qsizetype(calls_.size()); }

    const CallEntry& call(int row) const { return calls_.at(shown_.at(row)).entry; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row
    {
        CallEntry entry;
        bool missed = false;
    };
    QString textOf(const Row& row, int column) const;
    void choose();

    std::vector<Row> calls_;       // newest first
    std::vector<qsizetype> shown_; // rows of calls_ the filter lets through
    Filter filter_ = Filter::All;
};

} // namespace vennor
