// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/textlistmodel.h"

namespace vennor {

int TextListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(list_.size());
}

QVariant TextListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= list_.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return list_.text(index.row());
}

void TextListModel::insert(int row, const QString& text)
{
    beginInsertRows({}, row, row);
    list_.insert(row, text);
    endInsertRows();
}

void TextListModel::remove(int row)
{
    beginRemoveRows({}, row, row);
    list_.remove(row);
    endRemoveRows();
}

void TextListModel::reset(TextList list)
{
    beginResetModel();
    list_ = std::move(list);
    endResetModel();
}

} // namespace vennor
