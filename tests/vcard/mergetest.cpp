// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Cards we write to a server: changes merged into another program's card, what they keep,
// how they are encoded, and the names and numbers taken from cards.

#include "cli/vcardcommands.h"
#include "core/printabletext.h"
#include "core/telnumber.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"
#include "vcard/vcardmapping.h"
#include "vcard/vcardmerge.h"

#include <QFile>
#include <QTest>

using namespace vennor;

namespace {

const QDateTime kNow(QDate(2026, 12, 7), QTime(4, 15, 0), Qt::UTC);

QList<VCard> cardsOf(const QByteArray& bytes)
{
    QList<VCard> cards;
    const Status read = readVCards(bytes, [&](const VCard& card) { cards.append(card); });
    return read ? cards : QList<VCard>();
}

VCard cardOf(const QByteArray& bytes)
{
    const QList<VCard> cards = cardsOf(bytes);
    return cards.size() == 1 ? cards.front() : VCard();
}

Record recordOf(const VCard& card)
{
    return recordFromCard(card, QStringLiteral("00")).record.value_or(Record());
}

QByteArray card(const QByteArray& lines)
{
    return "BEGIN:VCARD\r\n" + lines + "END:VCARD\r\n";
}

// The content lines as read, of every property called name.
QList<QByteArray> rawLines(const VCard& card, QStringView name)
{
    QList<QByteArray> lines;
    for (const VCardProperty& property : card.properties) {
        if (property.name == name) {
            lines.append(property.raw);
        }
    }
    return lines;
}

const QByteArray kQuotedNote =
    card("VERSION:2.1\r\nN:Roe;Jane\r\nFN:Jane Roe\r\n"
         "NOTE;ENCODING=QUOTED-PRINTABLE:first line=0D=0Asecond line\r\n"
         "TEL;CELL:+49 171 555\r\nTEL;HOME;VOICE:030 "
         "1\r\nX-PET;X-KIND=\"dog;big\":Rex\r\nREV:20200101T000000Z\r\n");

} // namespace

class MergeTest : public QObject
{
    Q_OBJECT

private slots:
    // Another program's 2.1 card with a line break inside a quoted-printable note: changing
    // the number leaves the note's line as it came; changing the note encodes it again.
    void quotedPrintableNoteStaysEncoded()
    {
        const VCard original = cardOf(kQuotedNote);
        const Record base = recordOf(original);
        QCOMPARE(base.comment, "first line\nsecond line");
        Record changed = base;
        changed.numbers = {{1, "0049171556"}, {0, "0301"}};
        const std::optional<QByteArray> merged = mergedCard(original, base, changed, "00", kNow);
        QVERIFY(merged);
        QVERIFY2(!merged->contains("\r\nsecond line"), merged->constData());
        const VCard read = cardOf(*merged);
        for (const char* name : {"VERSION", "N", "FN", "NOTE", "X-PET"}) {
            QCOMPARE(rawLines(read, QString::fromLatin1(name)),
                     rawLines(original, QString::fromLatin1(name)));
        }
        QCOMPARE(rawLines(read, u"TEL"),
                 (QList<QByteArray>{"TEL;HOME;VOICE:030 1", "TEL;TYPE=cell:+49171556"}));
        QCOMPARE(rawLines(read, u"REV"), QList<QByteArray>{"REV:20261207T041500Z"});
        QVERIFY(readsBackAs(*merged, changed, "00"));

        changed.comment = "first line\nsecond line\nthird, with ümlaut; and \\";
        const std::optional<QByteArray> noted = mergedCard(original, base, changed, "00", kNow);
        QVERIFY(noted);
        QVERIFY2(noted->contains("NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:first line=0D=0A"),
                 noted->constData());
        QCOMPARE(recordOf(cardOf(*noted)).comment, changed.comment);
        QVERIFY(readsBackAs(*noted, changed, "00"));
    }

    // In 3.0 a changed note is escaped, and no line of a merged card is longer than 75 octets.
    void changedTextIsEscapedAndFolded()
    {
        const VCard original = cardOf(card("VERSION:3.0\r\nFN:Ann Lee\r\nEMAIL:ann@lee.test\r\n"));
        const Record base = recordOf(original);
        Record changed = base;
        changed.comment = "line one; two, three \\ four\n" + QString(80, u'ж');
        const std::optional<QByteArray> merged = mergedCard(original, base, changed, "00", kNow);
        QVERIFY(merged);
        QVERIFY2(merged->contains("NOTE:line one\\; two\\, three \\\\ four\\n"),
                 merged->constData());
        for (const QByteArray& line : merged->split('\n')) {
            QVERIFY2(line.size() <= 76, line.constData());
        }
        QCOMPARE(recordOf(cardOf(*merged)).comment, changed.comment);
    }

