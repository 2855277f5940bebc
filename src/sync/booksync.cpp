// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sync/booksync.h"

#include "core/phonebook.h"
#include "sync/davhref.h"
#include "sync/multistatus.h"
#include "sync/synctexts.h"
#include "vcard/vcardmapping.h"
#include "vcard/vcardmerge.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFuture>
#include <QFutureWatcher>
#include <QSet>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace vennor::carddav {

// What a multistatus answer lists, sorted for the pull: cards removed (a status 404), cards
// given with their data, and the ETags of the others.
struct Listing
{
    bool answered = false; // the body was a multistatus
    QHash<QString, QString> etags;
    QStringList removed;
    QList<RemoteCard> cards;
    qsizetype largest = -1; // the largest of the cards, held to the limit of one card
    QStringList outside;    // hrefs that lead out of the address book, as the server gave them
    QString token;
};

namespace {

constexpr int kBatch = 250;     // cards asked for in one addressbook-multiget
constexpr int kParallel = 6;    // requests under way at once while pushing
constexpr int kSaveEvery = 200; // pushed cards between two writes of the state file
constexpr int kRounds = 4;      // pulls and pushes: after a push, and when the server changed
constexpr int kReplans = 3;     // pulls planned again when the book changed while planning
constexpr int kMassDelete = 10; // more removals than this, and more than a quarter of the
                                // address book, need the user's leave

QByteArray escapedXml(const QString& text)
{
    return text.toHtmlEscaped().toUtf8();
}

// With the cards themselves on a first sync: one answer instead of one per batch.
QByteArray syncQuery(const QString& token, bool withCards)
{
    return R"(<?xml version="1.0" encoding="utf-8"?><d:sync-collection xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav"><d:sync-token>)" +
           escapedXml(token) + "</d:sync-token><d:sync-level>1</d:sync-level><d:prop><d:getetag/>" +
           (withCards ? "<c:address-data/>" : "") + "</d:prop></d:sync-collection>";
}

const QByteArray kCtagQuery = R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:" xmlns:cs="http://calendarserver.org/ns/"><d:prop><cs:getctag/></d:prop></d:propfind>)";

const QByteArray kEtagQuery = R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:"><d:prop><d:getetag/></d:prop></d:propfind>)";

QByteArray multigetQuery(const QStringList& hrefs)
{
    QByteArray xml =
        R"(<?xml version="1.0" encoding="utf-8"?><c:addressbook-multiget xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav"><d:prop><d:getetag/><c:address-data/></d:prop>)";
    for (const QString& href : hrefs) {
        xml += "<d:href>" + escapedXml(href) + "</d:href>";
    }
    return xml + "</c:addressbook-multiget>";
}

std::optional<Record> recordOfCard(const QByteArray& bytes, const QString& prefix,
                                   std::optional<VCard>& card)
{
    std::optional<Record> record;
    readVCards(bytes, [&](const VCard& read) {
        if (!card) {
            card = read;
            record = recordFromCard(read, prefix).record;
        }
    });
    return record;
}

BookStamp stampOf(const QString& path)
{
    const QFileInfo file(path);
    return {file.size(), file.lastModified().toMSecsSinceEpoch(),
            file.metadataChangeTime().toMSecsSinceEpoch()};
}

struct PlannedPull
{
    QString failure; // the book could not be read
    PullPlan plan;
    BookStamp stamp;
};

// Runs on a worker thread: reads nothing but the book file, shares nothing.
PlannedPull planInWorker(const QString& bookPath, const QHash<QString, SyncEntry>& entries,
                         const QList<RemoteCard>& cards, const QStringList& removed,
                         const QString& prefix)
{
    PlannedPull done;
    done.stamp = stampOf(bookPath);
    const Result<QList<Record>> local = PhoneBookFile(bookPath).records();
    if (!local) {
        done.failure = local.error();
        return done;
    }
    done.plan = planPull(*local, entries, cards, removed, prefix);
    return done;
}

