// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calllog.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class QButtonGroup;
class QFileSystemWatcher;
class QLabel;
class QPushButton;
class QTableView;
class QTimer;

namespace vennor {

class CallListModel;

// What the call log window asks of the main window.
struct CallLogActions
{
    std::function<void(const CallEntry& call)> callBack;
    std::function<void(const QString& book, const QString& record)> showRecord;
    std::function<void(const QString& number)> addRecord;
};

// Dial > Call log…: the calls in and out, newest first, with the commands that act on them.
// Modeless; it follows calls.log while open.
class CallLogWindow : public QDialog
{
    Q_OBJECT

public:
    CallLogWindow(CallLogActions actions, QWidget* parent);
    ~CallLogWindow() override;

    // Brings back the window kept in slot, or opens a new one there, centred on the parent.
    static CallLogWindow* showFor(QPointer<CallLogWindow>& slot, const CallLogActions& actions,
                                  QWidget* parent);

    // Reads the log again, keeping the chosen call chosen.
    void reload();

private:
    void buildControls();
    void watchLog();
    void logChanged();
    void updateButtons();
    std::vector<CallEntry> selectedCalls() const;
    std::optional<CallEntry> currentCall() const;
    void callBack();
    void showRecord();
    void addRecord();
    void deleteSelected();
    void clearLog();
    void reportFailure(const QString& what, const Status& status);

    CallLogActions actions_;
    CallLog log_;
    CallListModel* model_;
    QButtonGroup* filters_;
    QTableView* calls_;
    QLabel* statusLabel_;
    QPushButton* callBackButton_;
    QPushButton* showRecordButton_;
    QPushButton* addRecordButton_;
    QPushButton* deleteButton_;
    QPushButton* clearButton_;
    QPushButton* closeButton_;
    QFileSystemWatcher* watcher_;
    QTimer* rereadTimer_;
};

} // namespace vennor
