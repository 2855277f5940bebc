// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

class QSocketNotifier;

namespace vennor::test {

// A Hayes modem on a pseudo-terminal: point VENNOR_COM<n> at path(). It records every byte it
// receives and answers each command (ended by CR) with "OK" CR LF, or stays silent. It counts
// how often the program opened and closed its device.
class FakeModem : public QObject
{
    Q_OBJECT

public:
    enum class Reply { Ok, Silent };

    explicit FakeModem(Reply reply = Reply::Ok);
    ~FakeModem() override;

    QString path() const { return path_; }
    QByteArray received() const { return received_; }
    int openCount() const { return opens_; }
    bool isHeldOpen() const { return opens_ > closes_; }
    // Answers each command (the text before its CR) with what answer gives instead of OK.
    void setAnswers(std::function<QByteArray(const QByteArray& command)> answer)
    {
        answer_ = std::move(answer);
    }
    // Pulls the plug, as if the modem were switched off mid-call.
    void closeLine();
    // Sends as the modem would; returns how many bytes the line took (none when it is full).
    qint64 send(const QByteArray& bytes);

signals:
    void bytesReceived();

private:
    void readCommands();
    void answerEach(const QByteArray& bytes);
    void countOpens();

    int master_ = -1;
    int slave_ = -1; // kept open so the line stays up between the program's opens
    int watch_ = -1;
    QString path_;
    Reply reply_;
    QByteArray received_;
    std::function<QByteArray(const QByteArray&)> answer_;
    QByteArray command_; // the command still arriving, for answer_
    int opens_ = 0;
    int closes_ = 0;
    QSocketNotifier* data_ = nullptr;
    QSocketNotifier* openings_ = nullptr;
};

// The memory this process holds now: a flood from the modem must leave it flat.
qint64 residentBytes();

} // namespace vennor::test
