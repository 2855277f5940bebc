// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/sync/synccontroller.h"

#include "cli/vcardcommands.h"
#include "core/phonebook.h"
#include "core/settingsfile.h"
#include "gui/recordhost.h"
#include "gui/sync/linkdialog.h"
#include "sync/addressbookfinder.h"
#include "sync/origin.h"
#include "widgets/messagebox.h"
#include "widgets/statusline.h"

#include <QAction>
#include <QFile>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTime>

namespace vennor {
namespace {

QString syncTitle()
{
    return SyncController::tr("Sync");
}

QString linkTitle()
{
    return SyncController::tr("Link to Server");
}

QAction* addCommand(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

carddav::KeyringPasswords::Asker passwordPrompt(QWidget* window)
{
    return [window](const QString& key) -> std::optional<QString> {
        bool given = false;
        const QString password = QInputDialog::getText(
            window, syncTitle(),
            SyncController::tr("No keyring holds the password for %1. Password:").arg(key),
            QLineEdit::Password, {}, &given);
        return given ? std::optional(password) : std::nullopt;
    };
}

SyncController::SyncController(RecordHost& host, carddav::PasswordSource& passwords)
    : host_(host), passwords_(passwords)
{
    if (auto* tools = host.window()->findChild<QMenu*>(QStringLiteral("tools"))) {
        tools->addSeparator();
        connect(addCommand(tools, "Link_server", tr("Link to Server...")), &QAction::triggered,
                this, &SyncController::linkCommand);
        connect(addCommand(tools, "Sync_now", tr("Sync Now")), &QAction::triggered, this,
                [this] { syncNow(true); });
    }
}

QString SyncController::statusText() const
{
    return status_ ? status_->message() : QString();
}

void SyncController::setStatus(const QString& text)
{
    if (!status_) {
        auto* window = qobject_cast<QMainWindow*>(host_.window());
        status_ = new StatusLine(window);
        status_->setObjectName(QStringLiteral("syncStatus"));
        window->statusBar()->addWidget(status_, 1);
    }
    status_->setMessage(text);
}

std::optional<SyncController::Linked> SyncController::linkedBook(bool asked)
{
    const Result<QString> book = chosenBook({});
    const PhoneBookFile file = PhoneBookFile::named(book ? *book : QString());
    if (!book || !file.exists()) {
        if (asked) {
            MessageBox::ok(host_.window(), tr("Create a phone book first."), syncTitle());
        }
        return std::nullopt;
    }
    const auto state = SyncState::load(SyncState::pathFor(file.path()));
    if (!state || !*state) {
        if (asked) {
            MessageBox::ok(host_.window(),
                           state ? tr("%1 is not linked to a server: use Tools > Link "
                                      "to Server... first.")
                                       .arg(*book)
                                 : state.error(),
                           syncTitle());
        }
        return std::nullopt;
    }
    return Linked{*book, file.path(), **state};
}

void SyncController::syncNow(bool asked)
{
    if (run_ || finder_) {
        again_ = true;
        againAsked_ = againAsked_ || asked;
        return;
    }
    const std::optional<Linked> linked = linkedBook(asked);
    if (!linked) {
        return;
    }
    setStatus(tr("Syncing %1 with the server...").arg(linked->book));
    const QString key = carddav::passwordKey(linked->state.url, linked->state.user);
    passwords_.fetch(key, [this, linked = *linked, asked](const std::optional<QString>& password) {
        if (!password) {
            setStatus(tr("Not synced: no password was given."));
            return;
        }
        start(linked, *password, asked);
    });
}

void SyncController::start(const Linked& linked, const QString& password, bool asked)
{
    run_ = new carddav::BookSync(linked.path, password, importPrefix(), this);
    run_->allowMassDelete(std::exchange(allowMassDelete_, false));
    connect(run_, &carddav::BookSync::bookRewritten, this, &SyncController::bookRewritten);
    const QString key = carddav::passwordKey(linked.state.url, linked.state.user);
    connect(run_, &carddav::BookSync::finished, this,
            [this, asked, key](const Status& outcome, const carddav::SyncReport& report) {
                if (report.passwordRefused) {
                    passwords_.forget(key); // the next sync asks again
                }
                ended(outcome, report, asked);
            });
    run_->start();
}

void SyncController::bookRewritten()
{
    // A record being edited is not thrown away: the lists follow once it is saved.
    if (host_.hasUnsavedChanges()) {
        refillLater_ = true;
    } else {
        host_.refillLists();
    }
}

void SyncController::ended(const Status& outcome, const carddav::SyncReport& report, bool asked)
{
    run_->deleteLater();
    run_ = nullptr;
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm"));
    if (!outcome && report.heldDeletes > 0) {
        return askMassDelete(report.heldDeletes, asked);
    }
    if (outcome) {
        setStatus(tr("Synced at %1: %2").arg(time, report.counts()) +
                  (report.notes.isEmpty() ? QString() : u' ' + report.notes.join(u' ')) +
                  (noKeyring_ ? tr(" No keyring: the password is kept until Vennor "
                                   "ends.")
                              : QString()));
    } else {
        setStatus(tr("Sync failed at %1: %2").arg(time, outcome.error()));
        if (asked) {
            MessageBox::show(host_.window(), {tr("The phone book was not synced."), syncTitle(),
                                              MessageBox::Buttons::Ok, outcome.error()});
        }
    }
    if (!report.localCopies.isEmpty()) {
        MessageBox::show(host_.window(), {tr("Some records were changed here and on the server."),
                                          syncTitle(), MessageBox::Buttons::Ok, report.summary()});
    }
    if (refillLater_ && !host_.hasUnsavedChanges()) {
        refillLater_ = false;
        host_.refillLists();
    }
    emit syncEnded();
    if (again_) {
        const bool againAsked = againAsked_;
        again_ = againAsked_ = false;
        syncNow(againAsked);
    }
}

// Many cards at once leave the server only when the user says so; until then nothing is sent.
void SyncController::askMassDelete(int cards, bool asked)
{
    const QString text = tr("This sync would remove %1 cards from the server, the records deleted "
                            "here. Remove them from the server?")
                             .arg(cards);
    const bool allowed =
        MessageBox::okCancel(host_.window(), text, syncTitle()) == MessageBox::Answer::Ok;
    setStatus(allowed ? tr("Syncing again...")
                      : tr("Not synced: %1 cards would have been removed from the "
                           "server.")
                            .arg(cards));
    if (refillLater_ && !host_.hasUnsavedChanges()) {
        refillLater_ = false;
        host_.refillLists();
    }
    emit syncEnded();
    const bool againAsked = std::exchange(againAsked_, false) || asked;
    again_ = false;
    if (allowed) {
        allowMassDelete_ = true;
        syncNow(againAsked);
    }
}

void SyncController::linkCommand()
{
    if (run_ || finder_) {
        MessageBox::ok(host_.window(), tr("Wait until the sync has ended."), linkTitle());
        return;
    }
    const Result<QString> book = chosenBook({});
    const PhoneBookFile file = PhoneBookFile::named(book ? *book : QString());
    if (!book || !file.exists()) {
        MessageBox::ok(host_.window(), tr("Create a phone book first."), linkTitle());
        return;
    }
    const auto state = SyncState::load(SyncState::pathFor(file.path()));
    if (state && *state) {
        return unlink({*book, file.path(), **state});
    }
    link(*book, file.path());
}

void SyncController::link(const QString& book, const QString& path)
{
    LinkDialog dialog(book, host_.window());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const Result<carddav::LinkAddress> address = carddav::linkAddress(dialog.url());
    const QString user = address && dialog.user().isEmpty() ? address->user : dialog.user();
    if (dialog.url().isEmpty() || user.isEmpty()) {
        MessageBox::ok(host_.window(), tr("Enter the URL and the user name."), linkTitle());
        return;
    }
    if (!address) {
        MessageBox::ok(host_.window(), address.error(), linkTitle());
        return;
    }
    if (carddav::unencryptedRemote(address->url) &&
        MessageBox::okCancel(host_.window(),
                             carddav::unencryptedWarning() +
                                 tr(" Link %1 all the same?").arg(address->url.toDisplayString()),
                             linkTitle()) != MessageBox::Answer::Ok) {
        return;
    }
    setStatus(tr("Looking for the address book at %1...").arg(address->url.toDisplayString()));
    const QString password =
        dialog.password().isEmpty() ? address->password.value_or(QString()) : dialog.password();
    finder_ =
        new carddav::DavClient(address->url, user, password, SyncLimits::fromSettings(), this);
    carddav::findAddressBook(
        *finder_, address->url, [this, book, path, user, password](const Result<QUrl>& found) {
            finder_->deleteLater();
            finder_ = nullptr;
            if (!found) {
                setStatus(tr("Not linked."));
                MessageBox::show(host_.window(), {tr("%1 was not linked.").arg(book), linkTitle(),
                                                  MessageBox::Buttons::Ok, found.error()});
                return;
            }
            SyncState state;
            state.url = found->toString();
            state.user = user;
            linked(path, state, password);
        });
}

void SyncController::linked(const QString& path, const SyncState& state, const QString& password)
{
    if (const Status saved = state.save(SyncState::pathFor(path)); !saved) {
        setStatus(tr("Not linked."));
        MessageBox::ok(host_.window(), saved.error(), linkTitle());
        return;
    }
    passwords_.store(carddav::passwordKey(state.url, state.user), password,
                     [this](const Status& kept) {
                         noKeyring_ = !kept;
                         syncNow();
                     });
}

void SyncController::unlink(const Linked& linked)
{
    const QString text = tr("%1 is linked to %2 as %3. Unlink it? The records stay in the phone "
                            "book and on the server.")
                             .arg(linked.book, linked.state.url, linked.state.user);
    if (MessageBox::okCancel(host_.window(), text, linkTitle()) != MessageBox::Answer::Ok) {
        return;
    }
    if (!QFile::remove(SyncState::pathFor(linked.path))) {
        MessageBox::ok(host_.window(), tr("The link could not be removed."), linkTitle());
        return;
    }
    passwords_.forget(carddav::passwordKey(linked.state.url, linked.state.user));
    setStatus(tr("%1 is not linked.").arg(linked.book));
}

} // namespace vennor
