#include "storage/settingsfile.h"
#include "storage/scramble.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"
#include "writefault.h"

#include <QFile>
#include <QTest>

using namespace vennor;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray stored(const QString& plain)
{
    return scramble(scrambleKey(), plain).toLatin1();
}

} // namespace

class SettingsFileTest : public QObject
{
    Q_OBJECT

private slots:
    void missingOrShortFile()
    {
        test::TempFolders folders;
        const SettingsFile settings;
        QCOMPARE(settings.path(), folders.settingsFile());
        QVERIFY(!settings.canOpen());
        QVERIFY(!settings.readAll().ok());
        QVERIFY(!settings.readPortLine().ok());
        QVERIFY(!settings.readDefaultBook().error().isEmpty());

        put(folders.settingsFile(), {});
        QVERIFY(settings.canOpen());
        QVERIFY(!settings.readPortLine().ok());

        put(folders.settingsFile(), noModemLine().toLatin1() + "\r\n");
        QCOMPARE(*settings.readPortLine(), QStringLiteral("none"));
        QVERIFY(!settings.readDefaultBook().ok()); // line 1 only: no phone book yet

        folders.writeSettings({"7", "Home", "Work"});
        QCOMPARE(*settings.readPortLine(), QStringLiteral("7"));
        QCOMPARE(*settings.readDefaultBook(), QStringLiteral("Home"));
    }

    // Stored lines may hold commas, quotes and blanks at either end: each is one whole line.
    void linesAreReadWhole()
    {
        test::TempFolders folders;
        const QByteArrayList lines = {"b+", " ,\"x", "\"a,b\" ", "  lead", ",", "\"", "", "lf"};
        put(folders.settingsFile(), lines.mid(0, 7).join("\r\n") + "\r\nlf\n");
        QStringList expected;
        for (const QByteArray& line : lines) {
            expected << unscramble(scrambleKey(), QString::fromLatin1(line));
        }
        QCOMPARE(*SettingsFile().readAll(), expected);
        put(folders.settingsFile(), "b+\r\nyjL8"); // no line end after the last line
        QCOMPARE(*SettingsFile().readAll(), (QStringList{"10", "Home"}));
    }

    void rewritesEveryLineScrambled()
    {
        test::TempFolders folders;
        const QStringList lines = {"10", "Home", "My, \"odd\" book "};
        QVERIFY(SettingsFile().rewrite(lines).ok());
        QCOMPARE(bytesOf(folders.settingsFile()), "b+\r\nyjL8\r\n" + stored(lines.last()) + "\r\n");
        // Writing back what was read changes nothing.
        QVERIFY(SettingsFile().rewrite(*SettingsFile().readAll()).ok());
        QCOMPARE(*SettingsFile().readAll(), lines);
        QVERIFY(SettingsFile().rewrite({"1", QString::fromUtf8("Bü\tro")}).ok());
        QCOMPARE(*SettingsFile().readDefaultBook(), QStringLiteral("Bro"));
    }

    void appendsBookAfterPortLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("port line") << QByteArray("b+\r\n") << QByteArray("b+\r\nyjL8\r\n");
        QTest::newRow("no line end") << QByteArray("b+") << QByteArray("b+\r\nyjL8\r\n");
        // Without a port line the name would become line 1 and be taken for a port.
        QTest::newRow("missing file") << QByteArray() << QByteArray("@jM8\r\nyjL8\r\n");
    }
    void appendsBookAfterPortLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        test::TempFolders folders;
        if (!before.isEmpty()) {
            put(folders.settingsFile(), before);
        }
        QVERIFY(SettingsFile().appendBook(QStringLiteral("Home")).ok());
        QCOMPARE(bytesOf(folders.settingsFile()), after);
        QCOMPARE(*SettingsFile().readDefaultBook(), QStringLiteral("Home"));
        QVERIFY(SettingsFile().appendBook(QStringLiteral("Work")).ok());
        QCOMPARE(bytesOf(folders.settingsFile()), after + stored("Work") + "\r\n");
    }

    void readwritecomCreatesMissingFile_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("port 10") << 10 << QByteArray("b+\r\n");
        QTest::newRow("none found") << 0 << QByteArray("@jM8\r\n");
    }
    void readwritecomCreatesMissingFile()
    {
        QFETCH(int, port);
        QFETCH(QByteArray, bytes);
        test::TempFolders folders;
        QVERIFY(SettingsFile().readwritecom(port ? std::optional(port) : std::nullopt).ok());
        QCOMPARE(bytesOf(folders.settingsFile()), bytes);
    }

    void readwritecomReplacesOnlyLine1()
    {
        test::TempFolders folders;
        put(folders.settingsFile(),
            "@jM8\r\n" + stored("10") + "\r\nyjL8\r\n" + stored(" ,x") + "\r\n");
        QVERIFY(SettingsFile().readwritecom(10).ok());
        QCOMPARE(folders.readSettings(), (QStringList{"10", "10", "Home", " ,x"}));
        QVERIFY(SettingsFile().readwritecom(std::nullopt).ok());
        QVERIFY(bytesOf(folders.settingsFile()).startsWith("@jM8\r\n"));
        QCOMPARE(folders.readSettings(), (QStringList{"none", "10", "Home", " ,x"}));
    }

    void failedWritesKeepTheFile()
    {
        test::TempFolders folders;
        folders.writeSettings({"3", "Home", "Work"});
        const QByteArray old = bytesOf(folders.settingsFile());
        QList<Status> results;
        {
            test::FileSizeLimit limit(old.size());
            if (!limit.active()) {
                QSKIP("no file size limit on this platform");
            }
            results << SettingsFile().rewrite({"3", "Home", "Work", "A much longer list"})
                    << SettingsFile().appendBook(QStringLiteral("Office"))
                    << SettingsFile().readwritecom(10);
        }
        for (const Status& status : std::as_const(results)) {
            QVERIFY(status.error().contains(QLatin1String("com.exe")));
        }
        QCOMPARE(bytesOf(folders.settingsFile()), old);
    }
};

VENNOR_TEST(SettingsFileTest)
#include "settingsfiletest.moc"
