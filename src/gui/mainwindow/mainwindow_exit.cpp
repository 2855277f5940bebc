// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/mainwindow.h"

#include "gui/mainwindow/windowplacement.h"
#include "widgets/messagebox.h"
#include "widgets/textbox.h"

#include <QCloseEvent>

namespace vennor {

bool MainWindow::hasUnsavedChanges() const
{
    bool changed = recordChanged_;
    for (int i = 0; i < 4; ++i) {
        changed =
            changed || state_.numberDeleted == 1 || (!recordFromFile_ && fields_.dataChanged(i));
    }
    return changed && !fields_.text(0).isEmpty();
}

// Offers to save a changed record. Ending is refused only when the user asked to save and
// the record could not be saved: what the user wanted kept stays on screen.
bool MainWindow::readyToEnd()
{
    closeAboutBox();
    for (int i = 0; i < 4; ++i) {
        if (state_.numberDeleted == 1 || (!recordFromFile_ && fields_.dataChanged(i))) {
            recordChanged_ = true;
        }
    }
    if (!recordChanged_ || fields_.text(0).isEmpty()) {
        return true;
    }
    const auto answer =
        MessageBox::okCancel(this, tr("save the record before exit"), tr("Warning"));
    return answer != MessageBox::Answer::Ok || saveRecord();
}

bool MainWindow::endProgram()
{
    if (!readyToEnd()) {
        return false;
    }
    ending_ = true;
    placement::remember(*this);
    close();
    emit programEnded();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (ending_) {
        event->accept();
        return;
    }
    if (!readyToEnd()) {
        event->ignore();
        return;
    }
    ending_ = true;
    placement::remember(*this);
    event->accept();
    emit programEnded();
}

} // namespace vennor
