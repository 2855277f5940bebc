// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"

#include <QHash>
#include <QString>
#include <functional>
#include <optional>

namespace vennor::carddav {

// The key under which the password of a link is kept: "user@url".
QString passwordKey(const QString& url, const QString& user);

// Where the password of a link comes from. The program keeps it in the desktop's keyring;
// tests give their own.
class PasswordSource
{
public:
    virtual ~PasswordSource() = default;
    using Found = std::function<void(const std::optional<QString>&)>;
    // The password, or nullopt when there is none and nobody gave one.
    virtual void fetch(const QString& key, Found done) = 0;
    // Keeps the password; fails when only this run can keep it (no keyring).
    virtual void store(const QString& key, const QString& password,
                       std::function<void(const Status&)> done) = 0;
    virtual void forget(const QString& key) = 0;
};

// The desktop's keyring through QtKeychain. Where there is none, a password is asked for
// (once per run) and kept in memory only: nothing is written in plain text.
class KeyringPasswords : public PasswordSource
{
public:
    using Asker = std::function<std::optional<QString>(const QString& key)>;
    explicit KeyringPasswords(Asker ask);

    void fetch(const QString& key, Found done) override;
    void store(const QString& key, const QString& password,
               std::function<void(const Status&)> done) override;
    void forget(const QString& key) override;

private:
    Asker ask_;
    QHash<QString, QString> thisRun_;
};

} // namespace vennor::carddav
