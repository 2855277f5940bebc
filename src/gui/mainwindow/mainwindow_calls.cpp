// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/mainwindow.h"

#include "core/calllog.h"
#include "core/settingsfile.h"
#include "gui/calllog/calllogwindow.h"
#include "widgets/messagebox.h"

#include <QComboBox>
#include <algorithm>

namespace vennor {

// A changed record is not dropped for another without the user's word: OK saves it, Cancel
// keeps it on screen.
bool MainWindow::editorMayBeReplaced()
{
    // Reached from the call log or a notification: the record is shown where the user looks.
    raise();
    activateWindow();
    if (!hasUnsavedChanges()) {
        return true;
    }
    const auto answer =
        MessageBox::okCancel(this, tr("save the record before showing another"), tr("Warning"));
    return answer == MessageBox::Answer::Ok && saveRecord();
}

// The main window shows the default phone book only: another book becomes the default.
bool MainWindow::openBook(const QString& book)
{
    const Result<QStringList> lines = SettingsFile().readAll();
    if (!lines) {
        MessageBox::ok(this, lines.error(), tr("Warning"));
        return false;
    }
    if (lines->value(1) == book) {
        return true;
    }
    if (!lines->mid(1).contains(book)) {
        MessageBox::ok(this, tr("The phone book %1 is no longer listed").arg(book), tr("Warning"));
        return false;
    }
    QStringList reordered{lines->first(), book};
    for (const QString& line : lines->mid(1)) {
        if (line != book) {
            reordered << line;
        }
    }
    if (const Status written = SettingsFile().rewrite(reordered); !written) {
        MessageBox::ok(this, written.error(), tr("Warning"));
        return false;
    }
    refillLists();
    return true;
}

void MainWindow::showRecord(const QString& book, const QString& recordName)
{
    if (!editorMayBeReplaced() || !openBook(book)) {
        return;
    }
    showRecordNamed(recordName);
    if (!recordFromFile_) {
        MessageBox::ok(this, tr("The phone book %1 no longer holds %2").arg(book, recordName),
                       tr("Warning"));
    }
}

void MainWindow::addRecordForNumber(const QString& number)
{
    if (!editorMayBeReplaced()) {
        return;
    }
    clearRecord();
    state_.typeCodes.append(0);
    numbers_->addItem(number);
    numberType_->setCurrentIndex(0);
    recordChanged_ = true;
}

void MainWindow::callLogCommand()
{
    CallLogActions actions;
    actions.callBack = [this](const CallEntry& call) {
        dialNumber(call.number, call.record.isEmpty()
                                    ? std::nullopt
                                    : std::optional(DialledFrom{call.record, call.book}));
    };
    actions.showRecord = [this](const QString& book, const QString& record) {
        showRecord(book, record);
    };
    actions.addRecord = [this](const QString& number) { addRecordForNumber(number); };
    CallLogWindow::showFor(callLogWindow_, actions, this);
}

void MainWindow::redial()
{
    const Result<CallLog::Contents> log = CallLog::inPhoneBookFolder().read();
    if (!log) {
        MessageBox::show(this, {tr("The call log could not be read."), tr("Warning"),
                                MessageBox::Buttons::Ok, log.error()});
        return;
    }
    const auto last =
        std::find_if(log->calls.rbegin(), log->calls.rend(), [](const CallEntry& call) {
            return call.direction == CallEntry::Direction::Out && !call.number.isEmpty();
        });
    if (last == log->calls.rend()) {
        MessageBox::ok(this, tr("No number has been dialled yet"), tr("Warning"));
        return;
    }
    dialNumber(last->number, last->record.isEmpty()
                                 ? std::nullopt
                                 : std::optional(DialledFrom{last->record, last->book}));
}

} // namespace vennor
