// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sync/passwords.h"

#include <qt6keychain/keychain.h>

namespace vennor::carddav {
namespace {

const QString kService = QStringLiteral("Vennor");

} // namespace

QString passwordKey(const QString& url, const QString& user)
{
    return user + u'@' + url;
}

KeyringPasswords::KeyringPasswords(Asker ask) : ask_(std::move(ask)) {}

void KeyringPasswords::fetch(const QString& key, Found done)
{
    if (const auto it = thisRun_.constFind(key); it != thisRun_.cend()) {
        return done(*it);
    }
    auto* job = new QKeychain::ReadPasswordJob(kService);
    job->setAutoDelete(true);
    job->setKey(key);
    QObject::connect(job, &QKeychain::Job::finished, [this, key, done](QKeychain::Job* finished) {
        const auto* read = static_cast<QKeychain::ReadPasswordJob*>(finished);
        if (read->error() == QKeychain::NoError) {
            return done(read->textData());
        }
        std::optional<QString> given = ask_ ? ask_(key) : std::nullopt;
        if (given) {
            thisRun_.insert(key, *given);
        }
        done(given);
    });
    job->start();
}

void KeyringPasswords::store(const QString& key, const QString& password,
                             std::function<void(const Status&)> done)
{
    thisRun_.insert(key, password);
    auto* job = new QKeychain::WritePasswordJob(kService);
    job->setAutoDelete(true);
    job->setKey(key);
    job->setTextData(password);
    QObject::connect(job, &QKeychain::Job::finished, [done](QKeychain::Job* finished) {
        done(finished->error() == QKeychain::NoError ? Status::success()
                                                     : Status::failure(finished->errorString()));
    });
    job->start();
}

void KeyringPasswords::forget(const QString& key)
{
    thisRun_.remove(key);
    auto* job = new QKeychain::DeletePasswordJob(kService);
    job->setAutoDelete(true);
    job->setKey(key);
    job->start();
}

} // namespace vennor::carddav
