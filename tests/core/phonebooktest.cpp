// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/phonebook.h"
#include "core/settingsfile.h"
#include "support/recordgenerator.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"
#include "support/writelimit.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace vennor;

namespace {

// As a removal leaves it (number lines quoted); bob's address is carl, a name.
const QByteArray kBook =
    ")\r\n"
    "anna\r\n\"a@b.c\"\r\n\"1 st, x\"\r\n\" ask @bob\"\r\n0555\r\n2123\r\n)\r\n"
    "bob\r\n\"carl\"\r\n\"1777\"\r\n)\r\n"
    "carl\r\n\"2123\"\r\n)\r\n";
const QString kHome = QStringLiteral("Home");

// The record found; an empty one when none was or the file could not be read.
Record found(const Result<std::optional<Record>>& result)
{
    return result.ok() && result->has_value() ? **result : Record();
}

} // namespace

class PhoneBookTest : public QObject
{
    Q_OBJECT

    std::optional<test::TempFolders> folders_;

    PhoneBookFile book(const QByteArray& bytes) const
    {
        folders_->writePhoneBook(kHome, bytes);
        return PhoneBookFile::named(kHome);
    }

private slots:
    void init() { folders_.emplace(); }
    void cleanup() { folders_.reset(); }

    void readsHandWrittenBooks()
    {
        const PhoneBookFile home = PhoneBookFile::named(kHome);
        QCOMPARE(home.path(), folders_->root() + "/data/vennor/Home.dat");
        QVERIFY(!home.list().ok() && !home.findByName("anna").ok());
        book(kBook);
        QCOMPARE(home.list()->names, (QStringList{"anna", "bob", "carl"}));
        QCOMPARE(home.list()->numbers, (QStringList{"555", "123", "777", "123"}));
        const Record anna{"anna", "a@b.c", "1 st, x", "ask @bob", {{0, "555"}, {2, "123"}}};
        QCOMPARE(found(home.findByName("anna")), anna);
        QCOMPARE(found(home.findByNumber("123")), anna); // a later number; the first holder
        // Only name lines name a record: carl is also bob's address.
        QCOMPARE(found(home.findByName("carl")).numbers, (QList<PhoneNumber>{{2, "123"}}));
        for (const char* absent : {"Anna", "ann", "0555", ")", "ask @bob", "55", ""}) {
            QVERIFY(!home.findByName(absent)->has_value() &&
                    !home.findByNumber(absent)->has_value());
        }

        // No first end line, LF, two end lines, a name twice (the first counts), no last end.
        book("anna\n0123\n)\n)\nbob\n\" 456\"\n1456\n)\nbob\n02");
        const Record bob{"bob", "", "", "456", {{1, "456"}}};
        QCOMPARE(found(home.findByName("bob")), bob);
        QCOMPARE(found(home.findByNumber("456")), bob);
        QCOMPARE(home.list()->names, (QStringList{"anna", "bob", "bob"}));
        // A later field of a kind replaces one before; after a number line all are numbers.
        book("x\r\n\"first\"\r\n\"a@b\"\r\n\" 123\"\r\n\"-12\"\r\n\"at@c\"\r\n3555\r\n"
             "\"after numbers\"\r\n\" 7\"\r\n)\r\n");
        QCOMPARE(found(home.findByName("x")),
                 (Record{"x", "at@c", "-12", "123", {{3, "555"}, {0, "fter numbers"}, {0, "7"}}}));
        QCOMPARE(home.list()->numbers, QStringList{"555"}); // " 123" is a comment
    }

