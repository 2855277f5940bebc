// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/folders.h"
#include "core/phonebook.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;

// Phone book names that would leave the folder, files of two encodings and byte order marks.
class BadFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void unsafeNamesHaveNoFile()
    {
        test::TempFolders folders;
        for (const char* name :
             {"../../outside/victim", "..", ".", "...", "a/b", "a\\b", "/tmp/b", "C:b", "a*b",
              "a?b", "a\"b", "a<b", "a>b", "a|b", "a\tb", "a\x7f", "", "zo\u00eb", "\u2215etc"}) {
            const PhoneBookFile book = PhoneBookFile::named(QString::fromUtf8(name));
            QVERIFY2(!folders::phoneBookPath(QString::fromUtf8(name)) && !book.exists() &&
                         !book.list() && !book.append(Record{"x", {}, {}, {}, {}}),
                     name);
        }
    }

    // Read, edited ("x" appended, or removed when it is there) and read again.
    void editsKeepEveryName_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("names"); // after the edit
        const auto row = [](const char* tag, QByteArray before, QString name, QByteArray after,
                            QStringList names) {
            QTest::newRow(tag) << before << name << after << names;
        };
        const QByteArray mark = "\xEF\xBB\xBF", x = "x\r\n)\r\n", feffY = mark + "y\r\n)\r\n";
        const QString named = QStringLiteral(u"\ufeffy");
        row("mixed", "zo\xc3\xab\r\n)\r\nren\xe9\r\n)\r\n", "x",
            "zo\xc3\xab\r\n)\r\nren\xc3\xa9\r\n)\r\n" + x, {"zo\u00eb", "ren\u00e9", "x"});
        row("mark only", mark, "x", mark + x, {"x"});
        row("U+FEFF name, rewritten first", x + feffY, "x", mark + feffY, {named});
        row("U+FEFF name, empty file", "", named, mark + feffY, {named});
    }
    void editsKeepEveryName()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, name);
        test::TempFolders folders;
        folders.writePhoneBook("Home", before);
        const PhoneBookFile home = PhoneBookFile::named("Home");
        QVERIFY(home.findByName(name)->has_value() ? home.removeAll(name)
                                                   : home.append(Record{name, {}, {}, {}, {}}));
        QTEST(folders.readPhoneBook("Home"), "after");
        QTEST(home.list()->names, "names");
    }
};

VENNOR_TEST(BadFilesTest)
#include "badfilestest.moc"
