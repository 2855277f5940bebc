#include "app/commandline.h"
#include "app/dialsettings.h"
#include "app/telnumber.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace vennor;

// A leading "!" in an expected dial string: a refusal whose message holds the rest.
static void compareOutcome(const Result<QString>& got, const QString& expected)
{
    if (expected.startsWith('!')) {
        QVERIFY2(!got && got.error().contains(expected.mid(1)), qPrintable(got.error()));
    } else {
        QVERIFY2(got, qPrintable(got.error()));
        QCOMPARE(*got, expected);
    }
}

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { app::describeApplication(); }

    void telLinksBecomeDialStrings_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, QString target, QString prefix, QString expected) {
            QTest::newRow(name) << target << prefix << expected;
        };
        row("global, dashes", "tel:+44-20-7946-0958", "00", "00442079460958");
        row("other prefix, brackets, dots", "tel:+1 (555) 010.9999", "011", "01115550109999");
        row("percent-encoded", "tel:%2B44%2020%207946%200958", "00", "00442079460958");
        row("capitals, slashes", "TEL://+44-20", "00", "004420");
        row("local with context", "tel:7946-0958;phone-context=example.com", "00", "79460958");
        row("star and hash", "tel:*31#0123", "00", "*31#0123");
        row("typed, blanks", " 020 7946 0958 ", "00", "02079460958");
        row("unknown parameter", "tel:+44-20;foo=bar", "00", "004420");
        row("empty", "tel:", "00", "!there is no number");
        row("plus alone", "tel:+-", "00", "!there is no number");
        row("letters", "tel:1-800-FLOWERS", "00", "!only digits, * and #");
        row("star after plus", "tel:+44*1", "00", "!digits only");
        row("extension", "tel:+44-20-7946-0958;ext=123", "00", "!extension");
        row("context on global", "tel:+4420;phone-context=+44", "00", "!phone-context");
    }
    void telLinksBecomeDialStrings()
    {
        QFETCH(QString, target);
        QFETCH(QString, prefix);
        QFETCH(QString, expected);
        compareOutcome(app::dialStringOf(target, prefix), expected);
    }

    // status -1: the program starts (and dials number); 2 and "!": a number refused, which a
    // desktop user who clicked a link sees in a box. iniPrefix: vennor.ini's value, if any.
    void outcomes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("iniPrefix");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("number");
        const auto row = [](const char* name, QStringList arguments, QString ini, int status,
                            QString message, QString number) {
            QTest::newRow(name) << arguments << ini << status << message << number;
        };
        row("nothing", {}, "", -1, "", "");
        row("help despite a bad prefix", {"--help"}, "0x", 0, "Usage: vennor [options]", "");
        row("version", {"--version"}, "", 0, "vennor 1.4", "");
        row("tel link", {"tel:+44-20-7946-0958"}, "", -1, "", "00442079460958");
        row("dial, own prefix", {"--dial", "+1 555 0100"}, "011", -1, "", "01115550100");
        row("Qt's own option", {"-platform", "offscreen", "tel:123"}, "", -1, "", "123");
        row("bad prefix", {"tel:+1"}, "0x", 2, "!\"0x\" in ", "");
        row("no digits", {"tel:"}, "", 2, "!there is no number", "");
        row("letters", {"--dial", "abc"}, "", 2, "!only digits", "");
        row("not a link", {"http://example.org"}, "", 2, "is not a tel: link", "");
        row("two numbers", {"tel:1", "--dial", "2"}, "", 2, "one number at a time", "");
        row("unknown option", {"--frobnicate"}, "", 2, "Unknown option", "");
        row("dial without number", {"--dial"}, "", 2, "Missing value", "");
    }
    void outcomes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, iniPrefix);
        QFETCH(QString, message);
        test::TempFolders folders;
        if (!iniPrefix.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(app::dialSettingsPath()).path()));
            QFile ini(app::dialSettingsPath());
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write("[tel]\ninternationalPrefix=" + iniPrefix.toUtf8() + "\n");
        }
        const app::Startup startup = app::parseCommandLine(QStringList{"vennor"} + arguments);
        QTEST(startup.exitStatus.value_or(-1), "status");
        QCOMPARE(startup.refusedNumber, message.startsWith('!'));
        message.remove(QRegularExpression("^!"));
        QVERIFY2(startup.message.contains(message), qPrintable(startup.message));
        QVERIFY(!message.isEmpty() || startup.message.isEmpty());
        QTEST(startup.number, "number");
    }
};

VENNOR_TEST(CommandLineTest)
#include "commandlinetest.moc"
