// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/commandline.h"

#include <QCommandLineOption>

class QCommandLineParser;

namespace vennor::app {

// --link URL --user NAME [--insecure], --unlink and --sync; --book is the vCard commands'
// option. The user name may instead be written in the URL (https://NAME@host/).
struct SyncOptions
{
    QCommandLineOption link{QStringLiteral("link"),
                            QStringLiteral("Link the phone book (--book, else the default) to "
                                           "the CardDAV address book at URL, or found from "
                                           "the server's URL; the password is read from "
                                           "standard input."),
                            QStringLiteral("URL")};
    QCommandLineOption user{
        QStringLiteral("user"),
        QStringLiteral("The user name for --link, unless the URL gives it (https://NAME@host/)."),
        QStringLiteral("NAME")};
    QCommandLineOption insecure{QStringLiteral("insecure"),
                                QStringLiteral("Let --link use a plain http:// URL of another "
                                               "computer, where the password and the contacts "
                                               "travel readable.")};
    QCommandLineOption unlink{QStringLiteral("unlink"),
                              QStringLiteral("Unlink the phone book from its server.")};
    QCommandLineOption sync{QStringLiteral("sync"),
                            QStringLiteral("Sync the phone book with its server both ways and "
                                           "say what changed; without a keyring the password "
                                           "is read from standard input.")};
    QCommandLineOption allowMassDelete{
        QStringLiteral("allow-mass-delete"),
        QStringLiteral("Let --sync remove more than 10 cards, and more than a quarter of the "
                       "address book, from the server at once (records deleted here).")};

    QList<QCommandLineOption> all() const
    {
        return {link, user, insecure, unlink, sync, allowMassDelete};
    }
    void addTo(QCommandLineParser& parser) const;
    bool asked(const QCommandLineParser& parser) const;
    // The request, or a usage failure.
    Startup startup(const QCommandLineParser& parser, const QString& book) const;
};

} // namespace vennor::app