    void edits_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<QString>("edit");      // the edit and the record's name
        QTest::addColumn<QByteArray>("after");  // null: the edit fails, the file stays as it was
        const auto row = [](const char* name, QByteArray before, QString edit, QByteArray after) {
            QTest::newRow(name) << before << edit << after;
        };
        row("create", {}, "create", ")\r\n");
        row("create over a book", kBook, "create", {});
        row("remove: every record of the name, the rest quoted",
            ")\r\nanna\r\n\"1 main st\"\r\n0123\r\n)\r\nbob\r\n0456\r\n)\r\nanna\r\n)",
            "remove anna", ")\r\nbob\r\n\"0456\"\r\n)\r\n");
        row("remove unknown", kBook, "remove zed", kBook);
        row("append to no file", {}, "append Zed", "zed\r\n)\r\n");
        // An open record or quote would take the new one in: it is closed first.
        row("append after open record", ")\r\nanna\r\n0123\r\n", "append Zed",
            ")\r\nanna\r\n0123\r\n)\r\nzed\r\n)\r\n");
        row("append after open quote", ")\r\nanna\r\n\" note\r\n)\r\n", "append Zed",
            ")\r\nanna\r\n\" note\r\n)\r\n\"\r\n)\r\nzed\r\n)\r\n");
        // Adding UTF-8 to an old Windows-1252 book would leave it in neither: it is converted.
        row("append to Windows-1252", ")\r\nren\xe9\r\n)\r\n", "append ZOË",
            ")\r\nren\xc3\xa9\r\n)\r\nzo\xc3\xab\r\n)\r\n");
        row("replace: moves to the end", kBook, "replace   ANNA ",
            ")\r\n" + kBook.mid(kBook.indexOf("bob\r\n")) + "anna\r\n)\r\n");
        row("replace in no file", {}, "replace dora", {});
    }
    void edits()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, edit);
        QFETCH(QByteArray, after);
        const PhoneBookFile home = before.isNull() ? PhoneBookFile::named(kHome) : book(before);
        const Record record{edit.section(u' ', 1), {}, {}, {}, {}};
        const Status status = edit == "create"            ? home.createEmpty()
                              : edit.startsWith("remove") ? home.removeAll(record.name)
                              : edit.startsWith("append") ? home.append(record)
                                                          : home.replace(record);
        QCOMPARE(status.ok(), !after.isNull());
        QCOMPARE(folders_->readPhoneBook(kHome), after.isNull() ? before : after);
    }

    // Generated records hard on the format read back as written, whatever the file held
    // before (random bytes, a book cut anywhere) and after a removal rewrote it; a removal
    // takes the records of its name only.
    void roundTripsOnAnyFile()
    {
        QRandomGenerator random(99);
        test::RecordGenerator generator(21);
        QByteArray generated = ")\r\n";
        for (int i = 0; i < 20; ++i) {
            generated += recordText(generator.awkward()).toUtf8();
        }
        const QByteArray alphabet("\",  \r\n\r\n\n)a@1.0 \xe9");
        for (int i = 0; i < 300; ++i) {
            QByteArray bytes = generated.first(random.bounded(generated.size()));
            for (int j = i % 2 ? random.bounded(80) : 0; j > 0; --j) {
                bytes.prepend(alphabet.at(random.bounded(int(alphabet.size()))));
            }
            const PhoneBookFile home = book(bytes);
            Record removed = generator.awkward();
            Record kept = generator.awkward();
            removed.name += QStringLiteral(" 1");
            kept.name += QStringLiteral(" 2");
            QVERIFY(home.append(removed).ok() && home.replace(kept).ok());
            QCOMPARE(found(home.findByName(removed.name)), removed);
            QStringList names = home.list()->names;
            names.removeAll(removed.name);
            QVERIFY(home.removeAll(removed.name).ok());
            QCOMPARE(home.list()->names, names);
            QCOMPARE(found(home.findByName(kept.name)), kept);
        }
    }

    void failedWritesKeepTheFiles()
    {
        const PhoneBookFile home = book(kBook);
        const Record anna{"anna", {}, {}, {}, {}};
        const QStringList settings = {"3", "Home", "Work book"};
        folders_->writeSettings(settings);
        QList<Status> failed;
        {
            const test::WriteLimit limit(16); // every rewrite fails
            QVERIFY(limit.active());
            failed << home.removeAll("bob") << home.replace(anna)
                   << SettingsFile().rewrite({"3", "Work book", "Home"})
                   << SettingsFile().appendBook("Office") << SettingsFile().recordModemPort(10);
        }
        {
            const test::WriteLimit limit(kBook.size() + 5); // the append fails part way
            failed << home.append(anna);
        }
        for (const Status& status : std::as_const(failed)) {
            QVERIFY(status.error().contains(QRegularExpression("Home\\.dat|com\\.exe")));
        }
        QCOMPARE(folders_->readPhoneBook(kHome), kBook);
        QCOMPARE(folders_->readSettings(), settings);
        QFile::remove(home.path());
        const test::WriteLimit limit(1);
        QVERIFY(!home.createEmpty().ok() && !home.exists());
    }
};

VENNOR_TEST(PhoneBookTest)
#include "phonebooktest.moc"
