// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/sharedstate.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vennor {

// Manual dial: the user types any number; Dial closes this window and calls it.
class ManualDialDialog : public QDialog
{
    Q_OBJECT

public:
    ManualDialDialog(SharedState& state, QWidget* focusOnCancel, QWidget* parent);

private:
    void dialTypedNumber();

    SharedState& state_;
    QPointer<QWidget> focusOnCancel_;
    QLabel* promptLabel_;
    QLineEdit* numberBox_;
    QPushButton* dialButton_;
    QPushButton* cancelButton_;
};

// The Manual dial command: shows ManualDialDialog modally; the call, if any, follows from its Dial.
void runManualDial(SharedState& state, QWidget* focusOnCancel, QWidget* parent);

} // namespace vennor
