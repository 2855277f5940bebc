#include "carddav/booksync.h"

#include "carddav/multistatus.h"
#include "storage/phonebook.h"
#include "storage/vcardmapping.h"
#include "storage/vcardmerge.h"

#include <QSet>
#include <QTimer>

namespace vennor::carddav {
namespace {

constexpr int kBatch = 250;     // cards asked for in one addressbook-multiget
constexpr int kParallel = 6;    // requests under way at once while pushing
constexpr int kSaveEvery = 200; // pushed cards between two writes of the state file
constexpr int kRounds = 3;      // pulls and pushes when the server changed in between

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

} // namespace

QString SyncReport::counts() const
{
    return QStringLiteral("%1 received, %2 removed here, %3 sent, %4 removed on the server.")
        .arg(received)
        .arg(removedHere)
        .arg(sent)
        .arg(removedThere);
}

QString SyncReport::summary() const
{
    QString text = counts();
    if (!localCopies.isEmpty()) {
        text += QStringLiteral(" Changed on both sides, the server's version was taken; yours was "
                               "kept as: %1.")
                    .arg(localCopies.join(QStringLiteral(", ")));
    }
    if (!notSent.isEmpty()) {
        text += QStringLiteral(" Not sent, as no well-formed card could be written for them: %1.")
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
        return fail(QStringLiteral("This phone book is not linked to a server."));
    }
    state_ = **state;
    client_ = new DavClient(state_.user, password_, this);
    collectionPath_ = QUrl(state_.url).path(QUrl::FullyEncoded);
    if (!collectionPath_.endsWith(u'/')) {
        collectionPath_ += u'/';
    }
    checkCtag();
}

void BookSync::checkCtag()
{
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

QString BookSync::hrefOf(const QString& href) const
{
    return QUrl(state_.url).resolved(QUrl(href)).path(QUrl::FullyEncoded);
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
    const QString token = state_.token;
    const bool withCards = token.isEmpty() && state_.entries.isEmpty();
    client_->query("REPORT", QUrl(state_.url), 0, syncQuery(token, withCards),
                   [this, token](const DavReply& reply) {
                       if (reply.status == 401 || reply.status == 0) {
                           return fail(failureText(reply));
                       }
                       const auto answer =
                           reply.status == 207 ? parseMultistatus(reply.body) : std::nullopt;
                       if (!answer) {
                           // A token the server forgot, or no sync-collection at all: compare every
                           // ETag.
                           if (!token.isEmpty() && !retriedToken_) {
                               retriedToken_ = true;
                               state_.token.clear();
                               return listChanges();
                           }
                           return listByEtags();
                       }
                       QHash<QString, QString> etags;
                       QStringList removed;
                       fetched_.clear();
                       for (const DavResource& resource : answer->resources) {
                           const QString href = hrefOf(resource.href);
                           if (href == collectionPath_) {
                               continue;
                           }
                           const QString etag =
                               resource.properties.value(QStringLiteral("getetag")).text.trimmed();
                           const auto card =
                               resource.properties.constFind(QStringLiteral("address-data"));
                           if (resource.status == 404) {
                               removed.append(href);
                           } else if (card != resource.properties.cend() && !card->text.isEmpty()) {
                               fetched_.append({href, etag, card->text.toUtf8()});
                           } else {
                               etags.insert(href, etag);
                           }
                       }
                       listed(etags, removed, token.isEmpty(), answer->syncToken);
                   });
}

void BookSync::listByEtags()
{
    client_->query("PROPFIND", QUrl(state_.url), 1, kEtagQuery, [this](const DavReply& reply) {
        const auto answer = reply.status == 207 ? parseMultistatus(reply.body) : std::nullopt;
        if (!answer) {
            return fail(reply.status == 404 || reply.ok()
                            ? QStringLiteral("%1 is not an address book.").arg(state_.url)
                            : failureText(reply));
        }
        QHash<QString, QString> etags;
        for (const DavResource& resource : answer->resources) {
            if (const QString href = hrefOf(resource.href); href != collectionPath_) {
                etags.insert(href,
                             resource.properties.value(QStringLiteral("getetag")).text.trimmed());
            }
        }
        fetched_.clear();
        listed(etags, {}, true, {});
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
    client_->query(
        "REPORT", QUrl(state_.url), 1, multigetQuery(batch), [this, batch](const DavReply& reply) {
            if (failed(reply)) {
                return;
            }
            const auto answer = reply.status == 207 ? parseMultistatus(reply.body) : std::nullopt;
            if (!answer) {
                return fetchOneByOne(); // no addressbook-multiget: plain GETs
            }
            for (const DavResource& resource : answer->resources) {
                const QString href = hrefOf(resource.href);
                const auto data = resource.properties.constFind(QStringLiteral("address-data"));
                if (data != resource.properties.cend()) {
                    fetched_.append(
                        {href, resource.properties.value(QStringLiteral("getetag")).text.trimmed(),
                         data->text.toUtf8()});
                } else if (resource.status == 404) {
                    removed_.append(href);
                }
            }
            toFetch_.remove(0, batch.size());
            fetchBatch();
        });
}

void BookSync::fetchOneByOne()
{
    if (toFetch_.isEmpty()) {
        return applyPull();
    }
    const QString href = toFetch_.takeFirst();
    client_->send("GET", urlOf(href), {}, {}, [this, href](const DavReply& reply) {
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
    const PhoneBookFile book(bookPath_);
    const Result<QList<Record>> local = book.records();
    if (!local) {
        return fail(local.error());
    }
    PullPlan plan = planPull(*local, state_.entries, fetched_, removed_, prefix_);
    fetched_.clear();
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
    if (const Status saved = state_.save(statePath_); !saved) {
        return fail(saved.error());
    }
    report_.received += plan.received;
    report_.removedHere += plan.removed;
    report_.localCopies += plan.localCopies;
    push();
}

void BookSync::push()
{
    const Result<QList<Record>> local = PhoneBookFile(bookPath_).records();
    if (!local) {
        return fail(local.error());
    }
    toPush_ = planPush(*local, state_.entries, collectionPath_);
    anotherRound_ = false;
    sinceSaved_ = 0;
    if (toPush_.isEmpty()) {
        return finish();
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
        if (const Status saved = state_.save(statePath_); !saved) {
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
    const QString name = item.record.name.toLower().trimmed();
    state_.entries.insert(item.href, {item.href, etag, name, recordFingerprint(item.record)});
    ++report_.sent;
}

void BookSync::createCard(const PushItem& item)
{
    const QByteArray card =
        cardFromRecord(item.record, VCardVersion::v30, {prefix_, QDateTime::currentDateTimeUtc()});
    if (!readsBackAs(card, item.record, prefix_)) {
        report_.notSent.append(item.record.name);
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
    client_->send("GET", urlOf(item.href), {}, {}, [this, item](const DavReply& got) {
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
        const std::optional<QByteArray> body =
            card && base ? mergedCard(*card, *base, item.record, prefix_)
                         : cardFromRecord(item.record, VCardVersion::v30,
                                          {prefix_, QDateTime::currentDateTimeUtc()});
        if (!body || !readsBackAs(*body, item.record, prefix_)) {
            report_.notSent.append(item.record.name);
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

void BookSync::removeCard(const PushItem& item)
{
    Headers headers;
    if (!item.etag.isEmpty()) {
        headers.append({"If-Match", item.etag.toUtf8()});
    }
    client_->send("DELETE", urlOf(item.href), {}, headers, [this, item](const DavReply& reply) {
        if (reply.ok() || reply.status == 404 || reply.status == 410) {
            state_.entries.remove(item.href);
            dirty_ = true;
            ++report_.removedThere;
        } else if (reply.status == 412) {
            anotherRound_ = true; // changed there since: the pull brings it back
        } else {
            fail(failureText(reply));
        }
        pushed();
    });
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
    if (dirty_) {
        dirty_ = false;
        // What was pushed before a failure is kept, so the next sync does not send it again.
        if (const Status saved = state_.save(statePath_); !saved && failure_.isEmpty()) {
            failure_ = saved.error();
        }
    }
    if (failure_.isEmpty() && anotherRound_ && ++round_ < kRounds) {
        return checkCtag();
    }
    done_ = true;
    emit finished(failure_.isEmpty() ? Status::success() : Status::failure(failure_), report_);
}

} // namespace vennor::carddav
