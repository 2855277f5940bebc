#include "platform/printer.h"
#include "support/testregistry.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vennor;

// The default queue of a print system of the test's own (cupsd on a private socket and folder,
// in its own executable so that no other test has asked another print system before).
class PrintQueueTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QProcess cupsd_;

    static int run(const QString& tool, const QStringList& arguments)
    {
        return QProcess::execute(QStandardPaths::findExecutable(tool, {"/usr/sbin", "/sbin"}),
                                 arguments);
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin"}).isEmpty()) {
            QSKIP("cupsd is not installed (dev.sh installs cups): print queues are not tested");
        }
        QFile conf(dir_.filePath("cupsd.conf")), files(dir_.filePath("cups-files.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly) && files.open(QIODevice::WriteOnly));
        conf.write(("Listen " + dir_.filePath("s") +
                    "\n<Policy default>\n<Limit All>\n"
                    "Order deny,allow\n</Limit>\n</Policy>\n")
                       .toUtf8());
        files.write(QString("ServerRoot %1\nRequestRoot %1\nTempDir %1\nCacheDir %1\nStateDir %1\n"
                            "ErrorLog stderr\n")
                        .arg(dir_.path())
                        .toUtf8());
        conf.close(), files.close();
        qputenv("CUPS_SERVER", dir_.filePath("s").toUtf8());
        cupsd_.start(QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin"}),
                     {"-f", "-c", conf.fileName(), "-s", files.fileName()});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir_.filePath("s")), 20000);
        QCOMPARE(run("lpadmin", {"-p", "q", "-E", "-v", "file:///dev/null", "-m", "raw"}) +
                     run("lpadmin", {"-d", "q"}),
                 0);
    }
    void cleanupTestCase() { cupsd_.terminate(), cupsd_.waitForFinished(20000); }

    void refusedJobsAreReported_data()
    {
        QTest::addColumn<QString>("command"); // what is done to the queue first
        QTest::addColumn<QString>("shown");   // empty: ready to print
        const QString refused = "The printer is not accepting jobs, nothing was printed";
        QTest::newRow("accepting") << "cupsaccept" << QString();
        QTest::newRow("rejecting") << "cupsreject" << refused;
        QTest::newRow("stopped") << "cupsdisable" << refused;
    }
    void refusedJobsAreReported()
    {
        QFETCH(QString, command);
        QCOMPARE(run("cupsaccept", {"q"}) + run("cupsenable", {"q"}) + run(command, {"q"}), 0);
        const Status ready = SystemPrinter().ready();
        QTEST(ready.ok() ? QString() : ready.error(), "shown");
    }
};

VENNOR_TEST(PrintQueueTest)
#include "printqueuetest.moc"
