// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessiblename.h"

#include <QAbstractItemView>
#include <QLineEdit>

namespace vennor {

void setAccessibleNameOf(QWidget* control, const QString& name)
{
    const QString spoken = QString(name).remove(QLatin1Char('&')).trimmed();
    control->setAccessibleName(spoken);
    for (QWidget* part : control->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        part->setAccessibleName(spoken);
    }
    for (QWidget* part : control->findChildren<QAbstractItemView*>(Qt::FindDirectChildrenOnly)) {
        part->setAccessibleName(spoken);
    }
}

} // namespace vennor
