// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/modem/eventwait.h"
#include "gui/modem/outgoingcall.h"
#include "gui/sharedstate.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;
class QTimer;

namespace vennor {

class SerialPort;

// Makes one call to numberToDial once shown, and keeps the modem off the hook until Cancel.
class DialingWindow : public QDialog
{
    Q_OBJECT

public:
    DialingWindow(SharedState& state, QWidget* focusOnCancel, QWidget* parent);
    ~DialingWindow() override;

    // The record the number was chosen from, for the call log.
    void setDialledFrom(const QString& record, const QString& book);

    // Cancel, Esc, the close box and a detection that found no modem: hang up, close the
    // port, forget the number. Ends the call for good.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void startCall();
    void call(bool detectOnError);
    void detectAndCallAgain();
    void closeAfterFailure(const QString& message);
    void showReply(const QString& line);
    void lineLost();
    void logOutcome(const QString& outcome);

    SharedState& state_;
    QPointer<QWidget> focusOnCancel_;
    QLabel* captionLabel_;
    QLabel* numberLabel_;
    QLabel* replyLabel_;
    QPushButton* cancelButton_;
    QTimer* startTimer_;
    SerialPort* port_;
    EventWait wait_;
    OutgoingCall outgoing_;
    bool started_ = false;
    bool detecting_ = false;
    bool ended_ = false;
};

} // namespace vennor
