// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calllog.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"
#include "support/writelimit.h"

#include <QFile>
#include <QTest>

using namespace vennor;

namespace {

CallEntry call(int minute, QString number = QStringLiteral("5551234567"))
{
    CallEntry entry;
    entry.time = QDateTime(QDate(2026, 12, 7), QTime(0, 0).addSecs(60 * minute), Qt::UTC);
    entry.number = std::move(number);
    return entry;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class CallLogTest : public QObject
{
    Q_OBJECT

    std::optional<test::TempFolders> folders_;
    CallLog log() const { return CallLog::inPhoneBookFolder(); }

private slots:
    void init() { folders_.emplace(); }
    void cleanup() { folders_.reset(); }

    // Texts from the network and the modem hold anything: each entry stays one line and reads
    // back as it was written.
    void entriesReadBackAsWritten()
    {
        QCOMPARE(log().path(), folders_->root() + "/data/vennor/calls.log");
        QVERIFY(log().read()->calls.empty());
        CallEntry in = call(1);
        in.networkName = "EVE \"X\"\n{\t}\\";
        in.record = "eve, the neighbour";
        in.book = "Home";
        CallEntry hidden = call(2, {});
        hidden.hidden = CallEntry::Hidden::Private;
        CallEntry out = call(3, "0049301234567");
        out.direction = CallEntry::Direction::Out;
        out.outcome = "The line is busy";
        for (const CallEntry& entry : {in, hidden, out}) {
            QVERIFY(log().append(entry));
        }
        QCOMPARE(bytesOf(log().path()).count('\n'), 3);
        const auto contents = log().read();
        QVERIFY(contents.ok());
        QVERIFY((contents->calls == std::vector{in, hidden, out}));
        QCOMPARE(contents->damaged, 0);
    }

    // A write cut short is taken back whole; a line cut short by a crash stays where it is,
    // skipped on reading, and the next call starts a line of its own.
    void interruptedAppendsKeepEarlierLines()
    {
        QVERIFY(log().append(call(1)) && log().append(call(2)));
        const QByteArray before = bytesOf(log().path());
        {
            const test::WriteLimit limit(before.size() + 10);
            if (!limit.active()) {
                QSKIP("the file size limit could not be set");
            }
            const Status failed = log().append(call(3));
            QVERIFY(!failed);
            QVERIFY2(failed.error().contains("calls.log"), qPrintable(failed.error()));
        }
        QCOMPARE(bytesOf(log().path()), before);
        QFile file(log().path());
        QVERIFY(file.open(QIODevice::Append) && file.write(call(3).toLine().left(17)) == 17);
        file.close();
        QVERIFY(log().append(call(4)));
        QVERIFY(bytesOf(log().path()).startsWith(before));
        const auto contents = log().read();
        QVERIFY((contents->calls == std::vector{call(1), call(2), call(4)}));
        QCOMPARE(contents->damaged, 1);
    }

    // Past 10,000 calls the oldest lines go, a damaged line among the latest stays.
    void keepsTheLatestTenThousand()
    {
        QByteArray bytes = "damaged\n";
        for (int i = 1; i < CallLog::kKept; ++i) {
            bytes += i == 5000 ? QByteArray("{\"time\":\"broken\n") : call(i).toLine() + '\n';
        }
        QFile file(log().path());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QVERIFY(log().append(call(20000)) && log().append(call(20001)));
        const QByteArray after = bytesOf(log().path());
        QCOMPARE(after.count('\n'), CallLog::kKept);
        QVERIFY(after.startsWith(call(2).toLine() + '\n'));
        QVERIFY(after.contains("\n{\"time\":\"broken\n"));
        const auto contents = log().read();
        QCOMPARE(qsizetype(contents->calls.size()), CallLog::kKept - 1);
        QCOMPARE(contents->damaged, 1);
        QCOMPARE(contents->calls.back(), call(20001));
    }

    // Deleting takes out just the chosen calls, once each; the rest, damaged lines too, stays
    // in its order.
    void removalKeepsTheOtherLines()
    {
        const QByteArray bytes = call(1).toLine() + "\n{cut\n" + call(2).toLine() + '\n' +
                                 call(2).toLine() + '\n' + call(3).toLine() + '\n';
        QFile file(log().path());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QVERIFY(log().remove({call(2), call(3), call(9)}));
        QCOMPARE(bytesOf(log().path()), call(1).toLine() + "\n{cut\n" + call(2).toLine() + '\n');
        QVERIFY(log().clear());
        QCOMPARE(bytesOf(log().path()), QByteArray());
        QVERIFY(QFile::exists(log().path()));
    }
};

VENNOR_TEST(CallLogTest)
#include "calllogtest.moc"
