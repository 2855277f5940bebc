// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sync/syncstate.h"

#include "core/textfile.h"
#include "sync/davhref.h"
#include "sync/synctexts.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace vennor {
namespace {

constexpr qint64 kLargestStateFile = qint64(512) << 20;

bool isUsableUrl(const QJsonValue& value)
{
    const QUrl url(value.toString(), QUrl::StrictMode);
    return value.isString() && url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == u"http" || url.scheme() == u"https");
}

std::optional<QString> stringField(const QJsonObject& object, QStringView key, QString& into)
{
    const QJsonValue value = object.value(key);
    if (!value.isString()) {
        return SyncText::tr("\"%1\" is not a text").arg(key);
    }
    into = value.toString();
    return std::nullopt;
}

std::optional<QString> readCards(const QJsonValue& value, SyncState& state)
{
    if (!value.isArray()) {
        return SyncText::tr("\"cards\" is not a list");
    }
    QSet<QString> names;
    for (const QJsonValue& item : value.toArray()) {
        if (!item.isObject()) {
            return SyncText::tr("a card is not an object");
        }
        const QJsonObject card = item.toObject();
        SyncEntry entry;
        for (const auto& [key, field] :
             {std::pair{u"href", &entry.href}, std::pair{u"etag", &entry.etag},
              std::pair{u"name", &entry.name}, std::pair{u"fingerprint", &entry.fingerprint}}) {
            if (auto wrong = stringField(card, key, *field)) {
                return SyncText::tr("in a card, %1").arg(*wrong);
            }
        }
        if (card.contains(u"cardName")) {
            if (auto wrong = stringField(card, u"cardName", entry.cardName)) {
                return SyncText::tr("in a card, %1").arg(*wrong);
            }
        }
        if (entry.href.isEmpty() || state.entries.contains(entry.href)) {
            return SyncText::tr("a card's href is empty or repeated");
        }
        if (!entry.name.isEmpty() && names.contains(entry.name)) {
            return SyncText::tr("two cards give the record \"%1\"").arg(entry.name);
        }
        names.insert(entry.name);
        state.entries.insert(entry.href, entry);
    }
    return std::nullopt;
}

std::optional<QString> readDeleted(const QJsonObject& root, SyncState& state)
{
    const QJsonValue deleted = root.value(u"deleted");
    if (deleted.isUndefined()) {
        return std::nullopt;
    }
    if (!deleted.isArray()) {
        return SyncText::tr("\"deleted\" is not a list");
    }
    for (const QJsonValue& href : deleted.toArray()) {
        if (!href.isString() || !state.entries.contains(href.toString())) {
            return SyncText::tr("\"deleted\" names a card the last sync did not see");
        }
        state.deleted.insert(href.toString());
    }
    return std::nullopt;
}

std::optional<QString> readDeletedNames(const QJsonObject& root, SyncState& state)
{
    const QJsonValue names = root.value(u"deletedNames");
    if (names.isUndefined()) {
        return std::nullopt;
    }
    if (!names.isArray()) {
        return SyncText::tr("\"deletedNames\" is not a list");
    }
    for (const QJsonValue& name : names.toArray()) {
        if (!name.isString()) {
            return SyncText::tr("\"deletedNames\" holds something other than names");
        }
        state.deletedNames.insert(name.toString());
    }
    return std::nullopt;
}

std::optional<QString> readRenamed(const QJsonObject& root, SyncState& state)
{
    const QJsonValue renamed = root.value(u"renamed");
    if (renamed.isUndefined()) {
        return std::nullopt;
    }
    if (!renamed.isObject()) {
        return SyncText::tr("\"renamed\" is not an object");
    }
    const QJsonObject names = renamed.toObject();
    for (auto it = names.begin(); it != names.end(); ++it) {
        if (!it.value().isString() || it.key().isEmpty() || it.value().toString().isEmpty()) {
            return SyncText::tr("\"renamed\" holds something other than names");
        }
        state.renamedFrom.insert(it.key(), it.value().toString());
    }
    return std::nullopt;
}

std::optional<QString> readNotes(const QJsonObject& root, SyncState& state)
{
    for (const auto read : {readDeleted, readDeletedNames, readRenamed}) {
        if (std::optional<QString> wrong = read(root, state)) {
            return wrong;
        }
    }
    const QJsonValue fresh = root.value(u"fresh");
    if (!fresh.isUndefined() && !fresh.isString()) {
        return SyncText::tr("\"fresh\" is not a text");
    }
    state.freshReason = fresh.toString();
    return std::nullopt;
}

