// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/syncoptions.h"

#include <QCommandLineParser>

namespace vennor::app {

void SyncOptions::addTo(QCommandLineParser& parser) const
{
    parser.addOptions(all());
}

bool SyncOptions::asked(const QCommandLineParser& parser) const
{
    return parser.isSet(link) || parser.isSet(user) || parser.isSet(insecure) ||
           parser.isSet(unlink) || parser.isSet(sync) || parser.isSet(allowMassDelete);
}

Startup SyncOptions::startup(const QCommandLineParser& parser, const QString& book) const
{
    const int commands =
        int(parser.isSet(link)) + int(parser.isSet(unlink)) + int(parser.isSet(sync));
    const bool linking = parser.isSet(link);
    // Without --user the name is taken from the URL, when it carries one.
    if (commands != 1 || (!linking && (parser.isSet(user) || parser.isSet(insecure))) ||
        (parser.isSet(user) && parser.value(user).isEmpty()) ||
        (parser.isSet(allowMassDelete) && !parser.isSet(sync))) {
        return {2,
                QStringLiteral("vennor: use --link URL --user NAME [--insecure], --unlink or "
                               "--sync [--allow-mass-delete], each with [--book NAME]\nTry "
                               "\"vennor --help\" for more."),
                {}};
    }
    SyncRequest request;
    request.kind = linking                ? SyncRequest::Kind::link
                   : parser.isSet(unlink) ? SyncRequest::Kind::unlink
                                          : SyncRequest::Kind::sync;
    request.url = parser.value(link);
    request.user = parser.value(user);
    request.book = book;
    request.insecure = parser.isSet(insecure);
    request.allowMassDelete = parser.isSet(allowMassDelete);
    Startup startup;
    startup.sync = request;
    return startup;
}

} // namespace vennor::app
