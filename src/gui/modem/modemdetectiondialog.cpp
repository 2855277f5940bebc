// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/modem/modemdetectiondialog.h"

#include "core/settingsfile.h"
#include "gui/modem/dialingwindow.h"
#include "gui/modem/hayes.h"
#include "platform/fonts.h"
#include "platform/serialport.h"
#include "widgets/messagebox.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace vennor {
namespace {

// The nearest window still on screen, to own a message shown after this window closed.
QWidget* visibleOwner(QWidget* window)
{
    while (window != nullptr && !window->isVisible()) {
        window = window->parentWidget();
    }
    return window;
}

} // namespace

ModemDetectionDialog::ModemDetectionDialog(SharedState& state, QWidget* parent)
    : QDialog(parent), state_(state), messageLabel_(new QLabel(this)), portLabel_(new QLabel(this)),
      cancelButton_(new QPushButton(this)), startTimer_(new QTimer(this)),
      port_(new SerialPort(this))
{
    setWindowTitle(tr("Configuration"));
    state_.modemPort.lendTo(this); // the call watch, if on, pauses while this window lives
    twips::setClientSize(this, 4680, 1935);

    messageLabel_->setObjectName(QStringLiteral("Label1"));
    messageLabel_->setText(tr("Detecting the modem now..."));
    messageLabel_->setFont(twips::scaledFont(arialFont(13.5)));
    messageLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips::place(messageLabel_, 570, 240, 3540, 360);

    portLabel_->setObjectName(QStringLiteral("Label2"));
    portLabel_->setFont(twips::scaledFont(arialFont(13.5)));
    portLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips::place(portLabel_, 1800, 840, 1335, 375);

    cancelButton_->setObjectName(QStringLiteral("Command1"));
    cancelButton_->setText(tr("Cancel"));
    cancelButton_->setAutoDefault(false);
    twips::place(cancelButton_, 1680, 1440, 1080, 375);
    connect(cancelButton_, &QPushButton::clicked, this, &ModemDetectionDialog::reject);

    startTimer_->setObjectName(QStringLiteral("Timer1"));
    startTimer_->setSingleShot(true);
    startTimer_->setInterval(1);
    connect(startTimer_, &QTimer::timeout, this, &ModemDetectionDialog::startDetection);

    port_->setObjectName(QStringLiteral("MSComm1"));
    connect(port_, &SerialPort::received, &wait_, &EventWait::quit);
}

ModemDetectionDialog::~ModemDetectionDialog() = default;

void ModemDetectionDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!started_) {
        started_ = true;
        startTimer_->start();
    }
}

void ModemDetectionDialog::reject()
{
    cancelled_ = true;
    startTimer_->stop();
    port_->setPortOpen(false);
    wait_.quit();
    QDialog::reject();
}

void ModemDetectionDialog::startDetection()
{
    for (int port = SerialPort::kFirstPort; port <= SerialPort::kLastPort; ++port) {
        portLabel_->setText(QStringLiteral("Com%1").arg(port));
        repaint();
        QCoreApplication::processEvents();
        if (cancelled_) {
            return;
        }
        if (probe(port)) {
            modemFound(port);
            return;
        }
        if (cancelled_) {
            return;
        }
    }
    noModemFound();
}

// Any reply byte counts: the reply's text is not examined.
bool ModemDetectionDialog::probe(int port)
{
    port_->setCommPort(port);
    port_->setSettings(hayes::kLineSettings);
    if (!port_->setPortOpen(true)) {
        if (port_->lastFailure() == PortFailure::NoPermission) {
            deniedPorts_.append(port);
        }
        return false;
    }
    port_->output(hayes::dialCommand({}));
    if (port_->inBufferCount() == 0) {
        wait_.run(modemWaits().probe);
    }
    if (cancelled_) {
        return false;
    }
    if (port_->inBufferCount() > 0) {
        return true;
    }
    port_->setPortOpen(false);
    return false;
}

void ModemDetectionDialog::modemFound(int port)
{
    port_->output(hayes::kHangUp);
    port_->setPortOpen(false);
    found_ = port;
    record(port);
    state_.modemDetected = 1;
    QDialog::accept();
}

void ModemDetectionDialog::noModemFound()
{
    QDialog::reject();
    closeDialingWindow();
    MessageBox::show(parentWidget(), {tr("Can't find a Modem or line is not connected !!"),
                                      tr("Warning"), MessageBox::Buttons::Ok, permissionText()});
    record(std::nullopt);
}

void ModemDetectionDialog::record(std::optional<int> port)
{
    const Status written = SettingsFile().recordModemPort(port);
    if (!written) {
        MessageBox::ok(visibleOwner(parentWidget()), written.error(), tr("Warning"));
    }
}

void ModemDetectionDialog::closeDialingWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* call = qobject_cast<DialingWindow*>(window);
        if (call != nullptr && call->isVisible()) {
            call->reject();
        }
    }
}

// Users otherwise never learn why a modem they can see is not found.
QString ModemDetectionDialog::permissionText() const
{
    if (deniedPorts_.isEmpty()) {
        return {};
    }
    QStringList ports;
    for (int port : deniedPorts_) {
        ports << QStringLiteral("Com%1 (%2)").arg(port).arg(portDevice(port));
    }
    return tr("These ports exist but could not be opened: %1. %2")
        .arg(ports.join(QStringLiteral(", ")), portPermissionHint());
}

} // namespace vennor
