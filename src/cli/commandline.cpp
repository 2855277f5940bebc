// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandline.h"

#include "cli/bookcommands.h"
#include "cli/calloptions.h"
#include "cli/dialsettings.h"
#include "cli/programinfo.h"
#include "cli/qtoptions.h"
#include "cli/syncoptions.h"
#include "cli/telnumber.h"
#include "cli/vcardcommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>

namespace vennor::app {
namespace {

constexpr int kBadUsage = 2;

Startup failure(const QString& message)
{
    return {kBadUsage, message + QStringLiteral("\nTry \"vennor --help\" for more."), {}};
}

// The usage line names the program itself: there is no application object to ask yet.
QString helpOf(const QCommandLineParser& parser)
{
    QString text = parser.helpText();
    const qsizetype firstLineEnd = text.indexOf(QLatin1Char('\n'));
    return QStringLiteral("Usage: vennor [options] [tel:NUMBER]") + text.mid(firstLineEnd) +
           QLatin1Char('\n') + bugReportText();
}

Startup startDialling(const QString& target)
{
    const auto prefix = internationalPrefix();
    const auto longest = longestDialString();
    auto number = prefix ? dialStringOf(target, *prefix) : prefix;
    if (number && !longest) {
        number = Result<QString>::failure(longest.error());
    } else if (number && number->size() > *longest) {
        number = Result<QString>::failure(tooLongRefusal(target, number->size(), *longest));
    }
    if (!number) {
        return {kBadUsage, number.error(), {}, true};
    }
    return {std::nullopt, {}, *number};
}

// "--version" also gives the vCard version of an export ("--export-vcard F --version 4.0"),
// while alone it asks for the program's version: an export's takes the other name.
QStringList withVCardVersion(QStringList arguments)
{
    const bool exporting = std::any_of(arguments.cbegin(), arguments.cend(), [](const QString& a) {
        return a.startsWith(QLatin1String("--export-vcard"));
    });
    for (qsizetype i = 1; exporting && i < arguments.size(); ++i) {
        QString& argument = arguments[i];
        if (argument.startsWith(QLatin1String("--version="))) {
            argument.replace(0, 9, QStringLiteral("--vcard-version"));
        } else if (argument == QLatin1String("--version") && i + 1 < arguments.size() &&
                   !arguments.at(i + 1).startsWith(QLatin1Char('-'))) {
            argument = QStringLiteral("--vcard-version");
        }
    }
    return arguments;
}

struct VCardOptions
{
    QCommandLineOption importFile{QStringLiteral("import-vcard"),
                                  QStringLiteral("Import every card of FILE into a phone book, "
                                                 "then exit."),
                                  QStringLiteral("FILE")};
    QCommandLineOption exportFile{
        QStringLiteral("export-vcard"),
        QStringLiteral("Export every record of a phone book to FILE "
                       "as vCard 3.0 (--version 4.0 for 4.0), then exit."),
        QStringLiteral("FILE")};
    QCommandLineOption book{QStringLiteral("book"),
                            QStringLiteral("The phone book to import into, export, link, "
                                           "unlink or sync; the default one when not given."),
                            QStringLiteral("NAME")};
    QCommandLineOption onExisting{QStringLiteral("on-existing"),
                                  QStringLiteral("replace or skip (the default) a card whose name "
                                                 "the phone book holds."),
                                  QStringLiteral("replace|skip")};
    QCommandLineOption version{QStringLiteral("vcard-version"), {}, QStringLiteral("3.0|4.0")};

    QList<QCommandLineOption> all() const
    {
        return {importFile, exportFile, book, onExisting, version};
    }
    void addTo(QCommandLineParser& parser)
    {
        version.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOptions(all());
    }
};

Startup vcardCommand(const QCommandLineParser& parser, const VCardOptions& options)
{
    const bool importing = parser.isSet(options.importFile);
    if (importing == parser.isSet(options.exportFile) ||
        (importing && parser.isSet(options.version)) ||
        (!importing && parser.isSet(options.onExisting))) {
        return failure(QStringLiteral("vennor: use --import-vcard FILE [--book NAME] "
                                      "[--on-existing replace|skip] or --export-vcard FILE "
                                      "[--book NAME] [--version 3.0|4.0]"));
    }
    const CommandOutcome outcome =
        importing ? runVCardImport(parser.value(options.importFile), parser.value(options.book),
                                   parser.value(options.onExisting))
                  : runVCardExport(parser.value(options.exportFile), parser.value(options.book),
                                   parser.value(options.version));
    const QString line =
        outcome.exitStatus == 0 ? outcome.line : QStringLiteral("vennor: ") + outcome.line;
    return {outcome.exitStatus, (QStringList{line} + outcome.details).join(u'\n'), {}};
}

Startup newBookCommand(const QCommandLineParser& parser, const QCommandLineOption& newBook)
{
    if (parser.optionNames().size() != 1 || !parser.positionalArguments().isEmpty()) {
        return failure(QStringLiteral("vennor: --new-book NAME goes alone"));
    }
    const CommandOutcome outcome = runNewBook(parser.value(newBook));
    return {outcome.exitStatus, outcome.line, {}};
}

QStringList namesOf(const QList<QCommandLineOption>& options)
{
    QStringList names;
    for (const QCommandLineOption& option : options) {
        names += option.names();
    }
    return names;
}

} // namespace

void describeApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Vennor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VENNOR_VERSION));
}

