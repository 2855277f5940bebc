#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

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
    // Pulls the plug, as if the modem were switched off mid-call.
    void closeLine();
    // Answers a dial command with these bytes instead of "OK" CR LF: the echo, blank lines
    // and the result as a modem sends them (for example "ATDT5;\r\r\nBUSY\r\n").
    void answerDialWith(const QByteArray& bytes) { dialReply_ = bytes; }
    // Sends without pause, as fast as the line takes it, until the line is closed.
    void flood();
    qint64 floodedBytes() const { return flooded_; }

signals:
    void bytesReceived();

private:
    void readCommands();
    void countOpens();
    void sendFlood();

    int master_ = -1;
    int slave_ = -1; // kept open so the line stays up between the program's opens
    int watch_ = -1;
    QString path_;
    Reply reply_;
    QByteArray received_;
    QByteArray command_; // the command arriving, up to its CR
    QByteArray dialReply_ = "OK\r\n";
    qint64 flooded_ = 0;
    QSocketNotifier* flood_ = nullptr;
    int opens_ = 0;
    int closes_ = 0;
    QSocketNotifier* data_ = nullptr;
    QSocketNotifier* openings_ = nullptr;
};

} // namespace vennor::test
