// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the sync of a phone book with a CardDAV address book on a Radicale server of its
// own: the first sync of 10,000 cards into an empty book (goal: under 30 s), a sync with
// nothing changed (goal: under 1 s), and the first sync of a book of 1,000 records to an
// empty address book, card by card. With --large, the first sync of 100,000 cards too, with
// its peak memory (goal: under 500 MB), from a server of its own that answers at once (Radicale
// takes many minutes to list 100,000 cards). Each first sync runs in a child process of its
// own, so that its peak memory is its own.

#include "realisticbook.h"
#include "support/davserver.h"
#include "support/synchome.h"
#include "timing.h"
#include "vcard/vcardmapping.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

using namespace vennor;
using namespace vennor::bench;
using vennor::test::DavServer;
using vennor::test::SyncHome;

namespace {

bool synced(SyncHome& home)
{
    const Status outcome = home.sync();
    if (!outcome) {
        std::fprintf(stderr, "%s\n", qPrintable(outcome.error()));
    }
    return outcome.ok();
}

bool holds(const SyncHome& home, int expected)
{
    if (home.contents().size() != expected) {
        std::fprintf(stderr, "the book holds %d records, not %d\n", int(home.contents().size()),
                     expected);
        return false;
    }
    return true;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// A Radicale server holding cards as another computer left them: one file each in its folder.
bool serveCards(DavServer& server, int cards)
{
    for (const Record& record : realisticBook(cards, 16u)) {
        const QString uid = uidOf(record.name).remove(QStringLiteral("urn:uuid:"));
        put(server.radicaleFolder() + u'/' + uid + QStringLiteral(".vcf"),
            cardFromRecord(record, VCardVersion::v30));
    }
    if (!server.start()) {
        std::fprintf(stderr, "radicale did not start\n");
        return false;
    }
    // As for cards that came through the server: it has read each once and keeps their ETags.
    if (vennor::test::cardCount(server.addressBook()) != cards) {
        std::fprintf(stderr, "radicale does not list the cards\n");
        return false;
    }
    return true;
}

// In the child: one first sync of the address book into an empty book.
int firstSync(const QString& url, int cards)
{
    SyncHome home(url);
    // How long the event loop, which a window would share, is kept waiting at most.
    QElapsedTimer sinceTick;
    qint64 longestWait = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { longestWait = std::max(longestWait, sinceTick.restart()); });
    sinceTick.start();
    tick.start(5);
    const Timing first = measure(
        1, [] {}, [&] { return synced(home); });
    tick.stop();
    if (!holds(home, cards)) {
        return 1;
    }
    std::printf("first sync, %d cards to an empty book    %9.0f / %7.0f  (goal 30000)  peak %.0f "
                "MB, event loop kept waiting %lld ms at most\n",
                cards, first.wallMs, first.cpuMs, peakMegabytes(), longestWait);
    return 0;
}

// The answers an address book of many cards gives a first sync: its ctag, then every card in
// one sync-collection answer, over HTTP/1.1 with kept-alive connections.
class CannedAddressBook
{
public:
    explicit CannedAddressBook(int cards)
    {
        const QByteArray head =
            R"(<?xml version="1.0" encoding="utf-8"?><d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav" xmlns:cs="http://calendarserver.org/ns/">)";
        ctag_ = head + "<d:response><d:href>/book/</d:href><d:propstat><d:prop><cs:getctag>c1"
                       "</cs:getctag></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>"
                       "</d:response></d:multistatus>";
        cards_ = head;
        int n = 0;
        for (const Record& record : realisticBook(cards, 16u)) {
            const QString card = QString::fromUtf8(cardFromRecord(record, VCardVersion::v30));
            cards_ += "<d:response><d:href>/book/" + QByteArray::number(++n) +
                      ".vcf</d:href><d:propstat><d:prop><d:getetag>\"1\"</d:getetag>"
                      "<c:address-data>" +
                      card.toHtmlEscaped().toUtf8() +
                      "</c:address-data></d:prop><d:status>HTTP/1.1 200 OK</d:status>"
                      "</d:propstat></d:response>";
        }
        cards_ += "<d:sync-token>t1</d:sync-token></d:multistatus>";
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [this, socket] { answer(socket); });
            }
        });
    }

    double answerMegabytes() const { return double(cards_.size()) / (1024.0 * 1024.0); }
    QString url() const
    {
        return QStringLiteral("http://127.0.0.1:%1/book/").arg(server_.serverPort());
    }