static Startup startupOf(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vennor keeps phone books and dials their numbers through a modem."));
    // "-dial" is "--dial", as users write it; Qt's own options are split off first.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption dialOption(QStringLiteral("dial"),
                                        QStringLiteral("Start and dial NUMBER (+ becomes the "
                                                       "international prefix, 00 by default)."),
                                        QStringLiteral("NUMBER"));
    parser.addOption(dialOption);
    const QCommandLineOption newBook(QStringLiteral("new-book"),
                                     QStringLiteral("Create the phone book NAME, as Edit > New "
                                                    "phone book does (the first one becomes the "
                                                    "default), then exit."),
                                     QStringLiteral("NAME"));
    parser.addOption(newBook);
    VCardOptions vcard;
    vcard.addTo(parser);
    const SyncOptions syncOptions;
    syncOptions.addTo(parser);
    const CallOptions callOptions;
    callOptions.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("tel:NUMBER"),
                                 QStringLiteral("A tel: link to dial, such as "
                                                "tel:+44-20-7946-0958 from a web page."));
    const QStringList ours = namesOf(QList<QCommandLineOption>{help, version, dialOption} +
                                     vcard.all() + syncOptions.all()) +
                             QStringList{QStringLiteral("help-all")};
    const QtArguments split = splitQtArguments(withVCardVersion(arguments), ours);
    if (!parser.parse(split.ours)) {
        return failure(QStringLiteral("vennor: ") + parser.errorText());
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        return {0, helpOf(parser) + u'\n' + qtOptionsHelp(), {}};
    }
    if (parser.isSet(help)) {
        return {0, helpOf(parser), {}};
    }
    if (parser.isSet(version)) {
        return {0, versionText(), {}};
    }
    if (parser.isSet(newBook)) {
        return newBookCommand(parser, newBook);
    }
    const QStringList links = parser.positionalArguments();
    if (callOptions.asked(parser)) {
        return links.isEmpty() && !parser.isSet(dialOption) && !syncOptions.asked(parser)
                   ? callOptions.startup(parser)
                   : failure(QStringLiteral("vennor: --calls and --watch go alone"));
    }
    if (syncOptions.asked(parser)) {
        if (!links.isEmpty() || parser.isSet(dialOption) || parser.isSet(vcard.importFile) ||
            parser.isSet(vcard.exportFile)) {
            return failure(QStringLiteral("vennor: --link, --unlink and --sync go alone"));
        }
        return syncOptions.startup(parser, parser.value(vcard.book));
    }
    const bool vcardAsked = parser.isSet(vcard.importFile) || parser.isSet(vcard.exportFile) ||
                            parser.isSet(vcard.book) || parser.isSet(vcard.onExisting) ||
                            parser.isSet(vcard.version);
    if (vcardAsked && (!links.isEmpty() || parser.isSet(dialOption))) {
        return failure(QStringLiteral("vennor: a vCard import or export dials nothing"));
    }
    if (vcardAsked) {
        return vcardCommand(parser, vcard);
    }
    if (links.size() + int(parser.isSet(dialOption)) > 1) {
        return failure(QStringLiteral("vennor: one number at a time, either tel:NUMBER or "
                                      "--dial NUMBER"));
    }
    if (parser.isSet(dialOption)) {
        return startDialling(parser.value(dialOption));
    }
    if (links.isEmpty()) {
        return {};
    }
    if (!links.first().startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) {
        return failure(QStringLiteral("vennor: \"%1\" is not a tel: link; to dial a number, "
                                      "use --dial NUMBER")
                           .arg(links.first()));
    }
    return startDialling(links.first());
}

Startup parseCommandLine(const QStringList& arguments)
{
    Startup startup = startupOf(arguments);
    startup.displayGiven = splitQtArguments(arguments, {}).namesDisplay();
    return startup;
}

} // namespace vennor::app
