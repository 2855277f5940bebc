// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sync/multistatus.h"

#include <QXmlStreamReader>

namespace vennor::carddav {
namespace {

int statusCode(const QString& line) // "HTTP/1.1 404 Not Found"
{
    const QStringList words = line.simplified().split(u' ');
    return words.size() > 1 ? words.at(1).toInt() : 0;
}

DavProperty readProperty(QXmlStreamReader& xml)
{
    DavProperty property;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (depth == 1) {
                property.children.append(xml.name().toString());
            }
            if (xml.name() == u"href" && property.href.isEmpty()) {
                property.href = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                property.text += property.href;
                break; // readElementText consumed the end element
            }
            ++depth;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Characters:
            property.text += xml.text();
            break;
        default:
            break;
        }
    }
    return property;
}

// Reads a propstat: its properties are kept when its status says they were found.
void readPropstat(QXmlStreamReader& xml, DavResource& resource)
{
    QHash<QString, DavProperty> properties;
    int status = 200;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"prop") {
            while (xml.readNextStartElement()) {
                const QString name = xml.name().toString();
                properties.insert(name, readProperty(xml));
            }
        } else if (xml.name() == u"status") {
            status = statusCode(xml.readElementText());
        } else {
            xml.skipCurrentElement();
        }
    }
    if (status >= 200 && status < 300) {
        resource.properties.insert(properties);
    }
}

DavResource readResponse(QXmlStreamReader& xml)
{
    DavResource resource;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"href") {
            resource.href = xml.readElementText().trimmed();
        } else if (xml.name() == u"status") {
            resource.status = statusCode(xml.readElementText());
        } else if (xml.name() == u"propstat") {
            readPropstat(xml, resource);
        } else {
            xml.skipCurrentElement();
        }
    }
    return resource;
}

} // namespace

std::optional<QString> readMultistatus(const QByteArray& body,
                                       const std::function<void(DavResource&&)>& take)
{
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || xml.name() != u"multistatus") {
        return std::nullopt;
    }
    QString syncToken;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"response") {
            take(readResponse(xml));
        } else if (xml.name() == u"sync-token") {
            syncToken = xml.readElementText().trimmed();
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        return std::nullopt;
    }
    return syncToken;
}

std::optional<Multistatus> parseMultistatus(const QByteArray& body)
{
    Multistatus result;
    const std::optional<QString> token = readMultistatus(
        body, [&result](DavResource&& resource) { result.resources.append(std::move(resource)); });
    if (!token) {
        return std::nullopt;
    }
    result.syncToken = *token;
    return result;
}

} // namespace vennor::carddav
