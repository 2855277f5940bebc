// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/vcard/vcardmenu.h"

#include "cli/vcardcommands.h"
#include "core/settingsfile.h"
#include "gui/dialogs/choosefile.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/filedialogrunner.h"
#include "gui/recordhost.h"
#include "vcard/vcardimport.h"
#include "widgets/messagebox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>

namespace vennor {
namespace {

struct VCardMenu
{
    Q_DECLARE_TR_FUNCTIONS(VCardMenu)
};

QString importTitle()
{
    return VCardMenu::tr("Import vCard");
}

QString exportTitle()
{
    return VCardMenu::tr("Export vCard");
}

void warn(RecordHost& host, const QString& text, const QString& why)
{
    MessageBox::show(host.window(), {text, VCardMenu::tr("Warning"), MessageBox::Buttons::Ok, why});
}

std::optional<QString> defaultBook(RecordHost& host)
{
    const Result<QString> book = SettingsFile().readDefaultBook();
    if (!book || !PhoneBookFile::named(*book).exists()) {
        warn(host, VCardMenu::tr("Create a phone book first."), book ? QString() : book.error());
        return std::nullopt;
    }
    return *book;
}

// The import refills the lists, which empties the editor: a changed record is saved first.
bool recordOnScreenSettled(RecordHost& host)
{
    if (!host.hasUnsavedChanges()) {
        return true;
    }
    const MessageBox::Answer answer =
        MessageBox::okCancel(host.window(), VCardMenu::tr("save the record before the import"),
                             VCardMenu::tr("Warning"));
    return answer == MessageBox::Answer::Ok && host.save();
}

std::optional<OnExisting> askOnExisting(RecordHost& host, int existing)
{
    const QString text =
        existing == 1
            ? VCardMenu::tr("1 card has a name the phone book holds already.")
            : VCardMenu::tr("%1 cards have names the phone book holds already.").arg(existing);
    const MessageBox::Answer answer = MessageBox::show(
        host.window(), {text, importTitle(), MessageBox::Buttons::ReplaceSkipCancel,
                        VCardMenu::tr("Replace the records of those names with the cards, "
                                      "or skip those cards? Cancel imports nothing.")});
    if (answer == MessageBox::Answer::Replace) {
        return OnExisting::replace;
    }
    if (answer == MessageBox::Answer::Skip) {
        return OnExisting::skip;
    }
    return std::nullopt;
}

// The save dialog with a .vcf name proposed; the path and the version the file type chose.
std::optional<std::pair<QString, VCardVersion>> chooseExportFile(RecordHost& host,
                                                                 const QString& book)
{
    FileDialog dialog;
    dialog.setDialogTitle(exportTitle());
    dialog.setFilter(QStringLiteral("vCard 3.0 (*.vcf)|*.vcf|vCard 4.0 (*.vcf)|*.vcf"));
    dialog.setFileName(book + QStringLiteral(".vcf"));
    dialog.setDefaultExtension(QStringLiteral("vcf"));
    dialog.setFlags(fileDialogOption::confirmOverwrite | fileDialogOption::hideReadOnly);
    dialog.setInitialFolder(QDir::toNativeSeparators(QDir::homePath()));
    dialog.setOwner(host.window());
    dialog.showSave();
    if (dialog.fileTitle().isEmpty()) {
        return std::nullopt;
    }
    QString path = dialog.fileName();
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".vcf");
    }
    return std::pair(path, dialog.filterIndex() == 2 ? VCardVersion::v40 : VCardVersion::v30);
}

QString summaryText(const QString& file, const QString& book, const ImportSummary& summary)
{
    return VCardMenu::tr("%1 into %2: %3.").arg(file, book, summary.counts());
}

} // namespace

void importVCardFromMenu(RecordHost& host)
{
    const std::optional<QString> book = defaultBook(host);
    if (!book || !recordOnScreenSettled(host)) {
        return;
    }
    const QString path = chooseFileToOpen(
        host.window(), importTitle(), VCardMenu::tr("vCard files (*.vcf)|*.vcf|All files|*"),
        fileDialogOption::fileMustExist | fileDialogOption::hideReadOnly);
    if (path.isEmpty()) {
        return;
    }
    const QString fileName = QFileInfo(path).fileName();
    const Result<VCardImport> import =
        VCardImport::read(path, PhoneBookFile::named(*book), importPrefix());
    if (!import) {
        warn(host, VCardMenu::tr("%1 was not imported.").arg(fileName), import.error());
        return;
    }
    OnExisting onExisting = OnExisting::skip;
    if (const int existing = import->existingCount(); existing > 0) {
        const std::optional<OnExisting> chosen = askOnExisting(host, existing);
        if (!chosen) {
            return;
        }
        onExisting = *chosen;
    }
    const Result<ImportSummary> summary = import->write(onExisting);
    if (!summary) {
        warn(host, VCardMenu::tr("%1 was not imported.").arg(fileName), summary.error());
        return;
    }
    MessageBox::show(host.window(), {summaryText(fileName, *book, *summary), importTitle(),
                                     MessageBox::Buttons::Ok, summary->details.join(u'\n'), true});
    host.refillLists();
}

void exportVCardFromMenu(RecordHost& host)
{
    const std::optional<QString> book = defaultBook(host);
    if (!book) {
        return;
    }
    const auto target = chooseExportFile(host, *book);
    if (!target) {
        return;
    }
    const QString fileName = QFileInfo(target->first).fileName();
    const Result<int> written =
        exportVCards(PhoneBookFile::named(*book), target->first, target->second, importPrefix());
    if (!written) {
        warn(host, VCardMenu::tr("%1 was not written.").arg(fileName), written.error());
        return;
    }
    MessageBox::show(host.window(), {exportedText(*written, *book, fileName),
                                     exportTitle(),
                                     MessageBox::Buttons::Ok,
                                     {},
                                     true});
}

} // namespace vennor
