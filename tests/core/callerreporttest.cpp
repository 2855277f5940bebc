// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/callerreport.h"
#include "support/testregistry.h"

#include <QTest>

using namespace vennor;

namespace {

using Number = CallerReport::Number;

CallEvent ring()
{
    return {CallEvent::Kind::Ring, {}};
}

CallEvent caller(QString date, QString time, Number kind, QString number, QString name)
{
    return {CallEvent::Kind::Caller,
            {std::move(date), std::move(time), kind, std::move(number), std::move(name)}};
}

// Everything the parser gives for the bytes, fed in pieces of the given size, then the quiet.
std::vector<CallEvent> parse(QByteArrayView bytes, qsizetype piece)
{
    CallerReportParser parser;
    std::vector<CallEvent> events;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        for (CallEvent& event : parser.feed(bytes.sliced(at, std::min(piece, bytes.size() - at)))) {
            events.push_back(std::move(event));
        }
    }
    for (CallEvent& event : parser.finish()) {
        events.push_back(std::move(event));
    }
    return events;
}

} // namespace

class CallerReportTest : public QObject
{
    Q_OBJECT

private slots:
    // Each stream is also fed one byte at a time and in pieces of 5: a report split across
    // reads gives the same events.
    void reports_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<std::vector<CallEvent>>("expected");
        const auto full = caller("1207", "0931", Number::Given, "5551234567", "JOHN DOE");
        QTest::newRow("formatted with blanks")
            << QByteArray("RING\r\n\r\nDATE = 1207\r\nTIME = 0931\r\nNMBR = 5551234567\r\n"
                          "NAME = JOHN DOE\r\n\r\nRING\r\n")
            << std::vector{ring(), full, ring()};
        QTest::newRow("without blanks, LF only, MESG and unknown tags")
            << QByteArray("RING\nMESG=030101\nDATE=1207\nTIME=0931\nDDN_NMBR=999\n"
                          "NMBR=555-123-4567\nNAME=JOHN DOE\n")
            << std::vector{ring(), full};
        QTest::newRow("private and unavailable, two calls in a row")
            << QByteArray("DATE=1207\r\nTIME=0931\r\nNMBR=P\r\nNAME=P\r\n"
                          "DATE=1207\r\nTIME=0932\r\nNMBR = O\r\n")
            << std::vector{caller("1207", "0931", Number::Private, "", "P"),
                           caller("1207", "0932", Number::Unavailable, "", "")};
        QTest::newRow("a name only, ended by the ring")
            << QByteArray("DATE = 1207\r\nTIME = 0931\r\nNAME = Zoë Ärger\r\nRING\r\n")
            << std::vector{caller("1207", "0931", Number::Missing, "", "Zoë Ärger"), ring()};
        QTest::newRow("garbage between lines, a report without name, then another")
            << QByteArray("\x01\xff\xfeOK\r\nDATE = 1207\r\n+++ATH\r\nTIME = 0931\r\n"
                          "\xff\r\nNMBR = +44 20 7946 0958\r\nDATE = 1208\r\n")
            << std::vector{caller("1207", "0931", Number::Given, "+442079460958", ""),
                           caller("1208", "", Number::Missing, "", "")};
        QTest::newRow("rings without report") << QByteArray("RING\r\n\r\nRING\r\n  RING  \r\n")
                                              << std::vector{ring(), ring(), ring()};
        QTest::newRow("hostile values: bad date, letters in the number, controls in the name")
            << QByteArray("DATE = 12x7\r\nTIME = 09310\r\nNMBR = 555;ATH\r\n"
                          "NAME = \x1b]0;owned\x07\tEVE\r\n")
            << std::vector{caller("", "", Number::Unavailable, "", "]0;owned EVE")};
    }
    void reports()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(std::vector<CallEvent>, expected);
        for (const qsizetype piece : {bytes.size(), qsizetype(1), qsizetype(5)}) {
            QVERIFY2(parse(bytes, piece) == expected, qPrintable(QString::number(piece)));
        }
    }

    // A device that sends without end: an endless line is dropped whole, a name or number
    // longer than a network ever sends is cut or refused, and what follows reads as usual.
    void floodStaysBounded()
    {
        CallerReportParser parser;
        const QByteArray noise(1 << 16, 'N');
        for (int i = 0; i < 160; ++i) {
            QVERIFY(parser.feed(noise).empty());
        }
        QVERIFY(parser.feed("=RING\r\nNAME = " + QByteArray(100, 'x') + "\r\n").empty());
        QCOMPARE(parser.finish().front().caller.name.size(), CallerReportParser::kMaxName);
        const auto events = parser.feed("NMBR = " + QByteArray(40, '5') + "\r\nNAME = A\r\nRING\n");
        QCOMPARE(events.size(), size_t(2));
        QCOMPARE(events.front().caller.kind, Number::Unavailable);
        QVERIFY(parser.feed(QByteArray(300, 'R') + "\r\nRING\r\n").size() == 1);
    }
};

VENNOR_TEST(CallerReportTest)
#include "callerreporttest.moc"
