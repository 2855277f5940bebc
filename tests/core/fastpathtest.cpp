// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bookindex.h"
#include "core/phonebook.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace vennor;

namespace {

const QString kHome = QStringLiteral("Home");

// A phone book as hands and earlier installations leave them: Windows-1252 and UTF-8 lines,
// quoted fields across lines, names twice, commas, blanks, LF alone, a byte order mark, no
// final end line or line break, a quote never closed.
QByteArray randomBook(QRandomGenerator& random)
{
    const auto pick = [&random](std::initializer_list<const char*> choices) {
        return QByteArray(*(choices.begin() + random.bounded(int(choices.size()))));
    };
    // A name that itself begins with U+FEFF (split so that the escape does not take the "fe").
    const char* const markedName = "\xEF\xBB\xBF"
                                   "fe";
    QByteArray book = random.bounded(8) == 0 ? "\xEF\xBB\xBF" : "";
    book += pick({")\r\n", "", ")\n"});
    for (int record = random.bounded(0, 12); record > 0; --record) {
        book += pick({"anna", "bob", "jos\xE9", "zo\xC3\xAB", " carl ", "\"dan\r\nny\"", "eve,",
                      "\"an\xE9\"", "12", "\"ann\"", "\"\"", markedName}) +
                "\r\n";
        for (int field = random.bounded(0, 6); field > 0; --field) {
            book +=
                pick({"\"a@b.c\"", "\"1 st, x\"", "\" call\xE9 @9\"", "\"bob\"", "0555", "\"2123\"",
                      "4 77 ", "x123", "\"mul\r\nti\"", "0555,1", "", "\"zo\xC3\xAB\"", "3.5"}) +
                pick({"\r\n", "\n"});
        }
        book += pick({")\r\n", ")\r\n", "\")\"\r\n", ") \n", "),\r\n", ""});
    }
    return book + pick({"", "", "\"open\r\nquote", "last", ")"});
}

// What a lookup found: the record, nothing, or a failure.
QString describe(const Result<std::optional<Record>>& found)
{
    if (!found) {
        return QStringLiteral("failed");
    }
    if (!found->has_value()) {
        return QStringLiteral("none");
    }
    const Record& r = **found;
    QStringList parts{r.name, r.email, r.address, r.comment};
    for (const PhoneNumber& number : r.numbers) {
        parts << QString::number(number.type) + number.number;
    }
    return parts.join(u'|');
}

} // namespace

// The indexed paths answer exactly as the plain readers and writers of PhoneBookFile.
class FastPathTest : public QObject
{
    Q_OBJECT

private slots:
    void indexAnswersAsTheFile()
    {
        test::TempFolders folders;
        QRandomGenerator random(2026);
        const PhoneBookFile file = PhoneBookFile::named(kHome);
        const Record added{"Zoë", "z@x.y", "", "", {{2, "555"}}};
        for (int round = 0; round < 300; ++round) {
            const QByteArray bytes = randomBook(random);
            folders.writePhoneBook(kHome, bytes);
            BookIndex index;
            const Result<Listing> expected = file.list();
            const Result<CompactListing> listing = index.list(file);
            QVERIFY2(listing.ok() && expected.ok(), bytes.constData());
            QCOMPARE(listing->names.texts(), expected->names);
            QCOMPARE(listing->numbers.texts(), expected->numbers);
            QCOMPARE(listing->fieldCount, expected->fieldCount);

            // Every name and number listed, a field that is no name, a prefix of a number.
            QStringList wanted = expected->names + QStringList{"bob", "1 st, x", "55", "123"};
            // Edits through the index write what the plain writers write on a copy, and keep
            // the index right for the lookups below.
            const PhoneBookFile copy(folders.root() + "/copy.dat");
            {
                QFile out(copy.path());
                QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
            }
            // Up to three edits in a row through one index.
            const int edit = random.bounded(4);
            for (int n = edit < 3 ? random.bounded(1, 4) : 0; n > 0; --n) {
                const QString name = wanted.at(random.bounded(int(wanted.size())));
                const Record changed{name, "", "", "new", {{1, "9"}}};
                const int kind = n == 1 ? edit : random.bounded(3);
                if (kind == 0) {
                    QVERIFY(index.append(file, added).ok() && copy.append(added).ok());
                    wanted << "zoë";
                    continue;
                }
                // The entries that leave the lists are those listed for the name before.
                const QString key = kind == 1 ? name : changed.name.trimmed().toLower();
                const Result<Listing> before = copy.listNamed(key);
                const Result<Listing> removed =
                    kind == 1 ? index.removeAll(file, name) : index.replace(file, changed);
                QVERIFY(removed.ok() && before.ok());
                QCOMPARE(removed->names, before->names);
                QCOMPARE(removed->numbers, before->numbers);
                QVERIFY(kind == 1 ? copy.removeAll(name).ok() : copy.replace(changed).ok());
            }
            if (edit < 3) {
                QFile written(copy.path());
                QVERIFY(written.open(QIODevice::ReadOnly));
                QCOMPARE(folders.readPhoneBook(kHome), written.readAll());
            } else if (random.bounded(4) == 0) {
                folders.writePhoneBook(kHome, randomBook(random)); // changed behind our back
            }
            for (const QString& text : std::as_const(wanted)) {
                QCOMPARE(describe(index.findByName(file, text)), describe(file.findByName(text)));
            }
            for (const QString& number : expected->numbers + QStringList{"555", "123", "2123"}) {
                QCOMPARE(describe(index.findByNumber(file, number)),
                         describe(file.findByNumber(number)));
            }
        }
    }
};

VENNOR_TEST(FastPathTest)
#include "fastpathtest.moc"