private:
    void answer(QTcpSocket* socket)
    {
        QByteArray& pending = pending_[socket];
        pending += socket->readAll();
        for (qsizetype end; (end = pending.indexOf("\r\n\r\n")) >= 0;) {
            const QByteArray headers = pending.left(end).toLower();
            const qsizetype at = headers.indexOf("content-length:");
            const qsizetype length = at < 0
                                         ? 0
                                         : headers.mid(at + 15, headers.indexOf('\r', at) - at - 15)
                                               .trimmed()
                                               .toLongLong();
            if (pending.size() < end + 4 + length) {
                return;
            }
            const QByteArray& body = headers.startsWith("propfind") ? ctag_ : cards_;
            socket->write("HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\n"
                          "Content-Length: " +
                          QByteArray::number(body.size()) + "\r\n\r\n");
            socket->write(body);
            pending.remove(0, end + 4 + length);
        }
    }

    QTcpServer server_;
    QByteArray ctag_;
    QByteArray cards_;
    QHash<QTcpSocket*, QByteArray> pending_;
};

bool firstSyncInChild(const QString& url, int cards)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop loop; // a server in this process may have to answer meanwhile
    QObject::connect(&child, &QProcess::finished, &loop, &QEventLoop::quit);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--first-sync"), url, QString::number(cards)});
    if (child.waitForStarted()) {
        loop.exec();
    }
    return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 4 && arguments.at(1) == u"--first-sync") {
        return firstSync(arguments.at(2), arguments.at(3).toInt());
    }
    constexpr int kCards = 10000;
    constexpr int kLarge = 100000;
    constexpr int kSent = 1000;
    constexpr int kRuns = 5;

    std::printf("Radicale on 127.0.0.1, ms (wall / processor of this program)\n");
    if (arguments.contains(QStringLiteral("--large"))) {
        const CannedAddressBook large(kLarge);
        if (!firstSyncInChild(large.url(), kLarge)) {
            return 1;
        }
        std::printf("  (from a server of its own; floor of the memory: the answer, %.0f MB)\n",
                    large.answerMegabytes());
    }
    DavServer server(DavServer::Kind::radicale);
    if (!serveCards(server, kCards) || !firstSyncInChild(server.addressBook(), kCards)) {
        return 1;
    }
    SyncHome home(server.addressBook());
    if (!synced(home) || !holds(home, kCards)) {
        return 1;
    }
    const Timing again = measure(
        kRuns, [] {}, [&] { return synced(home); });
    if (!holds(home, kCards)) {
        return 1;
    }
    std::printf("sync with nothing changed, %d cards (median of %d)  %9.0f / %7.0f  (goal 1000)\n",
                kCards, kRuns, again.wallMs, again.cpuMs);

    DavServer empty(DavServer::Kind::radicale);
    if (!empty.start()) {
        return 1;
    }
    SyncHome sender(empty.addressBook());
    sender.book().store(realisticBook(kSent, 17u));
    const Timing sent = measure(
        1, [] {}, [&] { return synced(sender); });
    if (!holds(sender, kSent) || vennor::test::cardCount(empty.addressBook()) != kSent) {
        return 1;
    }
    std::printf("first sync, %d records to an empty address book  %9.0f / %7.0f\n", kSent,
                sent.wallMs, sent.cpuMs);
    return 0;
}