// Hands a worker's result to done on the owner's thread. QFuture::then(context) runs its
// continuation at once, inside the caller, when the work has already finished, and may post to
// an owner being destroyed; a watcher owned by the owner always waits for the event loop and
// dies with it.
template <typename Result, typename Done>
void whenFinished(QObject* owner, QFuture<Result> future, Done done)
{
    auto* watcher = new QFutureWatcher<Result>(owner);
    QObject::connect(watcher, &QFutureWatcher<Result>::finished, owner,
                     [watcher, done = std::move(done)]() mutable {
                         watcher->deleteLater();
                         done(watcher->result());
                     });
    watcher->setFuture(std::move(future));
}

// Runs on a worker thread, so that a large answer is read away from the window; each response
// is let go of as soon as its card is kept.
Listing listingOf(DavReply reply, const QString& addressBookUrl)
{
    Listing listing;
    const auto take = [&](DavResource&& resource) {
        const std::optional<QString> under = hrefUnder(addressBookUrl, resource.href);
        if (!under) {
            listing.outside.append(resource.href); // the address book itself among them
            return;
        }
        const QString& href = *under;
        const QString etag = resource.properties.value(QStringLiteral("getetag")).text.trimmed();
        const auto card = resource.properties.constFind(QStringLiteral("address-data"));
        if (resource.status == 404) {
            listing.removed.append(href);
        } else if (card != resource.properties.cend() && !card->text.isEmpty()) {
            listing.cards.append({href, etag, card->text.toUtf8()});
            if (listing.largest < 0 ||
                listing.cards.back().card.size() > listing.cards.at(listing.largest).card.size()) {
                listing.largest = listing.cards.size() - 1;
            }
        } else {
            listing.etags.insert(href, etag);
        }
    };
    const std::optional<QString> token =
        reply.status == 207 ? readMultistatus(reply.body, take) : std::nullopt;
    listing.answered = token.has_value();
    listing.token = token.value_or(QString());
    return listing;
}

QString quotedList(const QStringList& names)
{
    constexpr qsizetype kNamed = 10;
    QStringList quoted;
    for (const QString& name : names.first(std::min(kNamed, names.size()))) {
        quoted.append(u'"' + name + u'"');
    }
    if (names.size() > kNamed) {
        quoted.append(BookSync::tr("and %1 more").arg(names.size() - kNamed));
    }
    return quoted.join(QStringLiteral(", "));
}

} // namespace

QString SyncReport::counts() const
{
    QString text = BookSync::tr("%1 received, %2 removed here, %3 sent, %4 removed on the server.")
                       .arg(received)
                       .arg(removedHere)
                       .arg(sent)
                       .arg(removedThere);
    if (!untaken.isEmpty()) {
        text += untaken.size() == 1
                    ? BookSync::tr(" 1 card could not be taken.")
                    : BookSync::tr(" %1 cards could not be taken.").arg(untaken.size());
    }
    return text;
}

QString SyncReport::summary() const
{
    QString text = counts();
    for (const QString& note : notes) {
        text += u' ' + note;
    }
    if (!localCopies.isEmpty()) {
        text += BookSync::tr(" Changed on both sides, the server's version was taken; yours "
                             "was kept as: %1.")
                    .arg(localCopies.join(QStringLiteral(", ")));
    }
    if (!untaken.isEmpty()) {
        text += BookSync::tr(" Cards without a name a record can have (a name made only of "
                             "digits or \")\" is none): %1.")
                    .arg(quotedList(untaken));
    }
    if (!outside.isEmpty()) {
        constexpr qsizetype kNamed = 5;
        QStringList named;
        for (const QString& href : outside.first(std::min(kNamed, outside.size()))) {
            named.append(shownHref(href));
        }
        text += BookSync::tr(" Ignored, as outside the address book: %1%2.")
                    .arg(named.join(QStringLiteral(", ")),
                         outside.size() > kNamed
                             ? BookSync::tr(" and %1 more").arg(outside.size() - kNamed)
                             : QString());
    }
    if (!notSent.isEmpty()) {
        text += BookSync::tr(" Not sent, as no well-formed card could be written for them: %1.")
                    .arg(notSent.join(QStringLiteral(", ")));
    }
    return text;
}

