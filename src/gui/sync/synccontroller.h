// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sync/booksync.h"
#include "sync/passwords.h"

#include <QObject>
#include <QPointer>
#include <optional>

class QMainWindow;

namespace vennor {

class RecordHost;
class StatusLine;

// The sync of the default phone book in the window: Tools > Link to Server... and Sync Now,
// a sync at start, after every save and delete, and a status text saying whether a sync runs,
// ended or failed and why. Network work runs in the background; the window never waits.
class SyncController : public QObject
{
    Q_OBJECT

public:
    SyncController(RecordHost& host, carddav::PasswordSource& passwords);

    // Starts a sync of the default book when it is linked (after the running one, if any).
    // Asked by the user, an unlinked book or a failure is also told in a message box.
    void syncNow(bool asked = false);
    // Links the default book through the link dialog, or offers to unlink a linked one.
    void linkCommand();

    bool running() const { return run_ != nullptr; }
    QString statusText() const;

signals:
    // A sync ended, well or not.
    void syncEnded();

private:
    struct Linked
    {
        QString book;
        QString path;
        SyncState state;
    };
    std::optional<Linked> linkedBook(bool asked);
    void start(const Linked& linked, const QString& password, bool asked);
    void ended(const Status& outcome, const carddav::SyncReport& report, bool asked);
    void askMassDelete(int cards, bool asked);
    void bookRewritten();
    void link(const QString& book, const QString& path);
    void linked(const QString& path, const SyncState& state, const QString& password);
    void unlink(const Linked& linked);
    void setStatus(const QString& text);

    RecordHost& host_;
    carddav::PasswordSource& passwords_;
    QPointer<carddav::BookSync> run_;
    QPointer<carddav::DavClient> finder_;
    StatusLine* status_ = nullptr;
    bool again_ = false;           // a sync was asked for while one ran
    bool againAsked_ = false;      // … by the user
    bool refillLater_ = false;     // the book changed while the user was editing a record
    bool noKeyring_ = false;       // the password given when linking lives only in this run
    bool allowMassDelete_ = false; // the user let the next sync remove many cards at once
};

// Asks for a password in a box over the window: where there is no keyring.
carddav::KeyringPasswords::Asker passwordPrompt(QWidget* window);

} // namespace vennor
