// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace vennor;

namespace {

struct Ended
{
    int status = -1;
    QString output;
    QString errors;
};

// The built program as a shell runs it, without a display: its streams and exit status.
Ended runProgram(const QStringList& arguments, const QByteArray& input, bool outputToFullDisk)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    program.setProcessEnvironment(environment);
    if (outputToFullDisk) {
        program.setStandardOutputFile(QStringLiteral("/dev/full"));
    }
    program.start(QStringLiteral(VENNOR_EXE), arguments);
    program.write(input);
    program.closeWriteChannel();
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

bool matches(const QString& pattern, const QString& text)
{
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
        .match(text)
        .hasMatch();
}

} // namespace

// What a script relies on: errors named as ours on standard error, "-" for the standard
// streams, a failed write never reported as success, and a start from no phone book at all.
class CommandLineConventionsTest : public QObject
{
    Q_OBJECT

private slots:
    // books: the phone books there before, each holding the record "ann" (none: no settings
    // file). full: standard output is a full disk. settings: the list of books afterwards, the
    // default first.
    void conventions_data()
    {
        QTest::addColumn<QStringList>("books");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");
        QTest::addColumn<QStringList>("settings");
        const QStringList none;
        const QStringList home{"home"};
        const QByteArray card = "BEGIN:VCARD\r\nFN:Bob\r\nTEL:333\r\nEND:VCARD\r\n";
        const auto row = [](const char* name, QStringList books, QStringList arguments,
                            QByteArray input, bool full, int status, QString output, QString errors,
                            QStringList settings = {}) {
            QTest::newRow(name) << books << arguments << input << full << status << output << errors
                                << settings;
        };
        row("help to a full disk", none, {"--help"}, "", true, 1, "",
            "^vennor: cannot write to standard output: No space left on device\n$");
        row("help ends with where to report bugs", none, {"--help"}, "", false, 0,
            "^Usage: vennor .*\nReport bugs to <https://github.com/vennor/vennor/issues>.\n$",
            "^$");
        row("version, copyright and licence", none, {"--version"}, "", false, 0,
            "^vennor [0-9.]+\nCopyright \\(C\\) 2026 The Vennor developers\nLicense "
            "GPL-3.0-or-later: .*NO WARRANTY.*\n$",
            "^$");
        row("export, no phone book yet", none, {"--export-vcard", "-"}, "", false, 1, "^$",
            "^vennor: There is no phone book yet.\n$");
        row("export to standard output", home, {"--export-vcard", "-"}, "", false, 0,
            "^BEGIN:VCARD\r\n.*FN:ann\r\n.*END:VCARD\r\n$", "^$");
        row("export to a full disk", home, {"--export-vcard", "-"}, "", true, 1, "",
            "^vennor: cannot write the cards to standard output: No space left on device\n$");
        row("import from standard input", home, {"--import-vcard", "-"}, card, false, 0,
            "^standard input into home: 1 added, 0 replaced, 0 skipped, 0 changed.\n$", "^$");
        row("import of no cards from standard input", home, {"--import-vcard", "-"}, "hello\n",
            false, 1, "^$", "^vennor: standard input, .*Nothing was imported.\n$");
        row("first new book becomes the default", none, {"--new-book", "Home"}, "", false, 0,
            "^Created the phone book Home, the default one.\n$", "^$", {"Home"});
        row("new book after the others", home, {"--new-book", "Work"}, "", false, 0,
            "^Created the phone book Work.\n$", "^$", {"home", "Work"});
        row("new book of a name taken", home, {"--new-book", "home"}, "", false, 1, "^$",
            "^vennor: there is a phone book called \"home\" already\n$", home);
        row("new book leaving the folder", none, {"--new-book", "../x"}, "", false, 2, "^$",
            "^vennor: \"../x\" cannot name a phone book");
        row("new book with another command", none, {"--new-book", "a", "--sync"}, "", false, 2,
            "^$", "^vennor: --new-book NAME goes alone\n");
    }
    void conventions()
    {
        QFETCH(QStringList, books);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(bool, full);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        QFETCH(QStringList, settings);
        test::TempFolders folders;
        if (!books.isEmpty()) {
            folders.writeSettings(QStringList{"1"} + books);
        }
        for (const QString& book : books) {
            folders.writePhoneBook(book, "ann\r\n0222\r\n)\r\n");
        }
        const Ended ended = runProgram(arguments, input, full);
        QTEST(ended.status, "status");
        QVERIFY2(full || matches(output, ended.output), qPrintable(ended.output));
        QVERIFY2(matches(errors, ended.errors), qPrintable(ended.errors));
        if (!settings.isEmpty()) {
            QCOMPARE(folders.readSettings().mid(1), settings);
        }
    }
};

VENNOR_TEST(CommandLineConventionsTest)
#include "conventionstest.moc"
