#include "storage/syncstate.h"

#include "storage/davhref.h"
#include "storage/textfile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vennor {

QString SyncState::pathFor(const QString& bookPath)
{
    QString path = bookPath;
    if (path.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive)) {
        path.chop(4);
    }
    return path + QStringLiteral(".sync");
}

Result<std::optional<SyncState>> SyncState::load(const QString& statePath)
{
    QFile file(statePath);
    if (!file.exists()) {
        return std::optional<SyncState>();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(
            QStringLiteral("Cannot read %1: %2").arg(statePath, file.errorString()));
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    const QJsonObject root = document.object();
    if (error.error != QJsonParseError::NoError || root.value(u"url").toString().isEmpty()) {
        return Status::failure(QStringLiteral("%1 is damaged; unlink the phone book and link it "
                                              "again.")
                                   .arg(statePath));
    }
    SyncState state;
    state.url = withoutUserInfo(root.value(u"url").toString()); // a password never goes further
    state.user = root.value(u"user").toString();
    state.token = root.value(u"token").toString();
    state.ctag = root.value(u"ctag").toString();
    for (const QJsonValue& value : root.value(u"cards").toArray()) {
        const QJsonObject card = value.toObject();
        SyncEntry entry{card.value(u"href").toString(), card.value(u"etag").toString(),
                        card.value(u"name").toString(), card.value(u"fingerprint").toString()};
        state.entries.insert(entry.href, entry);
    }
    return std::optional(state);
}

Status SyncState::save(const QString& statePath) const
{
    QJsonArray cards;
    for (const SyncEntry& entry : entries) {
        cards.append(QJsonObject{{QStringLiteral("href"), entry.href},
                                 {QStringLiteral("etag"), entry.etag},
                                 {QStringLiteral("name"), entry.name},
                                 {QStringLiteral("fingerprint"), entry.fingerprint}});
    }
    const QJsonObject root{{QStringLiteral("url"), url},
                           {QStringLiteral("user"), user},
                           {QStringLiteral("token"), token},
                           {QStringLiteral("ctag"), ctag},
                           {QStringLiteral("cards"), cards}};
    return textfile::rewrite(statePath, QJsonDocument(root).toJson(QJsonDocument::Compact));
}

} // namespace vennor
