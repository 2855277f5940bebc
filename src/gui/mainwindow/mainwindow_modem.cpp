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

// The record on screen is what the number was dialled from, if it is the one in the file.
void MainWindow::dialSelectedNumber()
{
    const Result<QString> book = SettingsFile().readDefaultBook();
    dialNumber(numbers_->currentText(), recordFromFile_ && book
                                            ? std::optional(DialledFrom{shownName_, *book})
                                            : std::nullopt);
}

void MainWindow::dialNumber(const QString& number)
{
    dialNumber(number, std::nullopt);
}

void MainWindow::dialNumber(const QString& number, const std::optional<DialledFrom>& from)
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
    runDialing(from);
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

void MainWindow::runDialing(const std::optional<DialledFrom>& from)
{
    DialingWindow call(state_, nameSearch_, this);
    if (from) {
        call.setDialledFrom(from->record, from->book);
    }
    call.exec();
}

} // namespace vennor
