// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/mainwindow.h"

#include "widgets/simplecombo.h"

namespace vennor {

QString MainWindow::shownRecordName() const
{
    return recordFromFile_ ? shownName_ : QString();
}

void MainWindow::showRecordNamed(const QString& name)
{
    nameSearch_->setText(name);
    state_.selectedName = name;
    loadRecordByName();
}

} // namespace vennor
