// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

private slots:
    void refusedJobsAreReported()
    {
        const auto tool = [](const QString& name) {
            return QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin"});
        };
        const auto run = [&](const QString& name, const QString& argument) {
            return QProcess::execute(tool(name), argument.split(' '));
        };
        if (tool("cupsd").isEmpty()) {
            QSKIP("cupsd is not installed (dev.sh installs cups): print queues are not tested");
        }
        QTemporaryDir dir;
        QFile conf(dir.filePath("cupsd.conf")), files(dir.filePath("cups-files.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly) && files.open(QIODevice::WriteOnly));
        conf.write(("Listen " + dir.filePath("s") +
                    "\n<Policy default>\n<Limit All>\n"
                    "Order deny,allow\n</Limit>\n</Policy>\n")
                       .toUtf8());
        files.write(QString("ServerRoot %1\nRequestRoot %1\nTempDir %1\nCacheDir %1\nStateDir %1\n"
                            "ErrorLog %1/log\nAccessLog %1/log\nPageLog %1/log\n")
                        .arg(dir.path())
                        .toUtf8());
        conf.close(), files.close();
        qputenv("CUPS_SERVER", dir.filePath("s").toUtf8());
        QProcess cupsd;
        cupsd.start(tool("cupsd"), {"-f", "-c", conf.fileName(), "-s", files.fileName()});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("s")), 20000);
        QCOMPARE(run("lpadmin", "-p q -E -v file:///dev/null -m raw") + run("lpadmin", "-d q"), 0);
        const QString refused = "The printer is not accepting jobs, nothing was printed";
        for (const auto& [command, shown] : std::initializer_list<std::pair<QString, QString>>{
                 {"cupsaccept", ""}, {"cupsreject", refused}, {"cupsdisable", refused}}) {
            QCOMPARE(run("cupsaccept", "q") + run("cupsenable", "q") + run(command, "q"), 0);
            const Status ready = SystemPrinter().ready();
            QCOMPARE(ready.ok() ? QString() : ready.error(), shown);
        }
        cupsd.terminate(), cupsd.waitForFinished(20000);
    }
};

VENNOR_TEST(PrintQueueTest)
#include "printqueuetest.moc"
