// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/mainwindow.h"

#include "gui/about/aboutbox.h"
#include "gui/about/helpcommands.h"
#include "gui/printing/printselectionwindow.h"
#include "gui/search/advancedsearchwindow.h"

namespace vennor {

void MainWindow::advancedSearchCommand()
{
    AdvancedSearchWindow::showFor(advancedWindow_, state_, *this, this);
}

void MainWindow::printCommand()
{
    PrintSelectionWindow::showFor(printWindow_, state_, *this, this);
}

void MainWindow::helpTopicsCommand()
{
    help::helpTopics(*this);
}

void MainWindow::latestVersionCommand()
{
    help::latestVersion();
}

void MainWindow::mailGroupCommand()
{
    help::mailGroup();
}

// The About box is only hidden by its Ok: the same one is shown again.
void MainWindow::aboutCommand()
{
    if (!aboutBox_) {
        aboutBox_ = new AboutBox(this);
    }
    aboutBox_->exec();
}

void MainWindow::closeAboutBox()
{
    delete aboutBox_;
}

} // namespace vennor
