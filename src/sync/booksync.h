// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"
#include "sync/davclient.h"
#include "sync/multistatus.h"
#include "sync/syncplan.h"
#include "sync/syncstate.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>

namespace vennor::carddav {

struct Listing;

// What tells that the book file was written: taken before it is read, compared before the
// plan made from that reading is written.
struct BookStamp
{
    qint64 size = -1;
    qint64 modified = 0;
    qint64 changed = 0;
    bool operator==(const BookStamp&) const = default;
};

// What one sync did.
struct SyncReport
{
    int received = 0;        // records added or changed in the book
    int removedHere = 0;     // records removed from the book
    int sent = 0;            // cards added or changed on the server
    int removedThere = 0;    // cards removed from the server
    QStringList localCopies; // records both sides changed, kept under these names
    QStringList untaken;     // cards with no name the book can file: their name, else their href
    QStringList notSent;     // records no well-formed card could be written for
    QStringList outside;     // hrefs ignored: they lead out of the address book
    QStringList notes;       // what else the user should know, such as a merge made afresh
    int heldDeletes = 0;     // cards not removed because so many at once needs leave
    bool passwordRefused = false; // the server refused the user name or password

    // "2 received, 0 removed here, 1 sent, 0 removed on the server.", and how many cards could
    // not be taken when there were any.
    QString counts() const;
    // The counts, then sentences naming the local copies, the cards not taken and the records
    // not sent, if any.
    QString summary() const;
};

// One two-way sync of a linked phone book with its address book: the server's changes are
// pulled into the book in one rewrite, then the book's changes are pushed card by card. The
// state file is written after the pull and every few pushed cards, and every step can be
// repeated, so a sync cut short anywhere is finished by the next one.
class BookSync : public QObject
{
    Q_OBJECT

public:
    BookSync(QString bookPath, const QString& password, QString internationalPrefix,
             QObject* parent = nullptr);
    void start();
    // Instead of those of vennor.ini.
    void setLimits(const SyncLimits& limits) { limits_ = limits; }
    // Lets the sync remove more than a few cards at once; without it such a sync stops first.
    void allowMassDelete(bool allowed) { allowMassDelete_ = allowed; }

signals:
    // The book file was rewritten with the server's changes.
    void bookRewritten();
    void finished(const vennor::Status& outcome, const vennor::carddav::SyncReport& report);

private:
    void checkCtag();
    void listChanges();
    void listedChanges(Listing listing, const QString& token);
    void fetchedBatch(Listing listing, const QStringList& batch);
    bool taken(const Listing& listing);
    void listByEtags();
    void listed(const QHash<QString, QString>& etags, QStringList removed, bool complete,
                const QString& token);
    void fetchCards(QStringList hrefs, const QStringList& removed, const QString& token);
    void fetchBatch();
    void fetchOneByOne();
    void applyPull();
    void planned(PullPlan plan, const BookStamp& stamp);
    void push();
    void pushNext();
    void pushed();
    void createCard(const PushItem& item);
    void updateCard(const PushItem& item);
    void removeCard(const PushItem& item);
    void noteNotSent(const QString& name);
    void storeEntry(const PushItem& item, const QString& etag);
    bool failed(const DavReply& reply);
    void fail(const QString& message);
    std::optional<QString> anotherBook() const;
    void startAfresh(const QString& why);
    void forgetMissing(const QStringList& hrefs);
    bool holdsMassDelete(const QList<PushItem>& items);
    void settleRenames(const PullPlan& plan);
    void takeNotesFromFile();
    void resolveDeletedNames();
    Status saveState();
    void finish();
    std::optional<QString> hrefOf(const QString& href);
    void dropEntriesOutside();
    QUrl urlOf(const QString& href) const;

    QString bookPath_;
    QString statePath_;
    QString prefix_;
    QString password_;
    SyncLimits limits_ = SyncLimits::fromSettings();
    SyncState state_;
    QPointer<DavClient> client_;
    QString collectionPath_;
    SyncReport report_;
    QSet<QString> outsideSeen_;
    int round_ = 0;
    bool anotherRound_ = false;
    bool retriedToken_ = false;
    QString failure_;
    bool done_ = false;
    bool dirty_ = false; // the state holds what its file does not yet
    bool allowMassDelete_ = false;
    // The state file as this run last left it: when it differs, the window wrote notes there.
    std::optional<BookIdentity> stateStamp_;
    QSet<QString> doneDeletes_; // deletions noted here that this run carried out or settled
    QSet<QString> doneRenames_;
    QSet<QString> createdHere_;  // cards this run created
    QSet<QString> namesDeleted_; // records deleted here with no card recorded yet

    // The pull in progress.
    QStringList toFetch_;
    QList<RemoteCard> fetched_;
    QStringList removed_;
    QString newToken_;
    QString newCtag_;
    QString listToken_; // the token the listing asks from
    int replans_ = 0;   // pulls planned again because the book changed meanwhile
    QSet<QString> received_, removedHere_, notSentSeen_;

    // Our own push changes the address book's ctag and token; those read before it must not
    // be kept, lest a later change that brings them back be missed.
    bool pushedThisRound_ = false;
    bool changedThere_ = false; // a card of this round's push was put or removed
    QString tokenBeforePush_;
    QString ctagBeforePush_;

    // The push in progress.
    QList<PushItem> toPush_;
    int inFlight_ = 0;
    int sinceSaved_ = 0;
};

} // namespace vennor::carddav