BookSync::BookSync(QString bookPath, const QString& password, QString internationalPrefix,
                   QObject* parent)
    : QObject(parent), bookPath_(std::move(bookPath)), statePath_(SyncState::pathFor(bookPath_)),
      prefix_(std::move(internationalPrefix)), password_(password)
{
}

void BookSync::start()
{
    const Result<std::optional<SyncState>> state = SyncState::load(statePath_);
    if (!state) {
        return fail(state.error());
    }
    if (!*state) {
        return fail(tr("This phone book is not linked to a server."));
    }
    state_ = **state;
    stateStamp_ = BookIdentity::of(statePath_);
    // Left by an earlier run: a card of that name now may be anyone's.
    dirty_ = !std::exchange(state_.deletedNames, {}).isEmpty();
    if (!state_.damage.isEmpty()) {
        startAfresh(state_.damage);
    } else if (!state_.freshReason.isEmpty()) {
        startAfresh(SyncText::tr(state_.freshReason.toUtf8().constData())); // stored in English
    } else if (const std::optional<QString> why = anotherBook()) {
        startAfresh(*why);
    }
    client_ = new DavClient(QUrl(state_.url), state_.user, password_, limits_, this);
    connect(client_, &DavClient::passwordRefused, this, [this] { report_.passwordRefused = true; });
    collectionPath_ = QUrl(state_.url).path(QUrl::FullyEncoded);
    if (!collectionPath_.endsWith(u'/')) {
        collectionPath_ += u'/';
    }
    dropEntriesOutside();
    checkCtag();
}

// A state file edited elsewhere never names what is fetched or deleted outside the book.
void BookSync::dropEntriesOutside()
{
    QHash<QString, SyncEntry> kept;
    for (SyncEntry entry : std::as_const(state_.entries)) {
        if (const std::optional<QString> href = hrefOf(entry.href)) {
            entry.href = *href;
            kept.insert(entry.href, entry);
        }
    }
    state_.entries = std::move(kept);
    QSet<QString> deleted;
    for (const QString& href : std::as_const(state_.deleted)) {
        if (const std::optional<QString> under = hrefUnder(state_.url, href)) {
            deleted.insert(*under);
        }
    }
    state_.deleted = std::move(deleted);
}

// Why the book file is not the one the last sync left, or nullopt. A file that only changed
// is the same book edited; one older than then, or holding none of the records the server
// gave and the user did not delete, was put there in its place.
std::optional<QString> BookSync::anotherBook() const
{
    const std::optional<BookIdentity> now = BookIdentity::of(bookPath_);
    if (!state_.book || !now || *now == *state_.book) {
        return std::nullopt;
    }
    if (now->modified < state_.book->modified) {
        return tr("The phone book file is older than at the last sync");
    }
    QSet<QString> kept;
    for (const SyncEntry& entry : std::as_const(state_.entries)) {
        if (!entry.name.isEmpty() && !state_.deleted.contains(entry.href)) {
            kept.insert(entry.name);
        }
    }
    const Result<QList<Record>> local = PhoneBookFile(bookPath_).records();
    if (kept.isEmpty() || !local) {
        return std::nullopt;
    }
    const bool anyKept = std::any_of(local->cbegin(), local->cend(), [&kept](const Record& record) {
        return kept.contains(record.name.toLower().trimmed());
    });
    return anyKept ? std::nullopt
                   : std::optional(tr("The phone book holds none of the records of "
                                      "the last sync"));
}

void BookSync::startAfresh(const QString& why)
{
    state_.startAfresh({});
    report_.notes.append(tr("%1: both sides were merged afresh and nothing was deleted.").arg(why));
    dirty_ = true;
}

