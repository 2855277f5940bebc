// Times the sync of a phone book with a CardDAV address book on a Radicale server of its
// own: the first sync of 10,000 cards into an empty book (goal: under 30 s), a sync with
// nothing changed (goal: under 1 s), and the first sync of a book of 1,000 records to an
// empty address book, card by card.

#include "realisticbook.h"
#include "storage/vcardmapping.h"
#include "support/davserver.h"
#include "support/synchome.h"
#include "timing.h"

#include <QCoreApplication>
#include <cstdio>

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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr int kCards = 10000;
    constexpr int kSent = 1000;
    constexpr int kRuns = 5;

    DavServer server(DavServer::Kind::radicale);
    // The cards as another computer left them: one file each in the server's folder.
    for (const Record& record : realisticBook(kCards, 16u)) {
        const QString uid = uidOf(record.name).remove(QStringLiteral("urn:uuid:"));
        put(server.radicaleFolder() + u'/' + uid + QStringLiteral(".vcf"),
            cardFromRecord(record, VCardVersion::v30));
    }
    if (!server.start()) {
        std::fprintf(stderr, "radicale did not start\n");
        return 1;
    }
    // As for cards that came through the server: it has read each once and keeps their ETags.
    if (vennor::test::cardCount(server.addressBook()) != kCards) {
        std::fprintf(stderr, "radicale does not list the cards\n");
        return 1;
    }
    SyncHome home(server.addressBook());
    std::printf("Radicale on 127.0.0.1, ms (wall / processor of this program)\n");
    const Timing first = measure(
        1, [] {}, [&] { return synced(home); });
    if (!holds(home, kCards)) {
        return 1;
    }
    std::printf("first sync, %d cards to an empty book    %9.0f / %7.0f  (goal 30000)\n", kCards,
                first.wallMs, first.cpuMs);
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
