#include "app/commandline.h"

#include "app/dialsettings.h"
#include "app/telnumber.h"

#include <QCommandLineParser>
#include <QCoreApplication>

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
    return QStringLiteral("Usage: vennor [options] [tel:NUMBER]") + text.mid(firstLineEnd);
}

Startup startDialling(const QString& target)
{
    const auto prefix = internationalPrefix();
    const auto number = prefix ? dialStringOf(target, *prefix) : prefix;
    if (!number) {
        return {kBadUsage, number.error(), {}, true};
    }
    return {std::nullopt, {}, *number};
}

} // namespace

void describeApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Vennor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VENNOR_VERSION));
}

Startup parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vennor keeps phone books and dials their numbers through a modem."));
    // Qt's own -platform, -display and -style are read by the window toolkit.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption dial(QStringLiteral("dial"),
                                  QStringLiteral("Start and dial NUMBER (+ becomes the "
                                                 "international prefix, 00 by default)."),
                                  QStringLiteral("NUMBER"));
    parser.addOption(dial);
    for (const char* qtOption : {"platform", "display", "style"}) {
        QCommandLineOption option(QString::fromLatin1(qtOption), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(QStringLiteral("tel:NUMBER"),
                                 QStringLiteral("A tel: link to dial, such as "
                                                "tel:+44-20-7946-0958 from a web page."));
    if (!parser.parse(arguments)) {
        return failure(QStringLiteral("vennor: ") + parser.errorText());
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        return {0, helpOf(parser), {}};
    }
    if (parser.isSet(version)) {
        return {0, QStringLiteral("vennor ") + QCoreApplication::applicationVersion(), {}};
    }
    const QStringList links = parser.positionalArguments();
    if (links.size() + int(parser.isSet(dial)) > 1) {
        return failure(QStringLiteral("vennor: one number at a time, either tel:NUMBER or "
                                      "--dial NUMBER"));
    }
    if (parser.isSet(dial)) {
        return startDialling(parser.value(dial));
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

} // namespace vennor::app