void BookSync::checkCtag()
{
    // After our own push, the listing starts from before it: it names our cards (their ETags
    // known) and whatever others changed meanwhile.
    listToken_ = state_.token.isEmpty() ? tokenBeforePush_ : state_.token;
    tokenBeforePush_.clear();
    pushedThisRound_ = false;
    client_->query("PROPFIND", QUrl(state_.url), 0, kCtagQuery, [this](const DavReply& reply) {
        if (reply.status == 401 || reply.status == 0) {
            return fail(failureText(reply));
        }
        const auto answer = reply.status == 207 ? parseMultistatus(reply.body) : std::nullopt;
        const QString ctag = answer && !answer->resources.isEmpty()
                                 ? answer->resources.front()
                                       .properties.value(QStringLiteral("getctag"))
                                       .text.trimmed()
                                 : QString();
        const bool unchanged = !ctag.isEmpty() && ctag == state_.ctag && !state_.token.isEmpty();
        newCtag_ = ctag; // kept with the token once the pull is in the book
        if (unchanged) {
            fetched_.clear();
            return listed({}, {}, false, state_.token); // nothing new there: only the push
        }
        listChanges();
    });
}

// The href as a card's path in the address book; nullopt, reported, when it leads elsewhere.
std::optional<QString> BookSync::hrefOf(const QString& href)
{
    if (std::optional<QString> under = hrefUnder(state_.url, href)) {
        return under;
    }
    const QString path = QUrl(state_.url).resolved(QUrl(href)).path(QUrl::FullyEncoded);
    const bool collection = path == collectionPath_ || path + u'/' == collectionPath_;
    if (!collection && !outsideSeen_.contains(href)) {
        outsideSeen_.insert(href);
        report_.outside.append(href);
    }
    return std::nullopt;
}

QUrl BookSync::urlOf(const QString& href) const
{
    return QUrl(state_.url).resolved(QUrl(href));
}

bool BookSync::failed(const DavReply& reply)
{
    if (reply.status == 0 || reply.status == 401 || reply.status >= 500) {
        fail(failureText(reply));
        return true;
    }
    return false;
}

void BookSync::listChanges()
{
    const QString token = listToken_;
    const bool withCards = token.isEmpty() && state_.entries.isEmpty();
    client_->query("REPORT", QUrl(state_.url), 0, syncQuery(token, withCards),
                   [this, token](const DavReply& reply) {
                       if (reply.status == 401 || reply.status == 0) {
                           return fail(failureText(reply));
                       }
                       whenFinished(this, QtConcurrent::run(listingOf, reply, state_.url),
                                    [this, token](Listing listing) {
                                        listedChanges(std::move(listing), token);
                                    });
                   });
}

void BookSync::listedChanges(Listing listing, const QString& token)
{
    if (!listing.answered) {
        // A token the server forgot, or no sync-collection at all: compare every ETag.
        if (!token.isEmpty() && !retriedToken_) {
            retriedToken_ = true;
            listToken_.clear();
            return listChanges();
        }
        return listByEtags();
    }
    if (!taken(listing)) {
        return;
    }
    fetched_ = std::move(listing.cards);
    listed(listing.etags, listing.removed, token.isEmpty(), listing.token);
}

// Reports the hrefs that lead elsewhere; false, the sync ended, when a card is too large.
bool BookSync::taken(const Listing& listing)
{
    for (const QString& href : listing.outside) {
        hrefOf(href);
    }
    if (listing.largest >= 0) {
        const RemoteCard& largest = listing.cards.at(listing.largest);
        if (const auto big =
                client_->oversizedCard(largest.href, QString::fromUtf8(largest.card))) {
            fail(*big);
            return false;
        }
    }
    return true;
}

void BookSync::listByEtags()
{
    client_->query("PROPFIND", QUrl(state_.url), 1, kEtagQuery, [this](const DavReply& reply) {
        DavReply failure = reply;
        failure.body.clear();
        whenFinished(this, QtConcurrent::run(listingOf, reply, state_.url),
                     [this, failure](Listing listing) {
                         if (!listing.answered) {
                             return fail(failure.status == 404 || failure.ok()
                                             ? tr("%1 is not an address book.").arg(state_.url)
                                             : failureText(failure));
                         }
                         if (!taken(listing)) {
                             return;
                         }
                         fetched_.clear();
                         listed(listing.etags, {}, true, {});
                     });
    });
}

