// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/synccommands.h"

#include "cli/vcardcommands.h"
#include "core/phonebook.h"
#include "core/printabletext.h"
#include "platform/terminal.h"
#include "sync/addressbookfinder.h"
#include "sync/booksync.h"
#include "sync/origin.h"
#include "sync/passwords.h"

#include <QEventLoop>
#include <QFile>
#include <memory>

namespace vennor {
namespace {

using namespace carddav;

void print(FILE* stream, const QString& line)
{
    std::fprintf(stream, "%s\n", qPrintable(printableForTerminal(line)));
    std::fflush(stream);
}

// One line of the input, without its line end; on a terminal asked for without echo.
std::optional<QString> readPassword(FILE* in, FILE* errors, const QString& key)
{
    char buffer[1024];
    const char* line = nullptr;
    {
        const UnechoedInput hidden(in);
        if (hidden.isTerminal()) {
            std::fprintf(errors, "Password for %s: ", qPrintable(printableForTerminal(key)));
            std::fflush(errors);
        }
        line = std::fgets(buffer, sizeof buffer, in);
        if (hidden.isTerminal()) {
            std::fprintf(errors, "\n");
        }
    }
    if (!line) {
        return std::nullopt;
    }
    QString password = QString::fromLocal8Bit(line);
    while (password.endsWith(u'\n') || password.endsWith(u'\r')) {
        password.chop(1);
    }
    return password;
}

struct Book
{
    QString name;
    QString path;
    QString statePath;
};

Result<Book> bookOf(const QString& requested)
{
    const Result<QString> name = chosenBook(requested);
    if (!name) {
        return Status::failure(name.error());
    }
    const PhoneBookFile file = PhoneBookFile::named(*name);
    if (!file.exists()) {
        return Status::failure(QStringLiteral("The phone book \"%1\" has no file.").arg(*name));
    }
    return Book{*name, file.path(), SyncState::pathFor(file.path())};
}

int link(const SyncRequest& request, const Book& book, FILE* in, FILE* out, FILE* errors)
{
    if (QFile::exists(book.statePath)) {
        print(errors,
              QStringLiteral("vennor: %1 is linked already; --unlink it first.").arg(book.name));
        return 1;
    }
    const Result<LinkAddress> address = linkAddress(request.url);
    if (!address) {
        print(errors, QStringLiteral("vennor: ") + address.error());
        return 2;
    }
    const QUrl given = address->url;
    if (!address->user.isEmpty() && !request.user.isEmpty() && address->user != request.user) {
        print(errors, QStringLiteral("vennor: the URL names the user %1, --user names %2.")
                          .arg(address->user, request.user));
        return 2;
    }
    const QString user = request.user.isEmpty() ? address->user : request.user;
    if (user.isEmpty()) {
        print(errors, QStringLiteral("vennor: give the user name with --user NAME."));
        return 2;
    }
    if (unencryptedRemote(given) && !request.insecure) {
        print(errors, QStringLiteral("vennor: %1 was not linked: %2 Use an https:// URL, or "
                                     "add --insecure to link %3 all the same.")
                          .arg(book.name, unencryptedWarning(), given.toDisplayString()));
        return 2;
    }
    const std::optional<QString> password =
        address->password ? address->password
                          : readPassword(in, errors, passwordKey(given.toString(), user));
    if (!password) {
        print(errors, QStringLiteral("vennor: no password on standard input."));
        return 1;
    }
    DavClient client(given, user, *password);
    QEventLoop loop;
    std::optional<Result<QUrl>> found;
    findAddressBook(client, given, [&](const Result<QUrl>& result) {
        found = result;
        loop.quit();
    });
    if (!found) {
        loop.exec();
    }
    if (!*found) {
        print(errors,
              QStringLiteral("vennor: %1 was not linked: %2").arg(book.name, found->error()));
        return 1;
    }
    SyncState state;
    state.url = found->value().toString();
    state.user = user;
    if (const Status saved = state.save(book.statePath); !saved) {
        print(errors,
              QStringLiteral("vennor: %1 was not linked: %2").arg(book.name, saved.error()));
        return 1;
    }
    KeyringPasswords keyring(nullptr);
    Status kept = Status::success();
    keyring.store(passwordKey(state.url, state.user), *password, [&](const Status& status) {
        kept = status;
        loop.quit();
    });
    loop.exec();
    print(out, QStringLiteral("Linked %1 to %2.").arg(book.name, state.url));
    print(out, kept ? QStringLiteral("The password is kept in the desktop's keyring.")
                    : QStringLiteral("No keyring: the password was not kept; --sync reads it "
                                     "from standard input."));
    return 0;
}

int unlink(const Book& book, FILE* out, FILE* errors)
{
    const Result<std::optional<SyncState>> state = SyncState::load(book.statePath);
    if (state && !*state) {
        print(errors, QStringLiteral("vennor: %1 is not linked.").arg(book.name));
        return 1;
    }
    if (!QFile::remove(book.statePath)) {
        print(errors, QStringLiteral("vennor: cannot remove %1.").arg(book.statePath));
        return 1;
    }
    if (state) {
        KeyringPasswords(nullptr).forget(passwordKey((*state)->url, (*state)->user));
        print(out, QStringLiteral("Unlinked %1 from %2.").arg(book.name, (*state)->url));
    } else {
        print(out, QStringLiteral("Unlinked %1.").arg(book.name));
    }
    return 0;
}

int sync(const Book& book, bool allowMassDelete, FILE* in, FILE* out, FILE* errors)
{
    const Result<std::optional<SyncState>> state = SyncState::load(book.statePath);
    if (!state || !*state) {
        print(errors, state ? QStringLiteral("vennor: %1 is not linked to a server; use --link "
                                             "URL --user NAME first.")
                                  .arg(book.name)
                            : QStringLiteral("vennor: ") + state.error());
        return 1;
    }
    const QString key = passwordKey((*state)->url, (*state)->user);
    QEventLoop loop;
    std::optional<QString> password;
    KeyringPasswords keyring([&](const QString&) { return readPassword(in, errors, key); });
    bool asked = false;
    keyring.fetch(key, [&](const std::optional<QString>& found) {
        password = found;
        asked = true;
        loop.quit();
    });
    if (!asked) {
        loop.exec();
    }
    if (!password) {
        print(errors, QStringLiteral("vennor: no password for %1: the keyring has none and "
                                     "standard input gave none.")
                          .arg(key));
        return 1;
    }
    BookSync run(book.path, *password, importPrefix());
    run.allowMassDelete(allowMassDelete);
    int status = 1;
    bool finished = false;
    QObject::connect(&run, &BookSync::finished,
                     [&](const Status& outcome, const SyncReport& report) {
                         if (outcome) {
                             print(out, QStringLiteral("%1 synced with %2: %3")
                                            .arg(book.name, (*state)->url, report.summary()));
                             status = 0;
                         } else if (report.heldDeletes > 0) {
                             print(errors, QStringLiteral("vennor: %1 not synced: %2 If you "
                                                          "deleted these records, sync with "
                                                          "--allow-mass-delete.")
                                               .arg(book.name, outcome.error()));
                         } else {
                             print(errors, QStringLiteral("vennor: sync of %1 failed: %2 (%3)")
                                               .arg(book.name, outcome.error(), report.counts()));
                         }
                         finished = true;
                         loop.quit();
                     });
    run.start();
    if (!finished) {
        loop.exec();
    }
    return status;
}

} // namespace

int runSyncCommand(const SyncRequest& request, FILE* in, FILE* out, FILE* errors)
{
    const Result<Book> book = bookOf(request.book);
    if (!book) {
        print(errors, QStringLiteral("vennor: ") + book.error());
        return request.book.isEmpty() ? 1 : 2;
    }
    switch (request.kind) {
    case SyncRequest::Kind::link:
        return link(request, *book, in, out, errors);
    case SyncRequest::Kind::unlink:
        return unlink(*book, out, errors);
    case SyncRequest::Kind::sync:
        return sync(*book, request.allowMassDelete, in, out, errors);
    }
    return 2;
}

} // namespace vennor
