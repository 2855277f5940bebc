// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QPointer>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vennor {

class RecordHost;
struct SharedState;

// Tools > Advanced search: lists the names of the phone book that contain a wildcard text;
// a click on one loads it into the main window. Modeless; closing it discards it.
class AdvancedSearchWindow : public QDialog
{
    Q_OBJECT

public:
    AdvancedSearchWindow(SharedState& state, RecordHost& host, QWidget* parent);

    // Brings back the window kept in slot, or opens a new one there, centred on the parent.
    static AdvancedSearchWindow* showFor(QPointer<AdvancedSearchWindow>& slot, SharedState& state,
                                         RecordHost& host, QWidget* parent);

    QLineEdit* patternBox_ = nullptr;
    QPushButton* findButton_ = nullptr;
    QListWidget* matchList_ = nullptr;

private:
    void findMatches();
    void loadChosenName(QListWidgetItem* item);

    SharedState& state_;
    RecordHost& host_;
};

} // namespace vennor