void BookSync::listed(const QHash<QString, QString>& etags, QStringList removed, bool complete,
                      const QString& token)
{
    if (complete) {
        QSet<QString> present(etags.keyBegin(), etags.keyEnd());
        for (const RemoteCard& card : std::as_const(fetched_)) {
            present.insert(card.href);
        }
        for (const SyncEntry& entry : std::as_const(state_.entries)) {
            if (!present.contains(entry.href)) {
                removed.append(entry.href);
            }
        }
    }
    QStringList changed;
    for (auto it = etags.cbegin(); it != etags.cend(); ++it) {
        const auto entry = state_.entries.constFind(it.key());
        if (entry == state_.entries.cend() || it.value().isEmpty() || entry->etag != it.value()) {
            changed.append(it.key());
        }
    }
    fetchCards(changed, removed, token);
}

void BookSync::fetchCards(QStringList hrefs, const QStringList& removed, const QString& token)
{
    toFetch_ = std::move(hrefs);
    removed_ = removed;
    newToken_ = token;
    fetchBatch();
}

void BookSync::fetchBatch()
{
    if (toFetch_.isEmpty()) {
        return applyPull();
    }
    const QStringList batch = toFetch_.first(std::min<qsizetype>(kBatch, toFetch_.size()));
    client_->query("REPORT", QUrl(state_.url), 1, multigetQuery(batch),
                   [this, batch](const DavReply& reply) {
                       if (failed(reply)) {
                           return;
                       }
                       whenFinished(this, QtConcurrent::run(listingOf, reply, state_.url),
                                    [this, batch](Listing listing) {
                                        fetchedBatch(std::move(listing), batch);
                                    });
                   });
}

void BookSync::fetchedBatch(Listing listing, const QStringList& batch)
{
    if (!listing.answered) {
        return fetchOneByOne(); // no addressbook-multiget: plain GETs
    }
    if (!taken(listing)) {
        return;
    }
    fetched_ += std::move(listing.cards);
    removed_ += listing.removed;
    toFetch_.remove(0, batch.size());
    fetchBatch();
}

void BookSync::fetchOneByOne()
{
    if (toFetch_.isEmpty()) {
        return applyPull();
    }
    const QString href = toFetch_.takeFirst();
    client_->getCard(urlOf(href), [this, href](const DavReply& reply) {
        if (failed(reply)) {
            return;
        }
        if (reply.status == 404 || reply.status == 410) {
            removed_.append(href);
        } else if (reply.ok()) {
            fetched_.append({href, reply.etag, reply.body});
        }
        fetchOneByOne();
    });
}

void BookSync::applyPull()
{
    if (fetched_.isEmpty() && removed_.isEmpty()) {
        dirty_ = dirty_ || state_.token != newToken_ || state_.ctag != newCtag_;
        state_.token = newToken_;
        state_.ctag = newCtag_;
        return push(); // nothing new on the server: the book is not even read
    }
    dirty_ = true;
    // Reading the cards and planning run away from the window; the book is written here, and
    // only if nobody wrote it meanwhile.
    whenFinished(
        this,
        QtConcurrent::run(planInWorker, bookPath_, state_.entries, fetched_, removed_, prefix_),
        [this](PlannedPull done) {
            if (!done.failure.isEmpty()) {
                return fail(done.failure);
            }
            planned(std::move(done.plan), done.stamp);
        });
}

