#include "storage/settingsfile.h"
#include "storage/scramble.h"
#include "storagetest.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

using namespace vennor;
using test::bytesOf;
using test::put;

namespace {

// The file's bytes for these plain lines.
QByteArray stored(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += scramble(scrambleKey(), line).toLatin1() + "\r\n";
    }
    return bytes;
}

} // namespace

class SettingsFileTest : public QObject
{
    Q_OBJECT

    std::optional<test::TempFolders> folders_;
    QString path() const { return folders_->settingsFile(); }

private slots:
    void init() { folders_.emplace(); }
    void cleanup() { folders_.reset(); }

    // Also: stored lines may hold commas, quotes and blanks at either end; each is one whole
    // line, after a bare LF too and without a line end at the end.
    void readsMissingShortAndOddFiles()
    {
        const SettingsFile settings;
        QCOMPARE(settings.path(), folders_->root() + "/config/vennor/com.exe");
        QVERIFY(!settings.canOpen() && !settings.readAll().ok() && !settings.readPortLine().ok());
        QVERIFY(!settings.readDefaultBook().error().isEmpty());
        put(path(), {});
        QVERIFY(settings.canOpen() && !settings.readPortLine().ok());
        put(path(), "@jM8\r\n");
        QCOMPARE(*settings.readPortLine(), "none");
        QVERIFY(!settings.readDefaultBook().ok()); // line 1 only: no phone book yet
        const QByteArrayList lines = {"b+", " ,\"x", "\"a,b\" ", "  lead", ",", "\"", ""};
        put(path(), lines.join("\r\n") + "\nyjL8");
        QStringList expected;
        for (const QByteArray& line : lines) {
            expected << unscramble(scrambleKey(), QString::fromLatin1(line));
        }
        QCOMPARE(*settings.readAll(), expected << "Home");
        QCOMPARE(*settings.readDefaultBook(), expected.at(1));
    }

    void edits_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("rewrite") << stored({"7"}) << "rewrite"
                                 << QStringList{"10", "Home", "My, \"odd\" book "};
        QTest::newRow("com: new file") << QByteArray() << "com 10" << QStringList{"10"};
        QTest::newRow("com: no modem, list kept")
            << stored({"7", "Home", " ,x"}) << "com none" << QStringList{"none", "Home", " ,x"};
        QTest::newRow("book after no line end")
            << QByteArray("b+") << "book Home" << QStringList{"10", "Home"};
        // Without a port line the name would become line 1 and be taken for a port.
        QTest::newRow("book to missing file")
            << QByteArray() << "book Home" << QStringList{"none", "Home"};
        QTest::newRow("book last")
            << stored({"10", "Home"}) << "book Wo\"rk," << QStringList{"10", "Home", "Wo\"rk,"};
    }
    void edits()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, edit);
        QFETCH(QStringList, after);
        if (!before.isNull()) {
            put(path(), before);
        }
        const QString value = edit.section(u' ', 1);
        const std::optional<int> port =
            value == "none" ? std::nullopt : std::optional(value.toInt());
        const Status status = edit == "rewrite"        ? SettingsFile().rewrite(after)
                              : edit.startsWith("com") ? SettingsFile().readwritecom(port)
                                                       : SettingsFile().appendBook(value);
        QVERIFY(status.ok());
        QCOMPARE(bytesOf(path()), stored(after));
    }
};

VENNOR_TEST(SettingsFileTest)
#include "settingsfiletest.moc"
