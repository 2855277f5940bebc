// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace vennor::test {

// A CardDAV server of its own on 127.0.0.1, a free port and a temporary storage folder:
// Radicale with basic authentication (alice, "secret") holding one empty address book, or
// Xandikos (no authentication) with its default one. Stopped when the object goes.
class DavServer
{
public:
    enum class Kind { radicale, xandikos };
    explicit DavServer(Kind kind);
    ~DavServer();

    bool start(); // false when it did not answer within a few seconds
    void stop();
    QString root() const;        // "http://127.0.0.1:PORT/"
    QString addressBook() const; // the address book's URL
    // Where Radicale keeps the address book's cards, one file each.
    QString radicaleFolder() const { return dir_.filePath("data/collection-root/alice/book"); }

private:
    Kind kind_;
    QTemporaryDir dir_;
    QProcess process_;
    int port_ = 0;
};

} // namespace vennor::test