void BookSync::planned(PullPlan plan, const BookStamp& stamp)
{
    if (stampOf(bookPath_) != stamp) {
        if (++replans_ > kReplans) {
            return fail(tr("The phone book kept changing during the sync; the "
                           "server's changes come at the next sync."));
        }
        return applyPull();
    }
    // A card changed there since it was deleted here comes back: the change wins.
    for (const RemoteCard& card : std::as_const(fetched_)) {
        if (state_.deleted.remove(card.href)) {
            doneDeletes_.insert(card.href);
        }
    }
    settleRenames(plan);
    fetched_.clear();
    const PhoneBookFile book(bookPath_);
    if (!plan.store.isEmpty() || !plan.remove.isEmpty()) {
        if (const Status written = book.update(plan.store, plan.remove); !written) {
            return fail(written.error());
        }
        emit bookRewritten();
    }
    // The book first, then the state: a state never claims what the book does not hold.
    state_.entries = std::move(plan.entries);
    state_.token = newToken_;
    state_.ctag = newCtag_;
    if (const Status saved = saveState(); !saved) {
        return fail(saved.error());
    }
    received_.unite(QSet<QString>(plan.received.cbegin(), plan.received.cend()));
    removedHere_.unite(QSet<QString>(plan.removed.cbegin(), plan.removed.cend()));
    report_.received = int(received_.size());
    report_.removedHere = int(removedHere_.size());
    report_.localCopies += plan.localCopies;
    report_.untaken += plan.untaken;
    push();
}

void BookSync::push()
{
    const Result<QList<Record>> local = PhoneBookFile(bookPath_).records();
    if (!local) {
        return fail(local.error());
    }
    takeNotesFromFile();
    resolveDeletedNames();
    PushPlan plan = planPush(*local, state_, collectionPath_);
    anotherRound_ = false;
    sinceSaved_ = 0;
    forgetMissing(plan.missing);
    if (holdsMassDelete(plan.items)) {
        return fail(tr("This sync would remove %1 of the %2 cards from the server; "
                       "nothing was sent or removed.")
                        .arg(report_.heldDeletes)
                        .arg(state_.entries.size()));
    }
    toPush_ = std::move(plan.items);
    if (toPush_.isEmpty()) {
        return finish();
    }
    if (!pushedThisRound_) {
        pushedThisRound_ = true;
        changedThere_ = false;
        tokenBeforePush_ = state_.token;
        ctagBeforePush_ = state_.ctag;
        state_.token.clear();
        state_.ctag.clear();
        dirty_ = true;
    }
    for (int i = 0; i < kParallel; ++i) {
        pushNext();
    }
}

void BookSync::pushNext()
{
    if (toPush_.isEmpty() || !failure_.isEmpty()) {
        return;
    }
    const PushItem item = toPush_.takeFirst();
    ++inFlight_;
    switch (item.kind) {
    case PushItem::Kind::create:
        return createCard(item);
    case PushItem::Kind::update:
        return updateCard(item);
    case PushItem::Kind::remove:
        return removeCard(item);
    }
}

void BookSync::pushed()
{
    --inFlight_;
    if (++sinceSaved_ >= kSaveEvery) {
        sinceSaved_ = 0;
        if (const Status saved = saveState(); !saved) {
            fail(saved.error());
        }
    }
    pushNext();
    if (inFlight_ == 0 && (toPush_.isEmpty() || !failure_.isEmpty())) {
        finish();
    }
}

void BookSync::storeEntry(const PushItem& item, const QString& etag)
{
    dirty_ = true;
    changedThere_ = true;
    const QString name = item.record.name.toLower().trimmed();
    const auto old = state_.entries.constFind(item.href);
    const QString cardName =
        old != state_.entries.cend() && old->name == name ? old->cardName : QString();
    state_.entries.insert(item.href,
                          {item.href, etag, name, recordFingerprint(item.record), cardName});
    if (state_.deleted.remove(item.href)) {
        doneDeletes_.insert(item.href);
    }
    if (state_.renamedFrom.remove(name) > 0) {
        doneRenames_.insert(name);
    }
    if (item.kind == PushItem::Kind::create) {
        createdHere_.insert(item.href);
    }
    ++report_.sent;
}

