#include "modem/modemdetectiondialog.h"

#include "modem/dialingwindow.h"
#include "modem/hayes.h"
#include "platform/fonts.h"
#include "platform/messagebox.h"
#include "platform/serialport.h"
#include "platform/twips.h"
#include "storage/settingsfile.h"

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
    : QDialog(parent), state_(state), Label1(new QLabel(this)), Label2(new QLabel(this)),
      Command1(new QPushButton(this)), Timer1(new QTimer(this)), MSComm1(new SerialPort(this))
{
    setWindowTitle(QStringLiteral("Configuration"));
    twips::setClientSize(this, 4680, 1935);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Detecting the modem now..."));
    Label1->setFont(arialFont(13.5));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips::place(Label1, 570, 240, 3540, 360);

    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(arialFont(13.5));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips::place(Label2, 1800, 840, 1335, 375);

    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setText(QStringLiteral("Cancel"));
    Command1->setAutoDefault(false);
    twips::place(Command1, 1680, 1440, 1080, 375);
    connect(Command1, &QPushButton::clicked, this, &ModemDetectionDialog::reject);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &ModemDetectionDialog::Timer1_Timer);

    MSComm1->setObjectName(QStringLiteral("MSComm1"));
    connect(MSComm1, &SerialPort::received, &wait_, &EventWait::quit);
}

ModemDetectionDialog::~ModemDetectionDialog() = default;

void ModemDetectionDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!started_) {
        started_ = true;
        Timer1->start();
    }
}

void ModemDetectionDialog::reject()
{
    cancelled_ = true;
    Timer1->stop();
    MSComm1->setPortOpen(false);
    wait_.quit();
    QDialog::reject();
}

void ModemDetectionDialog::Timer1_Timer()
{
    for (int port = SerialPort::kFirstPort; port <= SerialPort::kLastPort; ++port) {
        Label2->setText(QStringLiteral("Com%1").arg(port));
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
    MSComm1->setCommPort(port);
    MSComm1->setSettings(hayes::kLineSettings);
    if (!MSComm1->setPortOpen(true)) {
        if (MSComm1->lastFailure() == PortFailure::NoPermission) {
            deniedPorts_.append(port);
        }
        return false;
    }
    MSComm1->output(hayes::dialCommand({}));
    if (MSComm1->inBufferCount() == 0) {
        wait_.run(modemWaits().probe);
    }
    if (cancelled_) {
        return false;
    }
    if (MSComm1->inBufferCount() > 0) {
        return true;
    }
    MSComm1->setPortOpen(false);
    return false;
}

void ModemDetectionDialog::modemFound(int port)
{
    MSComm1->output(hayes::kHangUp);
    MSComm1->setPortOpen(false);
    found_ = port;
    record(port);
    state_.modemDetected = 1;
    QDialog::accept();
}

void ModemDetectionDialog::noModemFound()
{
    QDialog::reject();
    closeDialingWindow();
    MessageBox::show(parentWidget(),
                     {QStringLiteral("Can't find a Modem or line is not connected !!"),
                      QStringLiteral("Warning"), MessageBox::Buttons::Ok, permissionText()});
    record(std::nullopt);
}

void ModemDetectionDialog::record(std::optional<int> port)
{
    const Status written = SettingsFile().recordModemPort(port);
    if (!written) {
        MessageBox::ok(visibleOwner(parentWidget()), written.error(), QStringLiteral("Warning"));
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
    return QStringLiteral("These ports exist but could not be opened: %1. %2")
        .arg(ports.join(QStringLiteral(", ")), portPermissionHint());
}

} // namespace vennor
