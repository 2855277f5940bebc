// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/callerlookup.h"
#include "core/phonebook.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;

namespace {

const QStringList kBooks = {QStringLiteral("Home"), QStringLiteral("Work")};

// Each record as the line its name, and one number typed Work.
QByteArray book(std::initializer_list<std::pair<const char*, const char*>> records)
{
    QByteArray bytes = ")\r\n";
    for (const auto& [name, number] : records) {
        bytes += QByteArray(name) + "\r\n2" + number + "\r\n)\r\n";
    }
    return bytes;
}

// The name of the first record found, "-" for none.
QString firstFound(const Result<std::vector<Record>>& found)
{
    return found && !found->empty() ? found->front().name : QStringLiteral("-");
}

} // namespace

class CallerLookupTest : public QObject
{
    Q_OBJECT

    std::optional<test::TempFolders> folders_;

private slots:
    void init()
    {
        folders_.emplace();
        folders_->writePhoneBook("Home", book({{"ann", "02079460958"},
                                               {"bob", "5551234567"},
                                               {"cat", "12345"},
                                               {"dan", "00441632960001"},
                                               {"ivy", "9991234567"}}));
        folders_->writePhoneBook(
            "Work",
            book({{"eve", "5551234567"}, {"fay", "4155550199"}, {"jon", "88889991234567"}}));
    }
    void cleanup() { folders_.reset(); }

    // The row's name is the caller's number; "-" for nobody.
    void matches_data()
    {
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("exact");
        const auto row = [](const char* caller, const char* who, bool exact = false) {
            QTest::newRow(caller) << QString(who) << exact;
        };
        row("02079460958", "Home/ann", true);
        row("+442079460958", "Home/ann");    // international, the trunk zero dropped
        row("00442079460958", "Home/ann");   // the same with the prefix typed
        row("2079460958", "Home/ann");       // national without the trunk zero
        row("9460958", "Home/ann");          // seven digits are enough
        row("460958", "-");                  // six are not
        row("5551234567", "Home/bob", true); // the default book first
        row("15551234567", "Home/bob");      // a tie goes to the default book too
        row("4155550199", "Work/fay", true);
        row("+1 (415) 555-0199", "Work/fay");
        row("01632960001", "Home/dan");    // stored with the prefix, called nationally
        row("08889991234567", "Work/jon"); // the longest end wins over the default book
        row("12345", "Home/cat", true);    // shorter than seven digits: exactly only
        row("912345", "-");
        row("5550000000", "-");
        row("ABC", "-");
    }
    void matches()
    {
        QFETCH(QString, expected);
        QFETCH(bool, exact);
        CallerLookup lookup;
        const std::optional<CallerMatch> match =
            lookup.find(kBooks, QString::fromLatin1(QTest::currentDataTag()), "00");
        const QString found = match ? match->book + "/" + match->record.name : "-";
        QCOMPARE(found, expected);
        if (match) {
            QCOMPARE(match->exact, exact);
            QCOMPARE(match->number.type, 2);
        }
    }

    // A record saved after the index was built is found; a book that went away is passed over.
    void followsChangedBooks()
    {
        CallerLookup lookup;
        lookup.prepare(kBooks);
        QVERIFY(!lookup.find(kBooks, "0307654321", "00"));
        QVERIFY(PhoneBookFile::named("Work").append({"kim", "", "", "", {{1, "0307654321"}}}));
        QFile::remove(folders_->phoneBook("Home"));
        const std::optional<CallerMatch> match = lookup.find(kBooks, "+49307654321", "00");
        QVERIFY(match);
        QCOMPARE(match->record.name, "kim");
        QCOMPARE(match->number, (PhoneNumber{1, "0307654321"}));
    }

    // The main window's own index, changed by its saves, answers for the new numbers only.
    void indexFollowsItsOwnChanges()
    {
        BookIndex index;
        const PhoneBookFile home = PhoneBookFile::named("Home");
        QCOMPARE(index.findByNumberEnd(home, u"4402079460958")->size(), size_t(1));
        QVERIFY(index.replace(home, {"ann", "", "", "", {{0, "0307654321"}}}).ok());
        QVERIFY(index.findByNumberEnd(home, u"4402079460958")->empty());
        QCOMPARE(firstFound(index.findByNumberEnd(home, u"49307654321")), "ann");
        QVERIFY(index.append(home, {"zed", "", "", "", {{0, "0209999999"}}}));
        QCOMPARE(firstFound(index.findByNumberEnd(home, u"9999999")), "zed");
        // Changed by another program before a save: the save builds the index afresh.
        QVERIFY(PhoneBookFile::named("Home").append({"kim", "", "", "", {{0, "0401111111"}}}));
        QVERIFY(index.replace(home, {"cat", "", "", "", {{0, "12345"}}}).ok());
        QCOMPARE(firstFound(index.findByNumberEnd(home, u"4401111111")), "kim");
        QCOMPARE(firstFound(index.findByNumberEnd(home, u"15551234567")), "bob");
    }
};

VENNOR_TEST(CallerLookupTest)
#include "callerlookuptest.moc"