std::optional<QString> readBook(const QJsonValue& value, SyncState& state)
{
    if (value.isUndefined()) {
        return std::nullopt;
    }
    const QJsonObject book = value.toObject();
    const QJsonValue size = book.value(u"size");
    const QJsonValue modified = book.value(u"modified");
    if (!value.isObject() || !size.isDouble() || !modified.isDouble() || size.toDouble() < 0) {
        return SyncText::tr("\"book\" is not a size and a time");
    }
    state.book = BookIdentity{qint64(size.toDouble()), qint64(modified.toDouble())};
    return std::nullopt;
}

// Everything but the link; the first thing found wrong, or nullopt.
std::optional<QString> readHistory(const QJsonObject& root, SyncState& state)
{
    if (auto wrong = stringField(root, u"token", state.token)) {
        return wrong;
    }
    if (auto wrong = stringField(root, u"ctag", state.ctag)) {
        return wrong;
    }
    if (auto wrong = readCards(root.value(u"cards"), state)) {
        return wrong;
    }
    if (auto wrong = readNotes(root, state)) {
        return wrong;
    }
    return readBook(root.value(u"book"), state);
}

} // namespace

std::optional<BookIdentity> BookIdentity::of(const QString& bookPath)
{
    const QFileInfo info(bookPath);
    if (!info.exists()) {
        return std::nullopt;
    }
    return BookIdentity{info.size(), info.lastModified().toMSecsSinceEpoch()};
}

QString SyncState::pathFor(const QString& bookPath)
{
    QString path = bookPath;
    if (path.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive)) {
        path.chop(4);
    }
    return path + QStringLiteral(".sync");
}

void SyncState::startAfresh(const QString& reason)
{
    token.clear();
    ctag.clear();
    entries.clear();
    deleted.clear();
    deletedNames.clear();
    renamedFrom.clear();
    freshReason = reason;
}

Result<std::optional<SyncState>> SyncState::load(const QString& statePath)
{
    QFile file(statePath);
    if (!file.exists()) {
        return std::optional<SyncState>();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(
            SyncText::tr("Cannot read %1: %2").arg(statePath, file.errorString()));
    }
    const auto damaged = [&statePath] {
        return Status::failure(
            SyncText::tr("%1 is damaged; unlink the phone book and link it again.").arg(statePath));
    };
    if (file.size() > kLargestStateFile) {
        return damaged();
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    const QJsonObject root = document.object();
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        !isUsableUrl(root.value(u"url")) || !root.value(u"user").isString() ||
        root.value(u"user").toString().isEmpty()) {
        return damaged();
    }
    SyncState state;
    state.url = withoutUserInfo(root.value(u"url").toString()); // a password never goes further
    state.user = root.value(u"user").toString();
    if (const auto wrong = readHistory(root, state)) {
        state.startAfresh({});
        state.book.reset();
        state.damage = SyncText::tr("%1 was damaged (%2)").arg(statePath, *wrong);
    }
    return std::optional(state);
}

Status SyncState::save(const QString& statePath) const
{
    QJsonArray cards;
    for (const SyncEntry& entry : entries) {
        QJsonObject card{{QStringLiteral("href"), entry.href},
                         {QStringLiteral("etag"), entry.etag},
                         {QStringLiteral("name"), entry.name},
                         {QStringLiteral("fingerprint"), entry.fingerprint}};
        if (!entry.cardName.isEmpty()) {
            card.insert(QStringLiteral("cardName"), entry.cardName);
        }
        cards.append(card);
    }
    QJsonObject root{{QStringLiteral("url"), url},
                     {QStringLiteral("user"), user},
                     {QStringLiteral("token"), token},
                     {QStringLiteral("ctag"), ctag},
                     {QStringLiteral("cards"), cards}};
    // A deletion whose card has gone since has nothing left to do.
    QStringList pending;
    for (const QString& href : deleted) {
        if (entries.contains(href)) {
            pending.append(href);
        }
    }
    if (!pending.isEmpty()) {
        root.insert(QStringLiteral("deleted"), QJsonArray::fromStringList(pending));
    }
    if (!deletedNames.isEmpty()) {
        root.insert(QStringLiteral("deletedNames"),
                    QJsonArray::fromStringList(deletedNames.values()));
    }
    if (!renamedFrom.isEmpty()) {
        QJsonObject renamed;
        for (auto it = renamedFrom.cbegin(); it != renamedFrom.cend(); ++it) {
            renamed.insert(it.key(), it.value());
        }
        root.insert(QStringLiteral("renamed"), renamed);
    }
    if (!freshReason.isEmpty()) {
        root.insert(QStringLiteral("fresh"), freshReason);
    }
    if (book) {
        root.insert(QStringLiteral("book"),
                    QJsonObject{{QStringLiteral("size"), double(book->size)},
                                {QStringLiteral("modified"), double(book->modified)}});
    }
    return textfile::rewrite(statePath, QJsonDocument(root).toJson(QJsonDocument::Compact));
}

} // namespace vennor
