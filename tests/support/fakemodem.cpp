#include "support/fakemodem.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
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
        master_ = slave_ = -1;
        return;
    }
    path_ = QFile::decodeName(name);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    dataNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(dataNotifier_, &QSocketNotifier::activated, this, &FakeModem::readCommands);

    watch_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch_ >= 0) {
        inotify_add_watch(watch_, name, IN_OPEN | IN_CLOSE);
        openNotifier_ = new QSocketNotifier(watch_, QSocketNotifier::Read, this);
        connect(openNotifier_, &QSocketNotifier::activated, this, &FakeModem::readOpensAndCloses);
    }
}

FakeModem::~FakeModem()
{
    if (watch_ >= 0) {
        delete openNotifier_;
        ::close(watch_);
    }
    closeLine();
    if (slave_ >= 0) {
        ::close(slave_);
    }
}

void FakeModem::closeLine()
{
    if (master_ < 0) {
        return;
    }
    // May run from one of its own signals: the notifier goes later.
    dataNotifier_->setEnabled(false);
    dataNotifier_->deleteLater();
    dataNotifier_ = nullptr;
    ::close(master_);
    master_ = -1;
}

void FakeModem::readCommands()
{
    char buffer[512];
    ssize_t count = 0;
    while ((count = ::read(master_, buffer, sizeof buffer)) > 0) {
        const QByteArray bytes(buffer, count);
        received_ += bytes;
        const qsizetype commands = bytes.count('\r');
        for (qsizetype i = 0; i < commands && reply_ == Reply::Ok; ++i) {
            [[maybe_unused]] const ssize_t written = ::write(master_, "OK\r\n", 4);
        }
        emit bytesReceived();
        if (master_ < 0) {
            return; // a receiver pulled the plug
        }
    }
}

void FakeModem::readOpensAndCloses()
{
    alignas(inotify_event) char buffer[4096];
    ssize_t count = 0;
    while ((count = ::read(watch_, buffer, sizeof buffer)) > 0) {
        for (char* at = buffer; at < buffer + count;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if (event->mask & IN_OPEN) {
                ++opens_;
            }
            if (event->mask & IN_CLOSE) {
                ++closes_;
            }
            at += sizeof(inotify_event) + event->len;
        }
    }
}

} // namespace vennor::test
