// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/modem/eventwait.h"
#include "gui/sharedstate.h"

#include <QDialog>
#include <QList>
#include <optional>

class QLabel;
class QPushButton;
class QTimer;

namespace vennor {

class SerialPort;

// Modem detection: tries ports 1 to 10 with a probe and records the first that answers as
// the modem port line of the settings file. Starts by itself once shown.
class ModemDetectionDialog : public QDialog
{
    Q_OBJECT

public:
    ModemDetectionDialog(SharedState& state, QWidget* parent);
    ~ModemDetectionDialog() override;

    // The port on which this detection found the modem; nullopt when it found none or was
    // cancelled.
    std::optional<int> foundPort() const { return found_; }

    // Cancel, Esc and the close box: stop at once, close the port, record nothing.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void startDetection();
    bool probe(int port);
    void modemFound(int port);
    void noModemFound();
    void record(std::optional<int> port);
    void closeDialingWindow();
    QString permissionText() const;

    SharedState& state_;
    QLabel* messageLabel_;
    QLabel* portLabel_;
    QPushButton* cancelButton_;
    QTimer* startTimer_;
    SerialPort* port_;
    EventWait wait_;
    bool started_ = false;
    bool cancelled_ = false;
    QList<int> deniedPorts_;
    std::optional<int> found_;
};

} // namespace vennor
