// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/folders.h"
#include "gui/phonebooks/phonebookdialog.h"
#include "gui/sharedstate.h"
#include "support/messagelog.h"
#include "support/nextfiledialog.h"
#include "support/recordshost.h"
#include "support/tempfolders.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace vennor::test {

inline const QStringList kStart{"3", "Home", "Office"};

// Lists in test tables are written "a|b|c".
inline QStringList bars(const QString& text)
{
    return text.split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

// Home (the default) and Office listed, Stray.dat in the folder unlisted; each file's first line
// names the book it was made as, so a renamed or copied file shows where it came from. The
// current folder is the temporary root, where a backup made under a relative name would show.
struct PhoneBookFixture
{
    TempFolders folders;
    MessageLog messages;
    NextFileDialog files;
    SharedState state;
    RecordsHost host{state};
    const QString oldFolder = QDir::currentPath();

    PhoneBookFixture()
    {
        QDir::setCurrent(folders.root());
        folders.writeSettings(kStart);
        for (const char* name : {"Home", "Office", "Stray"}) {
            folders.writePhoneBook(name, QByteArray(name) + "\r\n)\r\n");
        }
    }
    ~PhoneBookFixture() { QDir::setCurrent(oldFolder); }

    // A path outside both folders, its file written when bytes are given.
    QString outside(const QString& name, const QByteArray& bytes = {}) const
    {
        QFile file(folders.root() + '/' + name);
        if (!bytes.isEmpty() && file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
        return file.fileName();
    }

    // The phone book folder's changes, sorted: "-name" (gone), "name=first line" (new, replaced).
    QString changes() const
    {
        QStringList changes;
        for (const char* name : {"Home", "Office", "Stray"}) {
            if (!QFile::exists(folders.phoneBook(name))) {
                changes << QString('-') + name;
            }
        }
        const QDir dir(folders::phoneBookFolder());
        for (const QString& file : dir.entryList(QDir::Files)) {
            QFile book(dir.filePath(file));
            const QString first = book.open(QIODevice::ReadOnly) ? book.readLine().trimmed() : "?";
            if (file != first + ".dat") {
                changes << file.chopped(file.endsWith(".dat") ? 4 : 0) + '=' + first;
            }
        }
        changes.sort();
        return changes.join('|');
    }

    // The boxes shown so far, each as "title: text", " [reason]" added when it gives one.
    QString shown() const
    {
        QStringList lines;
        for (const MessageBox::Request& request : messages.shown()) {
            lines << request.title + ": " + request.text +
                         (request.informative.isEmpty() ? "" : " [reason]");
        }
        return lines.join('|');
    }

    // "settings": a folder in the settings file's place; "folder": a file in the book folder's.
    void breakFiles(const QString& what) const
    {
        const QString folder = QDir::cleanPath(folders::phoneBookFolder());
        if (what == "settings") {
            QFile::remove(folders.settingsFile());
            QDir().mkpath(folders.settingsFile());
        } else if (what == "folder") {
            QDir(folder).removeRecursively();
            QFile(folder).open(QIODevice::WriteOnly);
        }
    }

    // The one file dialog request, as backup (save) and restore (open) make it.
    void checkRequest(bool save, QWidget* owner, const QString& fileName) const
    {
        QCOMPARE(files.requests.size(), 1);
        const FileDialogRequest& request = files.requests.first();
        QCOMPARE(request.kind,
                 save ? FileDialogRequest::Kind::Save : FileDialogRequest::Kind::Open);
        QCOMPARE(request.owner, owner);
        QCOMPARE(request.title, save ? "Save to " : "Select File To open ");
        // A backup is saved as .dat; one saved under another name can still be restored.
        QCOMPARE(request.filter,
                 save ? u"Dat Files \0*.dat\0\0"_qs : u"Dat Files \0*.dat\0All files\0*\0\0"_qs);
        QCOMPARE(request.flags, save ? 0x2A4006u : 0x2A5006u);
        QCOMPARE(request.fileName, fileName);
    }
};

} // namespace vennor::test
