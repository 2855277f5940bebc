// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/phonebooks/backup.h"

#include "core/folders.h"
#include "core/settingsfile.h"
#include "gui/dialogs/choosefile.h"
#include "gui/dialogs/filedialogrunner.h"
#include "gui/phonebooks/booknames.h"
#include "gui/phonebooks/filecopy.h"
#include "gui/recordhost.h"
#include "sync/syncnotes.h"
#include "widgets/messagebox.h"

#include <QCoreApplication>
#include <QFile>

namespace vennor {
namespace {

struct Backup
{
    Q_DECLARE_TR_FUNCTIONS(Backup)
};

QString datFilter()
{
    return Backup::tr("Dat Files |*.dat");
}

// A copy may have been saved under any name.
QString openFilter()
{
    return datFilter() + u'|' + Backup::tr("All files") + QStringLiteral("|*");
}

using namespace fileDialogOption;
constexpr quint32 kSaveOptions =
    confirmOverwrite | hideReadOnly | shareAware | noNetworkButton | explorerStyle | longNames;
constexpr quint32 kOpenOptions = kSaveOptions | fileMustExist;

void warn(QWidget* parent, const QString& text, const QString& reason = {})
{
    MessageBox::show(parent, {text, Backup::tr("Warning"), MessageBox::Buttons::Ok, reason});
}

// Reports a copy that did not happen; true when the file was copied.
bool reportCopy(QWidget* parent, const CopyOutcome& outcome)
{
    switch (outcome.kind) {
    case CopyOutcome::Kind::Copied:
        return true;
    case CopyOutcome::Kind::SameFile:
        warn(parent, Backup::tr("The file chosen is the phone book itself; nothing was copied"));
        return false;
    case CopyOutcome::Kind::Failed:
        warn(parent, Backup::tr("The copy failed"), outcome.reason);
        return false;
    }
    return false;
}

// The settings file's lines; none when it does not exist yet.
Result<QStringList> settingsLines(const SettingsFile& settings)
{
    if (!QFile::exists(settings.path())) {
        return QStringList();
    }
    return settings.readAll();
}

// An older copy put in place of a linked book must not undo on the server what was done
// since: its next sync merges both sides and deletes nothing. A link left where no book was
// belongs to none.
void keepLinkHonest(QWidget* parent, const QString& name, const QString& bookPath, bool replaced)
{
    Status kept = Status::success();
    if (replaced) {
        // Kept in English in the link's file; translated when the sync reports it.
        kept =
            noteReplaced(bookPath, QString::fromUtf8(QT_TRANSLATE_NOOP(
                                       "SyncText", "The phone book was restored from a backup")));
    } else if (const auto dropped = dropLink(bookPath); !dropped) {
        kept = Status::failure(dropped.error());
    }
    if (!kept) {
        warn(parent,
             Backup::tr("The phone book %1 was restored; unlink it and link it again before "
                        "it syncs")
                 .arg(name),
             kept.error());
    }
}

} // namespace

void makeBackup(QWidget* parent, const QString& bookName)
{
    const QString target =
        chooseFileToSave(Backup::tr("Save to "), datFilter(), kSaveOptions, bookName);
    if (target.isEmpty()) {
        return;
    }
    if (const std::optional<QString> source = folders::phoneBookPath(bookName)) {
        reportCopy(parent, copyReplacing(*source, target));
    }
}

void getBackup(RecordHost& host)
{
    QWidget* parent = host.window();
    const QString source =
        chooseFileToOpen(parent, Backup::tr("Select File To open "), openFilter(), kOpenOptions);
    if (source.isEmpty()) {
        return;
    }
    const QString name = baseNameOf(source);
    const std::optional<QString> target = folders::phoneBookPath(name);
    if (!target) {
        warn(parent, Backup::tr("Enter a valid name for the phone book"));
        return;
    }
    const SettingsFile settings;
    const Result<QStringList> lines = settingsLines(settings);
    if (!lines) {
        warn(parent, Backup::tr("The list of phone books could not be read"), lines.error());
        return;
    }
    const bool listed = lines->indexOf(name, 1) >= 1;
    // A book file that fell out of the list (the settings file was made anew) is chosen where
    // it lies: it is listed again as it is, with nothing to copy and nothing to ask.
    const bool inPlace = !listed && isSameFile(source, *target);
    if (!inPlace && (listed || QFile::exists(*target)) &&
        MessageBox::okCancel(parent, Backup::tr("   File exists.. Overwrite"),
                             Backup::tr("Warning ")) != MessageBox::Answer::Ok) {
        return;
    }
    const bool replacing = QFile::exists(*target);
    if (!inPlace && !reportCopy(parent, copyReplacing(source, *target))) {
        return;
    }
    if (!inPlace) {
        keepLinkHonest(parent, name, *target, replacing);
    }
    if (!listed) {
        if (Status added = settings.appendBook(name); !added) {
            warn(parent,
                 Backup::tr("The phone book %1 was restored but could not be added to the list")
                     .arg(name),
                 added.error());
            return;
        }
    }
    if (lines->value(1) == name) {
        host.refillLists();
    }
}

} // namespace vennor
