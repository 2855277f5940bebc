#include "storage/textfile.h"
#include "support/tempfolders.h"
#include "support/testregistry.h"
#include "writefault.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace vennor;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TextFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void decodeTakesUtf8WhenValid()
    {
        QCOMPARE(textfile::decode("Zo\xc3\xab \xe2\x82\xac"), QString::fromUtf8("Zoë €"));
        QCOMPARE(textfile::decode("plain ascii\r\n"), QStringLiteral("plain ascii\r\n"));
    }

    void decodeFallsBackToWindows1252()
    {
        QCOMPARE(textfile::decode("Zo\xeb"), QString::fromUtf8("Zoë"));
        QCOMPARE(textfile::decode("\x80 \x93quoted\x94 \x85"), QString::fromUtf8("€ “quoted” …"));
        QCOMPARE(textfile::decode("\x8a\x9f\xff"), QString::fromUtf8("ŠŸÿ"));
        // One invalid sequence anywhere makes the whole file Windows-1252.
        QCOMPARE(textfile::decode("\xc3\xab and \xeb"), QString::fromUtf8("Ã« and ë"));
    }

    void windows1252KeepsEveryByteApart()
    {
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte) {
            all.append(char(byte));
        }
        const QString text = textfile::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
        for (int byte = 0; byte < 0x80; ++byte) {
            QCOMPARE(text.at(byte).unicode(), char16_t(byte));
        }
        for (int byte = 0xA0; byte < 0x100; ++byte) {
            QCOMPARE(text.at(byte).unicode(), char16_t(byte));
        }
    }

    void readReportsMissingFile()
    {
        const Result<QString> text = textfile::read(path("missing.txt"));
        QVERIFY(!text.ok());
        QVERIFY(!text.error().isEmpty());
    }

    void rewriteCreatesFolderAndReplacesWhole()
    {
        const QString file = path("deeper/folder/book.dat");
        QVERIFY(textfile::rewrite(file, "first version, rather long\r\n").ok());
        QVERIFY(textfile::rewrite(file, "second\r\n").ok());
        QCOMPARE(bytesOf(file), QByteArray("second\r\n"));
        QCOMPARE(*textfile::read(file), QStringLiteral("second\r\n"));
    }

    void appendStartsANewLineWhenNeeded_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("ends in CR LF") << QByteArray(")\r\n") << QByteArray(")\r\nx\r\n");
        QTest::newRow("ends in LF") << QByteArray(")\n") << QByteArray(")\nx\r\n");
        QTest::newRow("no line end") << QByteArray(")") << QByteArray(")\r\nx\r\n");
        QTest::newRow("ends in CR") << QByteArray(")\r") << QByteArray(")\r\nx\r\n");
        QTest::newRow("empty") << QByteArray() << QByteArray("x\r\n");
    }
    void appendStartsANewLineWhenNeeded()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        const QString file = path("append.dat");
        put(file, before);
        QVERIFY(textfile::append(file, "x\r\n").ok());
        QCOMPARE(bytesOf(file), after);
    }

    void appendCreatesMissingFile()
    {
        const QString file = path("new/created.dat");
        QVERIFY(textfile::append(file, ")\r\n").ok());
        QCOMPARE(bytesOf(file), QByteArray(")\r\n"));
    }

    void appendConvertsAnOldWindows1252FileToUtf8()
    {
        const QString file = path("old.dat");
        put(file, "zo\xeb\r\n\x93q\x94\r\n)");
        QVERIFY(textfile::append(file, "ren\xc3\xa9\r\n").ok());
        const QByteArray bytes = bytesOf(file);
        QCOMPARE(bytes,
                 QByteArray("zo\xc3\xab\r\n\xe2\x80\x9cq\xe2\x80\x9d\r\n)\r\nren\xc3\xa9\r\n"));
        QCOMPARE(textfile::decode(bytes), QString::fromUtf8("zoë\r\n“q”\r\n)\r\nrené\r\n"));
    }

    void failedRewriteKeepsOldFile()
    {
        const QString file = path("keep.dat");
        const QByteArray old(")\r\nanna\r\n0123\r\n)\r\n");
        put(file, old);
        Status status = Status::success();
        {
            test::FileSizeLimit limit(8);
            if (!limit.active()) {
                QSKIP("no file size limit on this platform");
            }
            status = textfile::rewrite(file, QByteArray(200, 'x'));
        }
        QVERIFY(!status.ok());
        QVERIFY(status.error().contains(QLatin1String("keep.dat")));
        QCOMPARE(bytesOf(file), old);
        // No half-written temporary file is left beside it.
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("keep.dat*")}, QDir::Files),
                 QStringList{QStringLiteral("keep.dat")});
    }

    void failedAppendKeepsOldFile()
    {
        const QString file = path("grow.dat");
        const QByteArray old(")\r\nanna\r\n0123\r\n)");
        put(file, old);
        Status status = Status::success();
        {
            // Room for a few bytes more: the append fails part way through.
            test::FileSizeLimit limit(old.size() + 5);
            if (!limit.active()) {
                QSKIP("no file size limit on this platform");
            }
            status = textfile::append(file, QByteArray(100, 'y') + "\r\n");
        }
        QVERIFY(!status.ok());
        QVERIFY(status.error().contains(QLatin1String("grow.dat")));
        QCOMPARE(bytesOf(file), old);
    }
};

VENNOR_TEST(TextFileTest)
#include "textfiletest.moc"
