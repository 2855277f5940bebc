// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/bookcommands.h"

#include "core/bookname.h"
#include "core/phonebook.h"
#include "core/printabletext.h"
#include "core/settingsfile.h"
#include "sync/syncnotes.h"

#include <QFile>

namespace vennor {
namespace {

CommandOutcome refused(const QString& line, int status)
{
    return {QStringLiteral("vennor: ") + printableForTerminal(line), {}, status};
}

} // namespace

CommandOutcome runNewBook(const QString& name)
{
    if (!isValidBookName(name)) {
        return refused(QStringLiteral("\"%1\" cannot name a phone book: use printable ASCII "
                                      "characters other than \\ / : * ? \" < > |")
                           .arg(name),
                       2);
    }
    const SettingsFile settings;
    const Result<QStringList> lines = settings.readAll();
    if (!lines && QFile::exists(settings.path())) {
        return refused(
            QStringLiteral("the list of phone books could not be read: %1").arg(lines.error()), 1);
    }
    const PhoneBookFile book = PhoneBookFile::named(name);
    if ((lines && lines->indexOf(name, 1) >= 1) || book.exists()) {
        return refused(QStringLiteral("there is a phone book called \"%1\" already").arg(name), 1);
    }
    const QString notCreated = QStringLiteral("the phone book %1 could not be created: %2");
    // A link left by a book of this name deleted earlier belongs to no book.
    if (const auto unlinked = dropLink(book.path()); !unlinked) {
        return refused(notCreated.arg(name, unlinked.error()), 1);
    }
    if (const Status made = book.createEmpty(); !made) {
        return refused(notCreated.arg(name, made.error()), 1);
    }
    if (const Status added = settings.appendBook(name); !added) {
        QFile::remove(book.path());
        return refused(notCreated.arg(name, added.error()), 1);
    }
    const bool first = !lines || lines->size() < 2;
    return {first ? QStringLiteral("Created the phone book %1, the default one.").arg(name)
                  : QStringLiteral("Created the phone book %1.").arg(name),
            {},
            0};
}

} // namespace vennor