void BookSync::createCard(const PushItem& item)
{
    const QByteArray card =
        cardFromRecord(item.record, VCardVersion::v30, {prefix_, QDateTime::currentDateTimeUtc()});
    if (!readsBackAs(card, item.record, prefix_)) {
        noteNotSent(item.record.name);
        return QTimer::singleShot(0, this, &BookSync::pushed); // never deeper for each refusal
    }
    client_->send("PUT", urlOf(item.href), card,
                  {{"Content-Type", "text/vcard; charset=utf-8"}, {"If-None-Match", "*"}},
                  [this, item](const DavReply& reply) {
                      if (reply.ok()) {
                          storeEntry(item, reply.etag);
                      } else if (reply.status == 412) {
                          anotherRound_ = true; // a card there already: the pull settles it
                      } else {
                          fail(failureText(reply));
                      }
                      pushed();
                  });
}

void BookSync::updateCard(const PushItem& item)
{
    // The stored card is read again so that what the record cannot hold stays on it.
    client_->getCard(urlOf(item.href), [this, item](const DavReply& got) {
        if (!got.ok() || (!got.etag.isEmpty() && !item.etag.isEmpty() && got.etag != item.etag)) {
            if (got.status == 404 || got.ok()) {
                anotherRound_ = true; // changed or removed on the server meanwhile
            } else {
                fail(failureText(got));
            }
            return pushed();
        }
        std::optional<VCard> card;
        const std::optional<Record> base = recordOfCard(got.body, prefix_, card);
        // The " (2)" that tells two cards of one name apart here is not the card's.
        const Record onCard = recordAsOnCard(item.record, state_.entries.value(item.href));
        const std::optional<QByteArray> body =
            card && base ? mergedCard(*card, *base, onCard, prefix_)
                         : cardFromRecord(onCard, VCardVersion::v30,
                                          {prefix_, QDateTime::currentDateTimeUtc()});
        if (!body || !readsBackAs(*body, onCard, prefix_)) {
            noteNotSent(item.record.name);
            return pushed();
        }
        Headers headers{{"Content-Type", "text/vcard; charset=utf-8"}};
        if (const QString etag = got.etag.isEmpty() ? item.etag : got.etag; !etag.isEmpty()) {
            headers.append({"If-Match", etag.toUtf8()});
        }
        client_->send("PUT", urlOf(item.href), *body, headers, [this, item](const DavReply& reply) {
            if (reply.ok()) {
                storeEntry(item, reply.etag);
            } else if (reply.status == 412) {
                anotherRound_ = true;
            } else {
                fail(failureText(reply));
            }
            pushed();
        });
    });
}

// Named once, however many rounds of this sync tried it.
void BookSync::noteNotSent(const QString& name)
{
    if (!notSentSeen_.contains(name)) {
        notSentSeen_.insert(name);
        report_.notSent.append(name);
    }
}

void BookSync::removeCard(const PushItem& item)
{
    Headers headers;
    if (!item.etag.isEmpty()) {
        headers.append({"If-Match", item.etag.toUtf8()});
    }
    client_->send("DELETE", urlOf(item.href), {}, headers, [this, item](const DavReply& reply) {
        if (reply.ok() || reply.status == 404 || reply.status == 410) {
            state_.entries.remove(item.href);
            state_.deleted.remove(item.href);
            doneDeletes_.insert(item.href);
            dirty_ = true;
            changedThere_ = true;
            ++report_.removedThere;
        } else if (reply.status == 412) {
            anotherRound_ = true; // changed there since: the pull brings it back
        } else {
            fail(failureText(reply));
        }
        pushed();
    });
}

// Records that left the book without being deleted here are fetched again, never deleted:
// their entries go, and a full listing in the next round finds their cards new.
void BookSync::forgetMissing(const QStringList& hrefs)
{
    if (hrefs.isEmpty()) {
        return;
    }
    for (const QString& href : hrefs) {
        state_.entries.remove(href);
    }
    state_.token.clear();
    state_.ctag.clear();
    dirty_ = true;
    anotherRound_ = true;
}

