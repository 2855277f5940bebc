// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <optional>

namespace vennor {

// Line settings as written in "9600,N,8,1": baud, parity, data bits, stop bits.
struct LineSettings
{
    qint32 baud = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

// Reads "baud,parity,data,stop"; nullopt when any part is not a valid value.
std::optional<LineSettings> parseLineSettings(const QString& text);

// The device behind port n (1 to 10): $VENNOR_COM<n> when set, else the system's usual name.
QString portDevice(int port);

// What the user has to do to be allowed to use serial ports on this system.
QString portPermissionHint();

// Why opening a port failed.
enum class PortFailure { None, Missing, NoPermission, InUse };

// A serial port with the properties the modem windows use, over QSerialPort. What arrives is
// read at once and dropped, so that a device that never stops sending cannot fill memory:
// only the count of bytes and the last line are kept.
class SerialPort : public QObject
{
    Q_OBJECT

public:
    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 10;

    // Selects the port the next open uses; a number outside 1 to 10 fails and keeps the old one.
    Status setCommPort(int port);
    int commPort() const { return commPort_; }
    QString device() const { return portDevice(commPort_); }

    // Bad text fails and keeps the old settings.
    Status setSettings(const QString& text);
    QString settings() const { return settingsText_; }

    Status setPortOpen(bool open);
    bool portOpen() const;
    // Why the last open failed; None after a successful one.
    PortFailure lastFailure() const { return lastFailure_; }

    // Sends the text unchanged, at once.
    Status output(const QByteArray& text);

    // Bytes received since the port was opened or the count was set to 0.
    qint64 inBufferCount() const;
    // Only 0 is meaningful: it discards what was received.
    Status setInBufferCount(qint64 count);

    void setInputLen(int length) { inputLen_ = length; }
    int inputLen() const { return inputLen_; }

signals:
    void received();
    // The bytes of one read, as they came, for a reader that needs all of them.
    void bytesReceived(const QByteArray& bytes);
    // The last line that was not blank among those that just arrived, without its line break.
    void lineReceived(const QString& line);
    // The device hung up or went away (end of file, hang-up, an error on reading); the port
    // has been closed.
    void disconnected();

private:
    PortFailure classify(QSerialPort::SerialPortError error) const;
    void drain();
    QByteArray takeLines(QByteArrayView bytes);
    void closeOnFailure(QSerialPort::SerialPortError error);
    void forgetReceived();

    QSerialPort port_;
    int commPort_ = kFirstPort;
    QString settingsText_ = QStringLiteral("9600,N,8,1");
    LineSettings line_;
    PortFailure lastFailure_ = PortFailure::None;
    int inputLen_ = 0;
    qint64 receivedCount_ = 0;
    QByteArray partialLine_; // the line still arriving, at most its last kMaxLine bytes
};

} // namespace vennor
