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

    // The usual start: port 3, Home the default, then Office; each book with its own bytes.
    void writeHomeAndOffice()
    {
        folders.writeSettings({"3", "Home", "Office"});
        folders.writePhoneBook("Home", "ann\r\n1555 1234\r\n)\r\n");
        folders.writePhoneBook("Office", "bob\r\n20555 9876\r\n)\r\n");
    }

    // The files in the phone book folder, by name.
    QStringList bookFiles() const
    {
        return QDir(folders::phoneBookFolder()).entryList(QDir::Files, QDir::Name);
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