bool BookSync::holdsMassDelete(const QList<PushItem>& items)
{
    const auto removals = std::count_if(items.cbegin(), items.cend(), [](const PushItem& item) {
        return item.kind == PushItem::Kind::remove;
    });
    if (allowMassDelete_ || removals <= kMassDelete || removals * 4 <= state_.entries.size()) {
        return false;
    }
    report_.heldDeletes = int(removals);
    return true;
}

// A record renamed here whose old card the pull just brought back (changed there meanwhile):
// the server's version keeps the old name, the renamed record becomes a card of its own, and
// the user is told as for any change made on both sides.
void BookSync::settleRenames(const PullPlan& plan)
{
    QSet<QString> stored;
    for (const Record& record : plan.store) {
        stored.insert(record.name.toLower().trimmed());
    }
    for (auto it = state_.renamedFrom.begin(); it != state_.renamedFrom.end();) {
        if (stored.contains(it.value())) {
            doneRenames_.insert(it.key());
            report_.localCopies.append(it.key());
            it = state_.renamedFrom.erase(it);
        } else {
            ++it;
        }
    }
}

// The window notes deletions and renames in the state file while a sync runs; they are taken
// in before this run's state overwrites the file, so none is lost.
void BookSync::takeNotesFromFile()
{
    if (BookIdentity::of(statePath_) == stateStamp_) {
        return;
    }
    const Result<std::optional<SyncState>> onDisk = SyncState::load(statePath_);
    if (!onDisk || !*onDisk) {
        return;
    }
    for (const QString& href : std::as_const((*onDisk)->deleted)) {
        if (!doneDeletes_.contains(href) && state_.entries.contains(href)) {
            state_.deleted.insert(href);
        }
    }
    namesDeleted_ += (*onDisk)->deletedNames;
    const QHash<QString, QString>& renamed = (*onDisk)->renamedFrom;
    for (auto it = renamed.cbegin(); it != renamed.cend(); ++it) {
        if (!doneRenames_.contains(it.key())) {
            state_.renamedFrom.insert(it.key(), it.value());
        }
    }
    dirty_ = true;
}

// A record deleted while this run was sending it: its card, once recorded, is deleted like any
// other. Only cards this run created count, never one another device made under that name.
void BookSync::resolveDeletedNames()
{
    if (namesDeleted_.isEmpty()) {
        return;
    }
    for (const QString& href : std::as_const(createdHere_)) {
        const auto entry = state_.entries.constFind(href);
        if (entry != state_.entries.cend() && namesDeleted_.remove(entry->name)) {
            state_.deleted.insert(href);
        }
    }
}

Status BookSync::saveState()
{
    takeNotesFromFile();
    resolveDeletedNames();
    state_.book = BookIdentity::of(bookPath_);
    const Status saved = state_.save(statePath_);
    if (saved) {
        stateStamp_ = BookIdentity::of(statePath_);
    }
    return saved;
}

void BookSync::fail(const QString& message)
{
    if (failure_.isEmpty()) {
        failure_ = message;
    }
    if (inFlight_ == 0) {
        finish();
    }
}

void BookSync::finish()
{
    if (done_) {
        return;
    }
    if (pushedThisRound_ && !changedThere_ && failure_.isEmpty()) {
        // Every card was refused: the address book is as it was, and so are its ctag and token.
        pushedThisRound_ = false;
        state_.token = tokenBeforePush_;
        state_.ctag = ctagBeforePush_;
    }
    if (dirty_ || BookIdentity::of(bookPath_) != state_.book) {
        dirty_ = false;
        // What was pushed before a failure is kept, so the next sync does not send it again.
        if (const Status saved = saveState(); !saved && failure_.isEmpty()) {
            failure_ = saved.error();
        }
    }
    if (failure_.isEmpty() && (anotherRound_ || pushedThisRound_) && ++round_ < kRounds) {
        return checkCtag();
    }
    done_ = true;
    emit finished(failure_.isEmpty() ? Status::success() : Status::failure(failure_), report_);
}

} // namespace vennor::carddav
