// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/davserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace vennor::test {
namespace {

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

} // namespace

DavServer::DavServer(Kind kind) : kind_(kind), port_(freePort())
{
    if (kind_ == Kind::radicale) {
        write(dir_.filePath("users"), "alice:secret\n");
        write(dir_.filePath("config"), QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n"
                                                      "[auth]\ntype = htpasswd\n"
                                                      "htpasswd_filename = %2\n"
                                                      "htpasswd_encryption = plain\n"
                                                      "[storage]\nfilesystem_folder = %3\n"
                                                      "[logging]\nlevel = warning\n")
                                           .arg(port_)
                                           .arg(dir_.filePath("users"), dir_.filePath("data"))
                                           .toUtf8());
        // The address book as the server's owner makes it: a folder with its properties.
        const QString book = dir_.filePath("data/collection-root/alice/book");
        QDir().mkpath(book);
        write(book + "/.Radicale.props", R"({"tag": "VADDRESSBOOK"})");
    }
}

DavServer::~DavServer()
{
    stop();
}

bool DavServer::start()
{
#ifdef Q_OS_LINUX
    // A test that crashes takes its server with it.
    process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(QProcess::nullDevice());
    if (kind_ == Kind::radicale) {
        process_.start("radicale", {"--config", dir_.filePath("config")});
    } else {
        process_.start("xandikos", {"--defaults", "-d", dir_.filePath("data"), "-l", "127.0.0.1",
                                    "-p", QString::number(port_)});
    }
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired() && process_.state() != QProcess::NotRunning) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, quint16(port_));
        if (socket.waitForConnected(200)) {
            return true;
        }
        QThread::msleep(100);
    }
    return false;
}

void DavServer::stop()
{
    if (process_.state() == QProcess::NotRunning) {
        return;
    }
    process_.kill();
    process_.waitForFinished(5000);
}

QString DavServer::root() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(port_);
}

QString DavServer::addressBook() const
{
    return root() + (kind_ == Kind::radicale ? "alice/book/" : "user/contacts/addressbook/");
}

} // namespace vennor::test
