#include "support/fakemodem.h"

#include <QFile>
#include <QSocketNotifier>

#include <fcntl.h>
#include <pty.h>
#include <sys/inotify.h>
#include <termios.h>
#include <unistd.h>

namespace vennor::test {

FakeModem::FakeModem(Reply reply) : reply_(reply)
{
    termios raw{};
    cfmakeraw(&raw);
    char name[256] = {};
    if (openpty(&master_, &slave_, name, &raw, nullptr) != 0) {
        qFatal("FakeModem: no pseudo-terminal");
    }
    path_ = QFile::decodeName(name);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    data_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(data_, &QSocketNotifier::activated, this, &FakeModem::readCommands);

    watch_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    inotify_add_watch(watch_, name, IN_OPEN | IN_CLOSE);
    openings_ = new QSocketNotifier(watch_, QSocketNotifier::Read, this);
    connect(openings_, &QSocketNotifier::activated, this, &FakeModem::countOpens);
}

FakeModem::~FakeModem()
{
    delete openings_;
    ::close(watch_);
    closeLine();
    ::close(slave_);
}

void FakeModem::closeLine()
{
    if (master_ < 0) {
        return;
    }
    // May run from one of its own signals: the notifier goes later.
    data_->setEnabled(false);
    data_->deleteLater();
    if (flood_ != nullptr) {
        flood_->setEnabled(false);
        flood_->deleteLater();
    }
    ::close(master_);
    master_ = -1;
}

void FakeModem::readCommands()
{
    char buffer[512];
    ssize_t count = 0;
    while (master_ >= 0 && (count = ::read(master_, buffer, sizeof buffer)) > 0) {
        const QByteArray bytes(buffer, count);
        received_ += bytes;
        for (const char byte : bytes) {
            if (byte != '\r') {
                command_ += byte;
                continue;
            }
            const QByteArray reply = command_.startsWith("ATD") ? dialReply_ : "OK\r\n";
            command_.clear();
            if (reply_ == Reply::Ok) {
                [[maybe_unused]] const ssize_t written = ::write(master_, reply, reply.size());
            }
        }
        emit bytesReceived(); // a receiver may pull the plug
    }
}

void FakeModem::countOpens()
{
    alignas(inotify_event) char buffer[4096];
    ssize_t count = 0;
    while ((count = ::read(watch_, buffer, sizeof buffer)) > 0) {
        for (char* at = buffer; at < buffer + count;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            opens_ += (event->mask & IN_OPEN) ? 1 : 0;
            closes_ += (event->mask & IN_CLOSE) ? 1 : 0;
            at += sizeof(inotify_event) + event->len;
        }
    }
}

} // namespace vennor::test

namespace vennor::test {

void FakeModem::flood()
{
    flood_ = new QSocketNotifier(master_, QSocketNotifier::Write, this);
    connect(flood_, &QSocketNotifier::activated, this, &FakeModem::sendFlood);
}

void FakeModem::sendFlood()
{
    static const QByteArray noise(1 << 16, 'x');
    ssize_t written = 0;
    while (master_ >= 0 && (written = ::write(master_, noise.constData(), noise.size())) > 0) {
        flooded_ += written;
    }
}

} // namespace vennor::test
