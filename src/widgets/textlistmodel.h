// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/textlist.h"

#include <QAbstractListModel>

namespace vennor {

// The entries of a list box kept as one TextList: a QString is made only for the rows the
// view asks for.
class TextListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const TextList& list() const { return list_; }
    QString text(int row) const { return list_.text(row); }

    void insert(int row, const QString& text);
    void remove(int row);
    // Replaces every entry.
    void reset(TextList list);

private:
    TextList list_;
};

} // namespace vennor
