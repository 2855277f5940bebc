#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace vennor::test {

// A Hayes modem on a pseudo-terminal, served from the event loop. Point VENNOR_COM<n> at
// path() and the program's serial port reaches it with real terminal traffic. It records every
// byte it receives and answers each command (ended by CR) with "OK" CR LF, or stays silent.
// It also counts how often the program opened and closed its device.
class FakeModem : public QObject
{
    Q_OBJECT

public:
    enum class Reply { Ok, Silent };

    explicit FakeModem(Reply reply = Reply::Ok);
    ~FakeModem() override;
    FakeModem(const FakeModem&) = delete;
    FakeModem& operator=(const FakeModem&) = delete;

    bool isValid() const { return master_ >= 0; }
    QString path() const { return path_; }
    void setReply(Reply reply) { reply_ = reply; }

    QByteArray received() const { return received_; }
    void clearReceived() { received_.clear(); }
    int openCount() const { return opens_; }
    // Whether the program has the device open now.
    bool isHeldOpen() const { return opens_ > closes_; }

    // Pulls the plug: its side of the line goes away, as if the modem were switched off.
    void closeLine();

signals:
    void bytesReceived();

private:
    void readCommands();
    void readOpensAndCloses();

    int master_ = -1;
    int slave_ = -1; // kept open so the line stays up between the program's opens
    int watch_ = -1;
    QString path_;
    Reply reply_;
    QByteArray received_;
    int opens_ = 0;
    int closes_ = 0;
    QSocketNotifier* dataNotifier_ = nullptr;
    QSocketNotifier* openNotifier_ = nullptr;
};

} // namespace vennor::test
