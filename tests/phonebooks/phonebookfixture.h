#pragma once

#include "phonebooks/newphone_book.h"
#include "platform/folders.h"
#include "storage/sharedstate.h"
#include "support/fakerecordhost.h"
#include "support/messagelog.h"
#include "support/nextfiledialog.h"
#include "support/tempfolders.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMap>
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
// names the book it was made as, so a renamed or copied file shows where it came from.
struct PhoneBookFixture
{
    TempFolders folders;
    MessageLog messages;
    NextFileDialog files;
    SharedState state;
    FakeRecordHost host;

    PhoneBookFixture()
    {
        folders.writeSettings(kStart);
        for (const char* name : {"Home", "Office", "Stray"}) {
            folders.writePhoneBook(name, QByteArray(name) + "\r\n)\r\n");
        }
    }

    std::unique_ptr<newphone_book> open(int mode)
    {
        state.pbmode = mode;
        auto dialog = std::make_unique<newphone_book>(state, host, host.window());
        dialog->show();
        return dialog;
    }

    // The phone book folder's files, each as "name without .dat=first line".
    QStringList books() const
    {
        QStringList found;
        const QDir dir(folders::phoneBookFolder());
        for (const QString& file : dir.entryList(QDir::Files)) {
            QFile book(dir.filePath(file));
            const QByteArray first = book.open(QIODevice::ReadOnly) ? book.readLine() : "?";
            found << file.chopped(file.endsWith(".dat") ? 4 : 0) + '=' + first.trimmed();
        }
        found.sort();
        return found;
    }

    // books() expected after the changes "name=first line" (a new or replaced file) and "-name".
    static QStringList booksAfter(const QString& changes)
    {
        QMap<QString, QString> files{{"Home", "Home"}, {"Office", "Office"}, {"Stray", "Stray"}};
        for (const QString& change : bars(changes)) {
            if (change.startsWith('-')) {
                files.remove(change.mid(1));
            } else {
                files[change.section('=', 0, 0)] = change.section('=', 1);
            }
        }
        QStringList expected;
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            expected << it.key() + '=' + it.value();
        }
        expected.sort();
        return expected;
    }

    // The boxes shown so far, each as "title: text", joined by "|".
    QString shown() const
    {
        QStringList lines;
        for (const MessageBox::Request& request : messages.shown()) {
            lines << request.title + ": " + request.text;
        }
        return lines.join('|');
    }
    // Whether the last box, if any, gives a reason exactly when one is expected.
    bool reasonGiven(bool expected) const
    {
        return messages.count() == 0 || messages.last().informative.isEmpty() != expected;
    }

    // A folder where the settings file should be, a file where the book folder should be, or
    // the named book's file gone.
    void breakFiles(const QString& what) const
    {
        const QString folder = QDir::cleanPath(folders::phoneBookFolder());
        if (what == "settings") {
            QFile::remove(folders.settingsFile());
            QDir().mkpath(folders.settingsFile());
        } else if (what == "folder") {
            QDir(folder).removeRecursively();
            QFile(folder).open(QIODevice::WriteOnly);
        } else if (!what.isEmpty()) {
            QFile::remove(folders.phoneBook(what));
        }
    }

    // The last file dialog request, as backup and restore make it.
    void checkRequest(bool save, QWidget* owner, const QString& fileName) const
    {
        const FileDialogRequest& request = files.last();
        QCOMPARE(request.kind,
                 save ? FileDialogRequest::Kind::Save : FileDialogRequest::Kind::Open);
        QCOMPARE(request.owner, owner);
        QCOMPARE(request.title, save ? "Save to " : "Select File To open ");
        QCOMPARE(request.filter, u"Dat Files \0*.dat\0\0"_qs);
        QCOMPARE(request.flags, save ? 0x2A4006u : 0x2A5006u);
        QCOMPARE(request.fileName, fileName);
        QCOMPARE(request.defaultExt, "*.*");
        QCOMPARE(request.maxFileSize, 5120);
        QCOMPARE(request.startFolder, QDir::toNativeSeparators(QDir::currentPath()));
    }
};

} // namespace vennor::test
