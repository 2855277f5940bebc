// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/synchome.h"

#include "cli/commandline.h"
#include "cli/synccommands.h"
#include "sync/multistatus.h"
#include "sync/syncnotes.h"
#include "sync/syncstate.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace vennor::test {

SyncHome::SyncHome(const QString& url, const QString& user) : path_(dir_.filePath("home.dat"))
{
    book().createEmpty();
    SyncState state;
    state.url = url;
    state.user = user;
    state.save(SyncState::pathFor(path_));
}

Status SyncHome::sync(const QString& password, carddav::SyncReport* report)
{
    return syncOnce(path_, password, report);
}

Status syncOnce(const QString& bookPath, const QString& password, carddav::SyncReport* report)
{
    carddav::BookSync run(bookPath, password, QStringLiteral("00"));
    QEventLoop loop;
    Status outcome = Status::failure(QStringLiteral("did not end"));
    QObject::connect(&run, &carddav::BookSync::finished,
                     [&](const Status& status, const carddav::SyncReport& done) {
                         outcome = status;
                         if (report) {
                             *report = done;
                         }
                         loop.quit();
                     });
    run.start();
    if (outcome.error() == u"did not end") {
        loop.exec();
    }
    return outcome;
}

Status SyncHome::deleteRecord(const QString& name) const
{
    const Status removed = book().removeAll(name);
    return removed ? noteDeleted(path_, {name}) : removed;
}

QMap<QString, QString> SyncHome::contents() const
{
    QMap<QString, QString> contents;
    const QList<Record> records = book().records().value();
    for (const Record& record : records) {
        QStringList numbers;
        for (const PhoneNumber& number : record.numbers) {
            numbers.append(number.number);
        }
        contents.insert(record.name, numbers.join(u' '));
    }
    return contents;
}

int httpRequest(const QByteArray& verb, const QString& url, const QByteArray& body,
                QByteArray* answer)
{
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("Authorization", "Basic " + QByteArray("alice:secret").toBase64());
    request.setRawHeader("Depth", "1");
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      verb == "PUT" ? "text/vcard" : "application/xml");
    QNetworkReply* reply = manager.sendCustomRequest(request, verb, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    if (answer) {
        *answer = reply->readAll();
    }
    reply->deleteLater();
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

int cardCount(const QString& url)
{
    QByteArray body;
    if (httpRequest("PROPFIND", url, {}, &body) != 207) {
        return -1;
    }
    const auto answer = carddav::parseMultistatus(body);
    int count = 0;
    for (const carddav::DavResource& resource : answer->resources) {
        count += resource.href.endsWith(QLatin1String(".vcf")) ? 1 : 0;
    }
    return count;
}

Record person(const QString& name, const QString& number, const QString& comment)
{
    return Record{name, {}, {}, comment, {{0, number}}};
}

std::pair<int, QString> runCommandLine(const QStringList& arguments, const QByteArray& input)
{
    const app::Startup startup = app::parseCommandLine(QStringList{"vennor"} + arguments);
    if (!startup.sync) {
        return {startup.exitStatus.value_or(-1), startup.message};
    }
    QByteArray given = input;
    FILE* in = given.isEmpty() ? std::fopen("/dev/null", "r")
                               : fmemopen(given.data(), size_t(given.size()), "r");
    FILE* out = std::tmpfile();
    const int status = runSyncCommand(*startup.sync, in, out, out);
    std::fclose(in);
    QFile printed;
    printed.open(out, QIODevice::ReadOnly);
    printed.seek(0);
    const QString text = QString::fromUtf8(printed.readAll());
    printed.close();
    std::fclose(out);
    return {status, text};
}

void MemoryPasswords::fetch(const QString& key, Found done)
{
    ++fetched;
    done(kept.contains(key) ? std::optional(kept.value(key)) : whenAsked);
}

void MemoryPasswords::store(const QString& key, const QString& password,
                            std::function<void(const Status&)> done)
{
    kept.insert(key, password);
    done(Status::success());
}

} // namespace vennor::test
