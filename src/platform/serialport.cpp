// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/serialport.h"

#include <QFile>
#include <QMetaMethod>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vennor {
namespace {

std::optional<QSerialPort::Parity> parseParity(const QString& text)
{
    const QString letter = text.trimmed().toUpper();
    if (letter == QLatin1String("N")) {
        return QSerialPort::NoParity;
    }
    if (letter == QLatin1String("E")) {
        return QSerialPort::EvenParity;
    }
    if (letter == QLatin1String("O")) {
        return QSerialPort::OddParity;
    }
    if (letter == QLatin1String("M")) {
        return QSerialPort::MarkParity;
    }
    if (letter == QLatin1String("S")) {
        return QSerialPort::SpaceParity;
    }
    return std::nullopt;
}

std::optional<QSerialPort::DataBits> parseDataBits(const QString& text)
{
    bool ok = false;
    const int bits = text.trimmed().toInt(&ok);
    if (!ok || bits < 5 || bits > 8) {
        return std::nullopt;
    }
    return QSerialPort::DataBits(bits);
}

std::optional<QSerialPort::StopBits> parseStopBits(const QString& text)
{
    const QString bits = text.trimmed();
    if (bits == QLatin1String("1")) {
        return QSerialPort::OneStop;
    }
    if (bits == QLatin1String("1.5")) {
        return QSerialPort::OneAndHalfStop;
    }
    if (bits == QLatin1String("2")) {
        return QSerialPort::TwoStop;
    }
    return std::nullopt;
}

// Whether this process may read and write the device, judged by its effective rights.
bool mayUseDevice(const QString& device)
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(device);
    if (faccessat(AT_FDCWD, path.constData(), R_OK | W_OK, AT_EACCESS) == 0) {
        return true;
    }
    return errno != EACCES && errno != EPERM;
#else
    // Windows reports a port held by another program as "access denied".
    Q_UNUSED(device);
    return true;
#endif
}

QString defaultDevice(int port)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    if (port <= 4) {
        return QStringLiteral("/dev/ttyS%1").arg(port - 1);
    }
    if (port <= 7) {
        return QStringLiteral("/dev/ttyACM%1").arg(port - 5);
    }
    return QStringLiteral("/dev/ttyUSB%1").arg(port - 8);
#endif
}

// Longer lines keep only their end: no modem reply is nearly this long.
constexpr qsizetype kMaxLine = 256;

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

std::optional<LineSettings> parseLineSettings(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) {
        return std::nullopt;
    }
    bool ok = false;
    const qint32 baud = parts.at(0).trimmed().toInt(&ok);
    const auto parity = parseParity(parts.at(1));
    const auto dataBits = parseDataBits(parts.at(2));
    const auto stopBits = parseStopBits(parts.at(3));
    if (!ok || baud <= 0 || !parity || !dataBits || !stopBits) {
        return std::nullopt;
    }
    return LineSettings{baud, *parity, *dataBits, *stopBits};
}

QString portDevice(int port)
{
    const QByteArray variable = "VENNOR_COM" + QByteArray::number(port);
    if (qEnvironmentVariableIsSet(variable.constData())) {
        return qEnvironmentVariable(variable.constData());
    }
    return defaultDevice(port);
}

QString portPermissionHint()
{
#ifdef Q_OS_LINUX
    return SerialPort::tr("You need the right to use them: make your user a member of the "
                          "dialout group (sudo usermod -aG dialout $USER), then log in again.");
#else
    return SerialPort::tr("You need the right to use them: ask your administrator for access.");
#endif
}

SerialPort::SerialPort(QObject* parent) : QObject(parent)
{
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::drain);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPort::closeOnFailure);
}

SerialPort::~SerialPort()
{
    port_.close();
}

Status SerialPort::setCommPort(int port)
{
    if (port < kFirstPort || port > kLastPort) {
        return Status::failure(tr("There is no port %1.").arg(port));
    }
    if (port_.isOpen()) {
        return Status::failure(tr("The port cannot change while it is open."));
    }
    commPort_ = port;
    return Status::success();
}

