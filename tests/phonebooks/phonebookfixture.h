#pragma once

#include "phonebooks/newphone_book.h"
#include "platform/folders.h"
#include "storage/sharedstate.h"
#include "support/fakerecordhost.h"
#include "support/messagelog.h"
#include "support/tempfolders.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

namespace vennor::test {

// Temporary folders, answered message boxes and a stand-in main window for one test.
struct PhoneBookFixture
{
    TempFolders folders;
    MessageLog messages;
    SharedState state;
    FakeRecordHost host;

    std::unique_ptr<newphone_book> open(int mode)
    {
        state.pbmode = mode;
        auto dialog = std::make_unique<newphone_book>(state, host, host.window());
        dialog->show();
        return dialog;
    }

    // The usual start: port 3, Home the default, then Office. Each book's first line is the
    // name it was created with, so a renamed or copied file shows where it came from.
    void writeHomeAndOffice()
    {
        folders.writeSettings({"3", "Home", "Office"});
        writeBook("Home");
        writeBook("Office");
    }
    void writeBook(const QString& name, const QString& origin = {})
    {
        folders.writePhoneBook(name, (origin.isEmpty() ? name : origin).toUtf8() + "\r\n)\r\n");
    }

    // The phone book folder's files, each as "file=first line".
    QStringList books() const
    {
        QStringList found;
        const QDir dir(folders::phoneBookFolder());
        for (const QString& file : dir.entryList(QDir::Files, QDir::Name)) {
            QFile book(dir.filePath(file));
            const QByteArray first = book.open(QIODevice::ReadOnly) ? book.readLine() : "?";
            found << file + QLatin1Char('=') + QString::fromUtf8(first).trimmed();
        }
        return found;
    }

    // The boxes shown so far, each as "title: text".
    QStringList shown() const
    {
        QStringList lines;
        for (const MessageBox::Request& request : messages.shown()) {
            lines << request.title + QStringLiteral(": ") + request.text;
        }
        return lines;
    }

    // Replaces the settings file by a folder of the same name: it can then be neither read
    // nor rewritten, whoever runs the test.
    void blockSettingsFile()
    {
        QFile::remove(folders.settingsFile());
        QDir().mkpath(folders.settingsFile());
    }
};

} // namespace vennor::test
