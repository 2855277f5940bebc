// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace vennor::carddav {

// One property of a WebDAV answer, by its local name.
struct DavProperty
{
    QString text;         // its text, nested elements' text included
    QStringList children; // local names of the elements inside it (resourcetype)
    QString href;         // the first href inside it (current-user-principal, home sets)
};

struct DavResource
{
    QString href;
    int status = 0; // a status given for the whole resource (404: removed), else 0
    QHash<QString, DavProperty> properties; // those the server found (status 200)
};

struct Multistatus
{
    QList<DavResource> resources;
    QString syncToken;
};

// A 207 Multi-Status body; nullopt when it is no such XML.
std::optional<Multistatus> parseMultistatus(const QByteArray& xml);

// The same, handing each response to take as soon as it is read and keeping none of them, so
// that a long answer is never held twice; the sync-token (empty for none), or nullopt.
std::optional<QString> readMultistatus(const QByteArray& xml,
                                       const std::function<void(DavResource&&)>& take);

} // namespace vennor::carddav
