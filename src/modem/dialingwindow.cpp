#include "modem/dialingwindow.h"

#include "modem/hayes.h"
#include "modem/modemdetectiondialog.h"
#include "platform/fonts.h"
#include "platform/messagebox.h"
#include "platform/serialport.h"
#include "platform/twips.h"
#include "storage/settingsfile.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace vennor {
namespace {

const QString kNoModem = QStringLiteral("none");

} // namespace

DialingWindow::DialingWindow(SharedState& state, QWidget* focusOnCancel, QWidget* parent)
    : QDialog(parent), state_(state), focusOnCancel_(focusOnCancel), Label1(new QLabel(this)),
      Label2(new QLabel(this)), Command1(new QPushButton(this)), Timer1(new QTimer(this)),
      MSComm1(new SerialPort(this))
{
    setWindowTitle(QStringLiteral("Dialing"));
    twips::setClientSize(this, 4335, 1380);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(arialFont(9.75));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setText(QStringLiteral("Dialing:"));
    twips::place(Label1, 1500, 330, 900, 240);

    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(arialFont(9.75));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setText(state_.numberToDial);
    twips::place(Label2, 2300, 330, 1455, 285);

    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setText(QStringLiteral("Cancel"));
    twips::place(Command1, 0, 870, 960, 375);
    Command1->move((width() - Command1->width()) / 2, Command1->y());
    connect(Command1, &QPushButton::clicked, this, &DialingWindow::reject);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &DialingWindow::Timer1_Timer);

    MSComm1->setObjectName(QStringLiteral("MSComm1"));
}

DialingWindow::~DialingWindow() = default;

void DialingWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!started_) {
        started_ = true;
        Timer1->start();
    }
}

void DialingWindow::Timer1_Timer()
{
    call(true);
}

// A failed step does not stop the call; it is remembered and answered, after the wait, by a
// detection and a second call.
void DialingWindow::call(bool detectOnError)
{
    bool failed = false;
    const auto step = [&failed](const Status& status) { failed = failed || !status.ok(); };

    MSComm1->setInputLen(0);
    const QByteArray command = hayes::dialCommand(state_.numberToDial);
    const Result<QString> portLine = SettingsFile().readPortLine();
    failed = !portLine.ok();
    const QString line = portLine ? *portLine : QString();
    if (line == kNoModem) {
        closeAfterFailure(QStringLiteral("The modem is not connected"));
        return;
    }
    bool isNumber = false;
    const int port = line.trimmed().toInt(&isNumber);
    failed = failed || !isNumber;
    if (isNumber) {
        step(MSComm1->setCommPort(port));
    }
    step(MSComm1->setSettings(hayes::kLineSettings));
    step(MSComm1->setPortOpen(true));
    step(MSComm1->setInBufferCount(0));
    step(MSComm1->output(command));
    if (!MSComm1->portOpen()) {
        closeAfterFailure(QStringLiteral("The line is busy"));
        return;
    }
    wait_.run(modemWaits().dial);
    if (!ended_ && failed && detectOnError) {
        detectAndCallAgain();
    }
}

// The port is closed before the detection, which could not otherwise try it. Only a modem
// found by this detection is called again, and only once.
void DialingWindow::detectAndCallAgain()
{
    MSComm1->setPortOpen(false);
    ModemDetectionDialog detection(state_, this);
    detection.exec();
    if (!ended_ && detection.foundPort() && state_.modemDetected == 1) {
        call(false);
    }
}

void DialingWindow::closeAfterFailure(const QString& message)
{
    MessageBox::ok(this, message, QStringLiteral("Warning"));
    ended_ = true;
    MSComm1->setPortOpen(false);
    QDialog::reject();
}

void DialingWindow::reject()
{
    ended_ = true;
    wait_.quit();
    Timer1->stop();
    if (MSComm1->portOpen()) {
        MSComm1->output(hayes::kHangUp);
        MSComm1->setPortOpen(false);
    }
    state_.numberToDial.clear();
    QDialog::reject();
    if (focusOnCancel_) {
        focusOnCancel_->setFocus();
    }
}

} // namespace vennor
