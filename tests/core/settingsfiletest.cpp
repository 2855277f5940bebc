// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settingsfile.h"
#include "core/scramble.h"
#include "core/textfile.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace vennor;

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

    void knownAnswers()
    {
        RunTimeRandom random;
        for (const int expected : {7055475, 5334240, 5795186}) {
            QCOMPARE(qRound(random.rnd() * 1e7), expected);
        }
        QCOMPARE(qRound(random.rnd(0) * 1e7), 5795186);
        QCOMPARE(qRound(random.rnd(-1) * 1e7), 2240070);
        QCOMPARE(keyseed(QStringLiteral("quillmop")), 528368520);
        const QList<std::pair<QString, QString>> lines = {
            {"none", "@jM8"}, {"Home", "yjL8"}, {"10", "b+"}, {"a\tb", "3]"}};
        for (const auto& [plain, stored] : lines) {
            QCOMPARE(scramble(scrambleKey(), plain), stored);
            QCOMPARE(unscramble(scrambleKey(), stored), QString(plain).remove(u'\t'));
        }
    }

    // Any line, however long, is stored as printable ASCII and read back without the rest.
    void linesRoundTrip()
    {
        const QRegularExpression unprintable(QStringLiteral("[^ -~]"));
        QRandomGenerator random(17);
        for (int i = 0; i < 500; ++i) {
            QString plain;
            for (int j = i == 0 ? 70000 : i % 200; j > 0; --j) {
                plain += QChar(char16_t(random.bounded(1, 260)));
            }
            const QString stored = scramble(scrambleKey(), plain);
            QVERIFY(!stored.contains(unprintable));
            QCOMPARE(unscramble(scrambleKey(), stored), plain.remove(unprintable));
        }
    }

    // Also: stored lines with commas, quotes, blanks at either end or a bare LF read whole.
    void readsMissingShortAndOddFiles()
    {
        const SettingsFile settings;
        QCOMPARE(settings.path(), folders_->root() + "/config/vennor/com.exe");
        QVERIFY(!settings.canOpen() && !settings.readAll().ok() && !settings.readPortLine().ok());
        textfile::rewrite(path(), {});
        QVERIFY(settings.canOpen() && !settings.readPortLine().ok());
        textfile::rewrite(path(), "@jM8\r\n");
        QCOMPARE(*settings.readPortLine(), "none");
        QVERIFY(!settings.readDefaultBook().ok()); // line 1 only: no phone book yet
        const QByteArrayList lines = {"b+", " ,\"x", "\"a,b\" ", "  lead", ",", "\"", ""};
        textfile::rewrite(path(), lines.join("\r\n") + "\nyjL8");
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
        // Without a port line the name would become line 1 and be taken for a port.
        QTest::newRow("book to missing file")
            << QByteArray() << "book Home" << QStringList{"none", "Home"};
        QTest::newRow("book after no line end")
            << QByteArray("b+\r\nyjL8") << "book Wo\"rk," << QStringList{"10", "Home", "Wo\"rk,"};
    }
    void edits()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, edit);
        QFETCH(QStringList, after);
        if (!before.isNull()) {
            textfile::rewrite(path(), before);
        }
        const Status status = edit == "rewrite" ? SettingsFile().rewrite(after)
                                                : SettingsFile().appendBook(edit.section(u' ', 1));
        QVERIFY(status.ok());
        QCOMPARE(*textfile::read(path()), QString::fromLatin1(stored(after)));
    }
};

VENNOR_TEST(SettingsFileTest)
#include "settingsfiletest.moc"
