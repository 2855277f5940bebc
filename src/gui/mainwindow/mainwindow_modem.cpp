// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/mainwindow.h"

#include "core/settingsfile.h"
#include "gui/modem/dialingwindow.h"
#include "gui/modem/manualdialdialog.h"
#include "gui/modem/modemdetectiondialog.h"
#include "widgets/messagebox.h"
#include "widgets/simplecombo.h"

#include <QComboBox>

namespace vennor {

void MainWindow::dialSelectedNumber()
{
    dialNumber(numbers_->currentText());
}

void MainWindow::dialNumber(const QString& number)
{
    const bool settingsMissing = !SettingsFile().canOpen();
    state_.numberToDial = number;
    if (state_.numberToDial.isEmpty()) {
        MessageBox::ok(this, tr("A telephone number is required"), tr("Warning"));
        return;
    }
    if (settingsMissing) {
        runDetection();
    }
    runDialing();
}

void MainWindow::detectModem()
{
    runDetection();
}

void MainWindow::manualDial()
{
    runManualDial(state_, nameSearch_, this);
}

void MainWindow::runDetection()
{
    ModemDetectionDialog detection(state_, this);
    detection.exec();
}

void MainWindow::runDialing()
{
    DialingWindow call(state_, nameSearch_, this);
    call.exec();
}

} // namespace vennor