Status SerialPort::setSettings(const QString& text)
{
    const auto parsed = parseLineSettings(text);
    if (!parsed) {
        return Status::failure(QStringLiteral("\"%1\" are not line settings.").arg(text));
    }
    line_ = *parsed;
    settingsText_ = text;
    return Status::success();
}

Status SerialPort::setPortOpen(bool open)
{
    forgetReceived();
    if (!open) {
        port_.close();
        return Status::success();
    }
    if (port_.isOpen()) {
        return Status::failure(tr("The port is already open."));
    }
    port_.setPortName(device());
    const bool opened = port_.open(QIODevice::ReadWrite) && port_.setBaudRate(line_.baud) &&
                        port_.setParity(line_.parity) && port_.setDataBits(line_.dataBits) &&
                        port_.setStopBits(line_.stopBits);
    if (!opened) {
        lastFailure_ = classify(port_.error());
        const QString reason = port_.errorString();
        port_.close();
        return Status::failure(reason);
    }
    lastFailure_ = PortFailure::None;
    return Status::success();
}

bool SerialPort::portOpen() const
{
    return port_.isOpen();
}

Status SerialPort::output(const QByteArray& text)
{
    if (!port_.isOpen()) {
        return Status::failure(tr("The port is not open."));
    }
    port_.clearError();
    if (port_.write(text) != text.size()) {
        return Status::failure(port_.errorString());
    }
    port_.flush();
    if (port_.error() != QSerialPort::NoError) {
        return Status::failure(port_.errorString());
    }
    return Status::success();
}

qint64 SerialPort::inBufferCount() const
{
    return port_.isOpen() ? receivedCount_ + port_.bytesAvailable() : 0;
}

Status SerialPort::setInBufferCount(qint64 count)
{
    if (!port_.isOpen()) {
        return Status::failure(tr("The port is not open."));
    }
    if (count != 0) {
        return Status::failure(tr("The count can only be set to 0."));
    }
    port_.clear(QSerialPort::Input);
    port_.readAll();
    forgetReceived();
    return Status::success();
}

void SerialPort::forgetReceived()
{
    receivedCount_ = 0;
    partialLine_.clear();
}

void SerialPort::drain()
{
    QByteArray lastLine;
    char chunk[4096];
    qint64 count = 0;
    while ((count = port_.read(chunk, sizeof chunk)) > 0) {
        receivedCount_ += count;
        if (isSignalConnected(QMetaMethod::fromSignal(&SerialPort::bytesReceived))) {
            emit bytesReceived(QByteArray(chunk, count));
        }
        if (QByteArray line = takeLines(QByteArrayView(chunk, count)); !line.isEmpty()) {
            lastLine = std::move(line);
        }
    }
    emit received();
    if (!lastLine.isEmpty()) {
        emit lineReceived(QString::fromLatin1(lastLine));
    }
}

// Adds the bytes to the line arriving; returns the last line they end that is not blank.
QByteArray SerialPort::takeLines(QByteArrayView bytes)
{
    QByteArray lastLine;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (!isLineBreak(bytes[i])) {
            continue;
        }
        partialLine_.append(bytes.sliced(start, i - start));
        if (const QByteArray line = partialLine_.trimmed(); !line.isEmpty()) {
            lastLine = line.right(kMaxLine);
        }
        partialLine_.clear();
        start = i + 1;
    }
    partialLine_.append(bytes.sliced(start));
    if (partialLine_.size() > kMaxLine) {
        partialLine_ = partialLine_.right(kMaxLine);
    }
    return lastLine;
}

// A device that hung up keeps the port readable with nothing to read: left open, the port
// would be polled without end.
void SerialPort::closeOnFailure(QSerialPort::SerialPortError error)
{
    if (!port_.isOpen() ||
        (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)) {
        return;
    }
    port_.close();
    forgetReceived();
    emit disconnected();
}

PortFailure SerialPort::classify(QSerialPort::SerialPortError error) const
{
    if (error == QSerialPort::DeviceNotFoundError) {
        return PortFailure::Missing;
    }
    if (error == QSerialPort::PermissionError && !mayUseDevice(device())) {
        return PortFailure::NoPermission;
    }
    return PortFailure::InUse;
}

} // namespace vennor
