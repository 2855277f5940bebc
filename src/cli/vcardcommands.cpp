// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/vcardcommands.h"

#include "cli/dialsettings.h"
#include "cli/standardstreams.h"
#include "core/printabletext.h"
#include "core/settingsfile.h"
#include "vcard/vcardimport.h"

#include <QFileInfo>
#include <optional>

namespace vennor {
namespace {

// What the terminal shows comes from files and cards: nothing in it may steer the terminal.
CommandOutcome printable(const QString& line, const QStringList& details, int status)
{
    QStringList shown;
    for (const QString& detail : details) {
        shown.append(printableForTerminal(detail));
    }
    return {printableForTerminal(line), shown, status};
}

CommandOutcome failed(const QString& line, int status = 1)
{
    return printable(line, {}, status);
}

std::optional<OnExisting> onExistingNamed(const QString& text)
{
    if (text.isEmpty() || text == u"skip") {
        return OnExisting::skip;
    }
    if (text == u"replace") {
        return OnExisting::replace;
    }
    return std::nullopt;
}

std::optional<VCardVersion> versionNamed(const QString& text)
{
    if (text.isEmpty() || text == u"3.0") {
        return VCardVersion::v30;
    }
    if (text == u"4.0") {
        return VCardVersion::v40;
    }
    return std::nullopt;
}

// Standard output carries the cards alone, so that they can be piped on; it says nothing else.
CommandOutcome exportToOutput(const PhoneBookFile& book, VCardVersion version)
{
    const Result<ExportedCards> cards = cardsOf(book, version, importPrefix());
    if (!cards) {
        return failed(cards.error());
    }
    if (const Status written = app::writeAllTo(stdout, cards->bytes); !written) {
        return failed(
            QStringLiteral("cannot write the cards to standard output: %1").arg(written.error()));
    }
    return {};
}

} // namespace

Result<QString> chosenBook(const QString& book)
{
    const Result<QStringList> lines = SettingsFile().readAll();
    const QStringList books = lines ? lines->mid(1) : QStringList();
    if (books.isEmpty()) {
        return Result<QString>::failure(QStringLiteral("There is no phone book yet."));
    }
    if (book.isEmpty()) {
        return books.front();
    }
    if (!books.contains(book)) {
        return Result<QString>::failure(
            QStringLiteral("There is no phone book called \"%1\".").arg(book));
    }
    return book;
}

QString importPrefix()
{
    const Result<QString> prefix = app::internationalPrefix();
    return prefix ? *prefix : defaultInternationalPrefix();
}

CommandOutcome runVCardImport(const QString& file, const QString& book, const QString& onExisting)
{
    const std::optional<OnExisting> choice = onExistingNamed(onExisting);
    if (!choice) {
        return failed(
            QStringLiteral("--on-existing takes replace or skip, not \"%1\".").arg(onExisting), 2);
    }
    const Result<QString> name = chosenBook(book);
    if (!name) {
        return failed(name.error(), book.isEmpty() ? 1 : 2);
    }
    const PhoneBookFile target = PhoneBookFile::named(*name);
    const bool fromInput = app::isStandardStream(file);
    const QString source =
        fromInput ? QStringLiteral("standard input") : QFileInfo(file).fileName();
    const Result<VCardImport> import =
        fromInput ? VCardImport::parse(app::readAllOf(stdin), source, target, importPrefix())
                  : VCardImport::read(file, target, importPrefix());
    if (!import) {
        return failed(import.error() + QStringLiteral(" Nothing was imported."));
    }
    const Result<ImportSummary> summary = import->write(*choice);
    if (!summary) {
        return failed(summary.error() + QStringLiteral(" Nothing was imported."));
    }
    return printable(QStringLiteral("%1 into %2: %3.").arg(source, *name, summary->counts()),
                     summary->details, 0);
}

CommandOutcome runVCardExport(const QString& file, const QString& book, const QString& version)
{
    const std::optional<VCardVersion> chosenVersion = versionNamed(version);
    if (!chosenVersion) {
        return failed(QStringLiteral("--version takes 3.0 or 4.0, not \"%1\".").arg(version), 2);
    }
    const Result<QString> name = chosenBook(book);
    if (!name) {
        return failed(name.error(), book.isEmpty() ? 1 : 2);
    }
    if (app::isStandardStream(file)) {
        return exportToOutput(PhoneBookFile::named(*name), *chosenVersion);
    }
    const Result<int> written =
        exportVCards(PhoneBookFile::named(*name), file, *chosenVersion, importPrefix());
    if (!written) {
        return failed(written.error());
    }
    return printable(exportedText(*written, *name, QFileInfo(file).fileName()), {}, 0);
}

} // namespace vennor
