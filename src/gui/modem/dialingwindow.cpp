// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/modem/dialingwindow.h"

#include "core/settingsfile.h"
#include "gui/modem/hayes.h"
#include "gui/modem/modemdetectiondialog.h"
#include "gui/modem/modemreply.h"
#include "platform/fonts.h"
#include "platform/serialport.h"
#include "widgets/messagebox.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace vennor {
namespace {

const QString kNoModem = QStringLiteral("none");

} // namespace

DialingWindow::DialingWindow(SharedState& state, QWidget* focusOnCancel, QWidget* parent)
    : QDialog(parent), state_(state), focusOnCancel_(focusOnCancel),
      captionLabel_(new QLabel(this)), numberLabel_(new QLabel(this)),
      replyLabel_(new QLabel(this)), cancelButton_(new QPushButton(this)),
      startTimer_(new QTimer(this)), port_(new SerialPort(this)), outgoing_(state.numberToDial)
{
    setWindowTitle(tr("Dialing"));
    state_.modemPort.lendTo(this); // the call watch, if on, pauses while this window lives
    twips::setClientSize(this, 4335, 1380);

    captionLabel_->setObjectName(QStringLiteral("Label1"));
    captionLabel_->setFont(twips::scaledFont(arialFont(9.75)));
    captionLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    captionLabel_->setText(tr("Dialing:"));
    twips::place(captionLabel_, 1500, 330, 900, 240);

    numberLabel_->setObjectName(QStringLiteral("Label2"));
    numberLabel_->setFont(twips::scaledFont(arialFont(9.75)));
    numberLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    numberLabel_->setText(state_.numberToDial);
    twips::place(numberLabel_, 2300, 330, 1455, 285);

    // The modem's answer to the dial command, in words, on one line under the number.
    replyLabel_->setObjectName(QStringLiteral("replyLabel"));
    replyLabel_->setFont(twips::scaledFont(arialFont(9.75)));
    replyLabel_->setTextFormat(Qt::PlainText);
    replyLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    twips::place(replyLabel_, 120, 600, 4095, 240);

    cancelButton_->setObjectName(QStringLiteral("Command1"));
    cancelButton_->setText(tr("Cancel"));
    twips::place(cancelButton_, 0, 870, 960, 375);
    cancelButton_->move((width() - cancelButton_->width()) / 2, cancelButton_->y());
    connect(cancelButton_, &QPushButton::clicked, this, &DialingWindow::reject);

    startTimer_->setObjectName(QStringLiteral("Timer1"));
    startTimer_->setSingleShot(true);
    startTimer_->setInterval(1);
    connect(startTimer_, &QTimer::timeout, this, &DialingWindow::startCall);

    port_->setObjectName(QStringLiteral("MSComm1"));
    connect(port_, &SerialPort::lineReceived, this, &DialingWindow::showReply);
    connect(port_, &SerialPort::disconnected, this, &DialingWindow::lineLost);
}

DialingWindow::~DialingWindow() = default;

void DialingWindow::setDialledFrom(const QString& record, const QString& book)
{
    outgoing_.setDialledFrom(record, book);
}

void DialingWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!started_) {
        started_ = true;
        startTimer_->start();
    }
}

void DialingWindow::startCall()
{
    call(true);
}

// A failed step does not stop the call; it is remembered and answered, after the wait, by a
// detection and a second call.
void DialingWindow::call(bool detectOnError)
{
    bool failed = false;
    const auto step = [&failed](const Status& status) { failed = failed || !status.ok(); };

    port_->setInputLen(0);
    const QByteArray command = hayes::dialCommand(state_.numberToDial);
    const Result<QString> portLine = SettingsFile().readPortLine();
    failed = !portLine.ok();
    const QString line = portLine ? *portLine : QString();
    if (line == kNoModem) {
        closeAfterFailure(tr("The modem is not connected"));
        return;
    }
    bool isNumber = false;
    const int port = line.trimmed().toInt(&isNumber);
    failed = failed || !isNumber;
    if (isNumber) {
        step(port_->setCommPort(port));
    }
    step(port_->setSettings(hayes::kLineSettings));
    step(port_->setPortOpen(true));
    step(port_->setInBufferCount(0));
    step(port_->output(command));
    if (!port_->portOpen()) {
        closeAfterFailure(tr("The line is busy"));
        return;
    }
    wait_.run(modemWaits().call);
    if (!ended_ && failed && detectOnError) {
        detectAndCallAgain();
    }
}

// The port is closed before the detection, which could not otherwise try it. Only a modem
// found by this detection is called again, and only once.
void DialingWindow::detectAndCallAgain()
{
    port_->setPortOpen(false);
    ModemDetectionDialog detection(state_, this);
    detecting_ = true;
    detection.exec();
    detecting_ = false;
    if (!ended_ && detection.foundPort() && state_.modemDetected == 1) {
        call(false);
    }
}

void DialingWindow::closeAfterFailure(const QString& message)
{
    logOutcome(message);
    MessageBox::ok(this, message, tr("Warning"));
    ended_ = true;
    port_->setPortOpen(false);
    QDialog::reject();
}

void DialingWindow::showReply(const QString& line)
{
    if (const std::optional<QString> meaning = replyMeaning(line)) {
        replyLabel_->setText(*meaning);
        logOutcome(*meaning);
    }
}

// A log that cannot be written never stops the call: the window says so beside the reply.
void DialingWindow::logOutcome(const QString& outcome)
{
    if (outgoing_.logged()) {
        return;
    }
    if (const Status logged = outgoing_.log(outcome); !logged) {
        replyLabel_->setText(tr("%1 (not logged)").arg(replyLabel_->text()).trimmed());
        replyLabel_->setToolTip(logged.error());
    }
}

// The modem was unplugged or switched off: the call is over, and the user is told so.
void DialingWindow::lineLost()
{
    if (ended_) {
        return;
    }
    wait_.quit();
    startTimer_->stop();
    logOutcome(OutgoingCall::kDisconnected);
    closeAfterFailure(tr("The modem was disconnected"));
}

// A detection that found no modem closes this window the way Cancel does.
void DialingWindow::reject()
{
    logOutcome(detecting_
                   ? ModemDetectionDialog::tr("Can't find a Modem or line is not connected !!")
                   : OutgoingCall::kCancel);
    ended_ = true;
    wait_.quit();
    startTimer_->stop();
    if (port_->portOpen()) {
        port_->output(hayes::kHangUp);
        port_->setPortOpen(false);
    }
    state_.numberToDial.clear();
    QDialog::reject();
    if (focusOnCancel_) {
        focusOnCancel_->setFocus();
    }
}

} // namespace vennor
