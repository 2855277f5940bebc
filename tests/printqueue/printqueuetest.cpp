#include "platform/printer.h"
#include "support/testregistry.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vennor;

namespace {

const QString kQueue = QStringLiteral("vennor-test");
const QString kNotAccepting =
    QStringLiteral("The printer is not accepting jobs, nothing was printed");

QString tool(const QString& name)
{
    return QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin", "/usr/bin"});
}

bool writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

// The default queue of a print system of the test's own (cupsd on a private socket and spool
// folder, its own executable so that no other test has asked another print system before).
class PrintQueueTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QProcess cupsd_;
    QString socket_;

    bool admin(const QString& program, QStringList arguments) const
    {
        QProcess process;
        process.start(tool(program), QStringList{"-h", socket_} + arguments);
        return process.waitForFinished(20000) && process.exitCode() == 0;
    }

private slots:
    void initTestCase()
    {
        if (tool("cupsd").isEmpty() || tool("lpadmin").isEmpty()) {
            QSKIP("cupsd is not installed (dev.sh installs cups): print queues are not tested");
        }
        const QString root = dir_.path();
        socket_ = root + "/cups.sock";
        QVERIFY(QDir(root).mkpath("spool") && QDir(root).mkpath("log"));
        QVERIFY(writeFile(root + "/cupsd.conf", "Listen " + socket_ + R"(
<Policy default>
<Limit All>
Order deny,allow
</Limit>
</Policy>
)"));
        QVERIFY(writeFile(root + "/cups-files.conf", QString(R"(ServerRoot %1
RequestRoot %1/spool
TempDir %1/spool
CacheDir %1/spool
StateDir %1/spool
ErrorLog %1/log/error_log
AccessLog %1/log/access_log
PageLog %1/log/page_log
)")
                                                         .arg(root)));
        qputenv("CUPS_SERVER", socket_.toUtf8());
        cupsd_.start(tool("cupsd"),
                     {"-f", "-c", root + "/cupsd.conf", "-s", root + "/cups-files.conf"});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket_), 20000);
        QVERIFY(admin("lpadmin", {"-p", kQueue, "-E", "-v", "file:///dev/null", "-m", "raw"}));
        QVERIFY(admin("lpadmin", {"-d", kQueue}));
    }
    void cleanupTestCase()
    {
        cupsd_.terminate();
        cupsd_.waitForFinished(20000);
    }

    void refusedJobsAreReported_data()
    {
        QTest::addColumn<QString>("command"); // what is done to the queue first
        QTest::addColumn<QString>("shown");   // empty: ready to print
        QTest::newRow("accepting") << ""
                                   << "";
        QTest::newRow("rejecting") << "cupsreject" << kNotAccepting;
        QTest::newRow("stopped") << "cupsdisable" << kNotAccepting;
    }
    void refusedJobsAreReported()
    {
        QFETCH(QString, command);
        QVERIFY(admin("cupsaccept", {kQueue}) && admin("cupsenable", {kQueue}));
        QVERIFY(command.isEmpty() || admin(command, {kQueue}));
        const SystemPrinter printer;
        const Status ready = printer.ready();
        QTEST(ready.ok() ? QString() : ready.error(), "shown");
    }
};

VENNOR_TEST(PrintQueueTest)
#include "printqueuetest.moc"
