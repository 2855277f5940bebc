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
    void usualPlaceIsTheSettingsFolder()
    {
        test::TempFolders folders;
        QCOMPARE(SettingsFile().path(), folders.settingsFile());
        QVERIFY(folders.settingsFile().endsWith(QLatin1String("/vennor/com.exe")));
    }

    void missingFile()
    {
        test::TempFolders folders;
        const SettingsFile settings;
        QVERIFY(!settings.canOpen());
        QVERIFY(!settings.readAll().ok());
        QVERIFY(!settings.readPortLine().ok());
        const Result<QString> book = settings.readDefaultBook();
        QVERIFY(!book.ok());
        QVERIFY(!book.error().isEmpty());
    }

    // Stored lines may hold commas, quotes and blanks at either end: each is one whole line.
    void linesAreReadWhole()
    {
        test::TempFolders folders;
        const QByteArrayList storedLines = {"b+", " ,\"x", "\"a,b\" ", "  lead", ",", "\"", ""};
        put(folders.settingsFile(), storedLines.join("\r\n") + "\r\nlast\nlf only\n");
        const Result<QStringList> lines = SettingsFile().readAll();
        QVERIFY(lines.ok());
        QStringList expected;
        for (const QByteArray& line : storedLines + QByteArrayList{"last", "lf only"}) {
            expected << unscramble(scrambleKey(), QString::fromLatin1(line));
        }
        QCOMPARE(*lines, expected);
        QCOMPARE(lines->first(), QStringLiteral("10"));
    }

    void lastLineWithoutLineEnd()
    {
        test::TempFolders folders;
        put(folders.settingsFile(), stored("3") + "\r\n" + stored("Home"));
        QCOMPARE(*SettingsFile().readAll(), (QStringList{"3", "Home"}));
    }

    void portAndDefaultBook()
    {
        test::TempFolders folders;
        const SettingsFile settings;
        put(folders.settingsFile(), noModemLine().toLatin1() + "\r\n");
        QVERIFY(settings.canOpen());
        QCOMPARE(*settings.readPortLine(), QStringLiteral("none"));
        QVERIFY(!settings.readDefaultBook().ok()); // line 1 only: no phone book yet

        folders.writeSettings({"7", "Home", "Work"});
        QCOMPARE(*settings.readPortLine(), QStringLiteral("7"));
        QCOMPARE(*settings.readDefaultBook(), QStringLiteral("Home"));
    }

    void emptyFileHasNoPortLine()
    {
        test::TempFolders folders;
        put(folders.settingsFile(), {});
        QVERIFY(SettingsFile().canOpen());
        QVERIFY(!SettingsFile().readPortLine().ok());
        QVERIFY(!SettingsFile().readDefaultBook().ok());
    }

    void rewriteScramblesEveryLine()
    {
        test::TempFolders folders;
        QVERIFY(SettingsFile().rewrite({"10", "Home", "My, \"odd\" book "}).ok());
        QCOMPARE(bytesOf(folders.settingsFile()),
                 QByteArray("b+\r\nyjL8\r\n") + stored("My, \"odd\" book ") + "\r\n");
        QCOMPARE(*SettingsFile().readAll(), (QStringList{"10", "Home", "My, \"odd\" book "}));
    }

    void rewriteDropsWhatCannotBeScrambled()
    {
        test::TempFolders folders;
        QVERIFY(SettingsFile().rewrite({"1", QString::fromUtf8("Bü\tro")}).ok());
        QCOMPARE(*SettingsFile().readDefaultBook(), QStringLiteral("Bro"));
    }

    void appendedBookBecomesDefaultAfterPortLine()
    {
        test::TempFolders folders;
        put(folders.settingsFile(), "b+\r\n");
        QVERIFY(SettingsFile().appendBook(QStringLiteral("Home")).ok());
        QVERIFY(SettingsFile().appendBook(QStringLiteral("Work")).ok());
        QCOMPARE(*SettingsFile().readDefaultBook(), QStringLiteral("Home"));
        QCOMPARE(bytesOf(folders.settingsFile()),
                 QByteArray("b+\r\nyjL8\r\n") + stored("Work") + "\r\n");
    }

    void appendAfterLastLineWithoutLineEnd()
    {
        test::TempFolders folders;
        put(folders.settingsFile(), "b+");
        QVERIFY(SettingsFile().appendBook(QStringLiteral("Home")).ok());
        QCOMPARE(*SettingsFile().readAll(), (QStringList{"10", "Home"}));
    }

    // Without a file the name must not become line 1, where it would be taken for a port.
    void appendToMissingFileWritesNoModemLineFirst()
    {
        test::TempFolders folders;
        QVERIFY(SettingsFile().appendBook(QStringLiteral("Home")).ok());
        QCOMPARE(bytesOf(folders.settingsFile()), QByteArray("@jM8\r\nyjL8\r\n"));
        QCOMPARE(*SettingsFile().readPortLine(), QStringLiteral("none"));
        QCOMPARE(*SettingsFile().readDefaultBook(), QStringLiteral("Home"));
    }

    void readwritecomCreatesMissingFile_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("port 10") << 10 << QByteArray("b+\r\n");
        QTest::newRow("port 1") << 1 << stored("1") + "\r\n";
        QTest::newRow("none found") << 0 << QByteArray("@jM8\r\n");
    }
    void readwritecomCreatesMissingFile()
    {
        QFETCH(int, port);
        QFETCH(QByteArray, bytes);
        test::TempFolders folders;
        QFile::remove(folders.settingsFile());
        QVERIFY(SettingsFile().readwritecom(port ? std::optional(port) : std::nullopt).ok());
        QCOMPARE(bytesOf(folders.settingsFile()), bytes);
        QVERIFY(!SettingsFile().readDefaultBook().ok());
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

    void failedRewriteKeepsTheFile()
    {
        test::TempFolders folders;
        folders.writeSettings({"3", "Home", "Work"});
        const QByteArray old = bytesOf(folders.settingsFile());
        Status rewritten = Status::success();
        Status appended = Status::success();
        Status detected = Status::success();
        {
            test::FileSizeLimit limit(old.size());
            if (!limit.active()) {
                QSKIP("no file size limit on this platform");
            }
            rewritten = SettingsFile().rewrite({"3", "Home", "Work", "A much longer list"});
            appended = SettingsFile().appendBook(QStringLiteral("Office"));
            detected = SettingsFile().readwritecom(10);
        }
        QVERIFY(!rewritten.ok());
        QVERIFY(!appended.ok());
        QVERIFY(!detected.ok());
        QVERIFY(!detected.error().isEmpty());
        QCOMPARE(bytesOf(folders.settingsFile()), old);
    }
};

VENNOR_TEST(SettingsFileTest)
#include "settingsfiletest.moc"