    // A run of blanks longer than a line is never a line of blanks alone, which vobject would
    // take for the end of the property.
    void longRunOfBlanksStaysInItsLine()
    {
        const VCard original = cardOf(card("VERSION:3.0\r\nFN:Ann\r\n"));
        Record changed = recordOf(original);
        changed.comment = "a" + QString(200, u' ') + "b";
        const std::optional<QByteArray> merged =
            mergedCard(original, recordOf(original), changed, "00", kNow);
        QVERIFY(merged);
        for (const QByteArray& line : merged->split('\n')) {
            QVERIFY2(line.isEmpty() || !line.trimmed().isEmpty(), merged->constData());
        }
        QCOMPARE(recordOf(cardOf(*merged)).comment, changed.comment);
    }

    // A long line in an 8-bit character set (degree signs in Latin-1 look like the middle of
    // UTF-8 sequences) is folded and read back as it came.
    void eightBitLineIsKept()
    {
        const QByteArray latin = "X-LATIN;CHARSET=ISO-8859-1:" + QByteArray(100, '\xB0');
        const VCard original = cardOf(card("VERSION:3.0\r\nFN:Ann\r\n" + latin + "\r\n"));
        Record changed = recordOf(original);
        changed.email = "ann@x.test";
        const std::optional<QByteArray> merged =
            mergedCard(original, recordOf(original), changed, "00", kNow);
        QVERIFY(merged);
        QCOMPARE(rawLines(cardOf(*merged), u"X-LATIN"), QList<QByteArray>{latin});
    }

