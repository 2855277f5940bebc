// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/fakemodem.h"

#include <QFile>
#include <QSocketNotifier>

#include <algorithm>
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
    ::close(master_);
    master_ = -1;
}

qint64 FakeModem::send(const QByteArray& bytes)
{
    return master_ < 0 ? 0
                       : std::max<ssize_t>(0, ::write(master_, bytes.constData(), bytes.size()));
}

void FakeModem::readCommands()
{
    char buffer[512];
    ssize_t count = 0;
    while (master_ >= 0 && (count = ::read(master_, buffer, sizeof buffer)) > 0) {
        const QByteArray bytes(buffer, count);
        received_ += bytes;
        if (answer_) {
            answerEach(bytes);
        }
        for (qsizetype i = bytes.count('\r'); i > 0 && reply_ == Reply::Ok && !answer_; --i) {
            [[maybe_unused]] const ssize_t written = ::write(master_, "OK\r\n", 4);
        }
        emit bytesReceived(); // a receiver may pull the plug
    }
}

void FakeModem::answerEach(const QByteArray& bytes)
{
    for (const char c : bytes) {
        if (c != '\r') {
            command_ += c;
            continue;
        }
        send(answer_(command_.trimmed()));
        command_.clear();
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

qint64 residentBytes()
{
    QFile statm("/proc/self/statm");
    statm.open(QIODevice::ReadOnly);
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

} // namespace vennor::test