    // A line that every other reader takes for the start or end of a card, or a property or
    // parameter no reader would take back, is never written: the merge gives nothing to send.
    void cardThatCannotBeWrittenSafelyIsRefused_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("BEGIN with a blank") << QByteArray("BEGIN :VCARD");
        QTest::newRow("END in a group") << QByteArray("item1.END:VCARD");
        QTest::newRow("blank in the name") << QByteArray("X-A B:1");
        QTest::newRow("control in a parameter") << QByteArray("X-A;X-P=a\x1b b:1");
    }
    void cardThatCannotBeWrittenSafelyIsRefused()
    {
        QFETCH(QByteArray, line);
        const VCard original = cardOf(card("VERSION:3.0\r\nFN:Ann\r\n" + line + "\r\n"));
        QCOMPARE(original.properties.size(), 3);
        const Record base = recordOf(original);
        Record changed = base;
        changed.numbers = {{0, "123"}};
        QVERIFY(!mergedCard(original, base, changed, "00", kNow));
    }

    // A line with stray blanks is written again in its plain form rather than as it came.
    void untidyLineIsWrittenAgainTidy()
    {
        const VCard original = cardOf(card("VERSION:3.0\r\nFN:Ann\r\nNOTE :a\\nb\r\n"));
        const Record base = recordOf(original);
        Record changed = base;
        changed.email = "ann@x.test";
        const std::optional<QByteArray> merged = mergedCard(original, base, changed, "00", kNow);
        QVERIFY(merged && merged->contains("\r\nNOTE:a\\nb\r\n"));
    }

    // Numbers go out as "+" and the rest when they start with the international prefix,
    // whatever that prefix is, and read back as the same stored number.
    void numbersAreWrittenInInternationalForm()
    {
        const Record record{"ann", {}, {}, {}, {{0, "0049301234"}, {1, "0891234"}}};
        const QByteArray made = cardFromRecord(record, VCardVersion::v30, {"00", kNow});
        QVERIFY2(made.contains("TEL;TYPE=home:+49301234\r\nTEL;TYPE=cell:0891234\r\n"),
                 made.constData());
        QVERIFY(made.contains("REV:20261207T041500Z\r\n"));
        QVERIFY(readsBackAs(made, record, "00"));
        const Record american{"bo", {}, {}, {}, {{2, "01149301234"}}};
        const QByteArray theirs = cardFromRecord(american, VCardVersion::v40, {"011", {}});
        QVERIFY(theirs.contains("TEL;TYPE=work:+49301234\r\n") && !theirs.contains("REV"));
        QCOMPARE(recordFromCard(cardOf(theirs), "011").record->numbers, american.numbers);
        QCOMPARE(internationalForm("00", "00"), "00");
    }

    // Phones write numbers with no-break and narrow blanks between the digits.
    void anyBlankSeparatesDigits()
    {
        for (const char16_t blank : {u'\u00A0', u'\u202F', u'\u2007', u'\u2009'}) {
            const QString number = QStringLiteral("+44 20 7946 0958").replace(u' ', QChar(blank));
            QCOMPARE(reducedTelNumber(number, "00").value_or("refused"), "00442079460958");
        }
        QVERIFY(!reducedTelNumber(u"12\u200B3", "00"));
    }

    // Every card we change carries one REV, of the time of the change.
    void revisionIsReplaced()
    {
        const VCard original = cardOf(kQuotedNote);
        Record changed = recordOf(original);
        changed.email = "jane@roe.test";
        const VCard read = cardOf(
            mergedCard(original, recordOf(original), changed, "00", kNow).value_or(QByteArray()));
        QCOMPARE(rawLines(read, u"REV"), QList<QByteArray>{"REV:20261207T041500Z"});
        QCOMPARE(rawLines(read, u"EMAIL"), QList<QByteArray>{"EMAIL:jane@roe.test"});
    }

    // Names and fields from cards lose what would steer a terminal, hide or turn text; a name
    // left with nothing visible is no name.
    void controlCharactersAreLeftOut()
    {
        const QByteArray evil = card("FN:Evil\x1b]0;pwned\x07 \xe2\x80\xae"
                                     "Bob\x7f\r\n"
                                     "EMAIL:a\xc2\x9b@b.test\r\n"
                                     "NOTE:one\\ntwo\x1b[2J\ttabbed\r\n");
        const CardRecord mapped = recordFromCard(cardOf(evil), "00");
        QVERIFY(mapped.record);
        QCOMPARE(mapped.record->name, "evil]0;pwned bob");
        QCOMPARE(mapped.record->email, "a@b.test");
        QCOMPARE(mapped.record->comment, "one\ntwo[2J tabbed");
        QVERIFY(mapped.changes.contains("control characters left out"));

        const CardRecord invisible =
            recordFromCard(cardOf(card("FN:\xef\xbb\xbf\xef\xbb\xbf\r\nTEL:1\r\n")), "00");
        QVERIFY(!invisible.record);
        QVERIFY(!invisible.cardName.isEmpty());
        QCOMPARE(invisible.cardName.count(QChar(0xFFFD)), invisible.cardName.size());
        const CardRecord numeric = recordFromCard(cardOf(card("FN:2\r\n")), "00");
        QVERIFY(!numeric.record);
        QCOMPARE(numeric.cardName, "2");

        QCOMPARE(withoutControls(u"a\r\nb\rc\u200Bd\u2066e\U0001F600"),
                 QStringView(u"a\nb\ncde\U0001F600").toString());
        QCOMPARE(printableForTerminal(u"x\x1b]0;t\x07\ny\u009b"),
                 QStringView(u"x\uFFFD]0;t\uFFFD\ny\uFFFD").toString());
    }

    // What the command line prints of a hostile file shows its controls, never sends them.
    void commandLinePrintsNoControls()
    {
        test::TempFolders folders;
        folders.writeSettings({"1", "Home"});
        folders.writePhoneBook("Home", ")\r\n");
        const QString path = folders.root() + "/evil.vcf";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x1b]0;pwned\x07\r\n" + card("FN:x\r\n"));
        file.close();
        const CommandOutcome refused = runVCardImport(path, {}, {});
        QVERIFY(refused.exitStatus != 0 && refused.line.contains("]0;pwned"));
        QVERIFY2(!refused.line.contains(u'\x1b') && !refused.line.contains(u'\x07'),
                 qPrintable(refused.line));
    }

    // The check before a card leaves: one card, the record it was made for.
    void readBackNeedsOneCardOfTheRecord()
    {
        const Record ann{"ann", "ann@x.test", {}, "note", {{0, "111"}}};
        const QByteArray made = cardFromRecord(ann, VCardVersion::v30);
        QVERIFY(readsBackAs(made, ann, "00"));
        QVERIFY(!readsBackAs(made + made, ann, "00"));
        QVERIFY(!readsBackAs(made, Record{"ann", "ann@x.test", {}, "note", {{0, "112"}}}, "00"));
        QVERIFY(!readsBackAs(made.left(made.size() - 11), ann, "00"));
    }
};

VENNOR_TEST(MergeTest)
#include "mergetest.moc"
